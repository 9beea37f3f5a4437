// The floor of the start-up figure with a register: the bare window (EnKucukPencere) that also
// reads the staff table once with SQLite's C API, with no ordering by the engine; orders the
// rows in memory by their order number; takes the department list from the same rows and sorts
// it with a Turkish QCollator; and shows the names in a list model with check states, in a list
// view told that its rows are of one height, with the department chooser filled. What a
// register adds to this program's start is what listing it has to cost.
//   TabanPencere SOKET VERITABANI

#include <QAbstractListModel>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocalServer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <sqlite3.h>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

class Adlar : public QAbstractListModel
{
public:
    Adlar(std::vector<QString> adlar, QObject* üst)
        : QAbstractListModel(üst), adlar_(std::move(adlar)), işaretler_(adlar_.size(), false)
    {
    }
    int rowCount(const QModelIndex& üst = {}) const override
    {
        return üst.isValid() ? 0 : int(adlar_.size());
    }
    QVariant data(const QModelIndex& dizin, int rol) const override
    {
        if (rol == Qt::DisplayRole)
            return adlar_[size_t(dizin.row())];
        if (rol == Qt::CheckStateRole)
            return işaretler_[size_t(dizin.row())] ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex&) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    }

private:
    std::vector<QString> adlar_;
    std::vector<bool> işaretler_;
};

struct Satır
{
    qint64 sıra;
    QString ad;
};

QString Metin(sqlite3_stmt* deyim, int sütun)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(deyim, sütun)),
                             sqlite3_column_bytes(deyim, sütun));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    if (argc < 3)
        return 2;
    std::vector<Satır> satırlar;
    std::unordered_set<std::string> servisBaytları;
    sqlite3* bağlantı = nullptr;
    sqlite3_stmt* deyim = nullptr;
    if (sqlite3_open_v2(argv[2], &bağlantı, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(bağlantı,
                           "SELECT AdiSoyadi, SiraNo, Servisi FROM PersonelBilgileriTablosu", -1,
                           &deyim, nullptr) != SQLITE_OK)
        return 1;
    while (sqlite3_step(deyim) == SQLITE_ROW) {
        satırlar.push_back({sqlite3_column_int64(deyim, 1), Metin(deyim, 0)});
        servisBaytları.emplace(reinterpret_cast<const char*>(sqlite3_column_text(deyim, 2)),
                               size_t(sqlite3_column_bytes(deyim, 2)));
    }
    sqlite3_finalize(deyim);
    sqlite3_close(bağlantı);
    std::stable_sort(satırlar.begin(), satırlar.end(),
                     [](const Satır& a, const Satır& b) { return a.sıra < b.sıra; });
    std::vector<QString> adlar;
    adlar.reserve(satırlar.size());
    for (Satır& s : satırlar)
        adlar.push_back(std::move(s.ad));
    QStringList servisler;
    for (const std::string& s : servisBaytları)
        servisler << QString::fromStdString(s);
    QCollator tr(QLocale(QLocale::Turkish, QLocale::Turkey));
    tr.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(servisler.begin(), servisler.end(), tr);
    servisler.erase(
        std::unique(servisler.begin(), servisler.end(),
                    [&](const QString& a, const QString& b) { return tr.compare(a, b) == 0; }),
        servisler.end());

    QWidget pencere;
    pencere.setWindowTitle(QStringLiteral("Pencere"));
    auto* düzen = new QVBoxLayout(&pencere);
    düzen->addWidget(new QLabel(QStringLiteral("Personel")));
    auto* kutu = new QComboBox;
    kutu->addItem(QStringLiteral("Tümü"));
    kutu->addItems(servisler);
    düzen->addWidget(kutu);
    auto* liste = new QListView;
    liste->setUniformItemSizes(true);
    liste->setModel(new Adlar(std::move(adlar), liste));
    düzen->addWidget(liste);
    düzen->addWidget(new QLineEdit);
    düzen->addWidget(new QPushButton(QStringLiteral("Yazdır...")));
    pencere.resize(634, 448);
    pencere.show();
    QLocalServer sunucu;
    // A socket left by the previous, killed run is removed first, as Tessaro does.
    const QString ad = QString::fromLocal8Bit(argv[1]);
    if (!sunucu.listen(ad)) {
        QLocalServer::removeServer(ad);
        sunucu.listen(ad);
    }
    return uygulama.exec();
}
