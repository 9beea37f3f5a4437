#include "PersonelModeli.h"

#include "common/Hata.h"

void PersonelModeli::Doldur(const std::vector<Kişi>& kişiler)
{
    beginResetModel();
    satırlar_.clear();
    satırlar_.reserve(kişiler.size());
    metinler_.clear();
    qsizetype toplam = 0;
    for (const Kişi& kişi : kişiler)
        toplam += kişi.adıSoyadı.size();
    metinler_.reserve(toplam);
    for (const Kişi& kişi : kişiler) {
        satırlar_.push_back({metinler_.size(), kişi.adıSoyadı.size(), kişi.nosu, false});
        metinler_ += kişi.adıSoyadı;
    }
    endResetModel();
}

void PersonelModeli::Sil(int satır)
{
    Al(satır); // a row outside the list is refused before anything changes
    beginRemoveRows({}, satır, satır);
    satırlar_.erase(satırlar_.begin() + satır);
    endRemoveRows();
}

void PersonelModeli::HepsiniİşaretleVeyaTemizle(bool işaretle)
{
    if (satırlar_.empty())
        return;
    for (Satır& s : satırlar_)
        s.işaretli = işaretle;
    Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

void PersonelModeli::İşaretle(int satır, bool işaretle)
{
    Al(satır); // a row outside the list is refused
    satırlar_[size_t(satır)].işaretli = işaretle;
    Q_EMIT dataChanged(index(satır), index(satır), {Qt::CheckStateRole});
}

void PersonelModeli::GeçersizSatır()
{
    throw Hata(HataNo::GeçersizDizin, QStringLiteral("Liste dizini geçersiz"));
}

int PersonelModeli::rowCount(const QModelIndex& üst) const
{
    return üst.isValid() ? 0 : int(satırlar_.size());
}

// The view asks for every row's index when it lays the rows out; the bounds are checked here
// without the model's virtual row and column counts.
QModelIndex PersonelModeli::index(int satır, int sütun, const QModelIndex& üst) const
{
    if (sütun != 0 || üst.isValid() || satır < 0 || size_t(satır) >= satırlar_.size())
        return {};
    return createIndex(satır, 0);
}

QVariant PersonelModeli::data(const QModelIndex& dizin, int rol) const
{
    if (!dizin.isValid() || dizin.row() >= rowCount())
        return {};
    const Satır& s = satırlar_[size_t(dizin.row())];
    switch (rol) {
    case Qt::DisplayRole:
        return Metin(dizin.row()).toString();
    case Qt::UserRole:
        return s.nosu;
    case Qt::CheckStateRole:
        return s.işaretli ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

bool PersonelModeli::setData(const QModelIndex& dizin, const QVariant& değer, int rol)
{
    if (rol != Qt::CheckStateRole || !dizin.isValid() || dizin.row() >= rowCount())
        return false;
    İşaretle(dizin.row(), değer.toInt() == Qt::Checked);
    return true;
}

// Entries are marked, never edited or dragged.
Qt::ItemFlags PersonelModeli::flags(const QModelIndex& dizin) const
{
    if (!dizin.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
           Qt::ItemNeverHasChildren;
}
