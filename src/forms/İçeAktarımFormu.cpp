#include "İçeAktarımFormu.h"

#include "transfer/PersonelDışaAktarımı.h"
#include "transfer/PersonelİçeAktarımı.h"

#include <QAbstractTableModel>

namespace {
// The rows of the import as the table shows them: the five fields as they would be stored,
// then the row's fate.
class SatırModeli : public QAbstractTableModel
{
public:
    SatırModeli(const PersonelİçeAktarımı& aktarım, QObject* üst)
        : QAbstractTableModel(üst), aktarım_(aktarım)
    {
    }

    int rowCount(const QModelIndex& üst = {}) const override
    {
        return üst.isValid() ? 0 : int(aktarım_.Satırlar().size());
    }
    int columnCount(const QModelIndex& üst = {}) const override
    {
        return üst.isValid() ? 0 : int(ListeBaşlıkları.size()) + 1;
    }
    QVariant data(const QModelIndex& yer, int rol) const override
    {
        if (rol != Qt::DisplayRole)
            return {};
        const PersonelİçeAktarımı::Satır& satır = aktarım_.Satırlar()[std::size_t(yer.row())];
        return yer.column() < int(satır.kayıt.size()) ? satır.kayıt[std::size_t(yer.column())]
                                                      : PersonelİçeAktarımı::DurumMetni(satır);
    }
    QVariant headerData(int bölüm, Qt::Orientation yön, int rol) const override
    {
        if (yön != Qt::Horizontal || rol != Qt::DisplayRole)
            return QAbstractTableModel::headerData(bölüm, yön, rol);
        return bölüm < int(ListeBaşlıkları.size())
                   ? QString::fromUtf8(ListeBaşlıkları[std::size_t(bölüm)])
                   : QStringLiteral("Durum");
    }

private:
    const PersonelİçeAktarımı& aktarım_;
};
} // namespace

İçeAktarımFormu::İçeAktarımFormu(const PersonelİçeAktarımı& aktarım, QWidget* üst) : QDialog(üst)
{
    ui.setupUi(this);
    ui.ÖzetEtiketi->setText(aktarım.Özet());
    ui.SatırlarTablosu->setModel(new SatırModeli(aktarım, this));
    ui.SatırlarTablosu->resizeColumnsToContents();
    ui.AktarDüğmesi->setEnabled(aktarım.Sayı(PersonelİçeAktarımı::Durum::Eklenecek) > 0);
    connect(ui.AktarDüğmesi, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui.İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
}
