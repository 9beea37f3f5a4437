#include "PersonelModeli.h"

#include "common/Hata.h"

void PersonelModeli::Doldur(std::vector<Kişi> kişiler)
{
    beginResetModel();
    kişiler_ = std::move(kişiler);
    işaretler_.assign(kişiler_.size(), false);
    endResetModel();
}

void PersonelModeli::Sil(int satır)
{
    Al(satır); // a row outside the list is refused before anything changes
    beginRemoveRows({}, satır, satır);
    kişiler_.erase(kişiler_.begin() + satır);
    işaretler_.erase(işaretler_.begin() + satır);
    endRemoveRows();
}

void PersonelModeli::HepsiniİşaretleVeyaTemizle(bool işaretle)
{
    if (kişiler_.empty())
        return;
    işaretler_.assign(kişiler_.size(), işaretle);
    Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::CheckStateRole});
}

void PersonelModeli::İşaretle(int satır, bool işaretle)
{
    Al(satır); // a row outside the list is refused
    işaretler_[size_t(satır)] = işaretle;
    Q_EMIT dataChanged(index(satır), index(satır), {Qt::CheckStateRole});
}

void PersonelModeli::GeçersizSatır()
{
    throw Hata(HataNo::GeçersizDizin, QStringLiteral("Liste dizini geçersiz"));
}

int PersonelModeli::rowCount(const QModelIndex& üst) const
{
    return üst.isValid() ? 0 : int(kişiler_.size());
}

// The view asks for every row's index when it lays the rows out; the bounds are checked here
// without the model's virtual row and column counts.
QModelIndex PersonelModeli::index(int satır, int sütun, const QModelIndex& üst) const
{
    if (sütun != 0 || üst.isValid() || satır < 0 || size_t(satır) >= kişiler_.size())
        return {};
    return createIndex(satır, 0);
}

QVariant PersonelModeli::data(const QModelIndex& dizin, int rol) const
{
    if (!dizin.isValid() || dizin.row() >= rowCount())
        return {};
    const size_t satır = size_t(dizin.row());
    switch (rol) {
    case Qt::DisplayRole:
        return kişiler_[satır].adıSoyadı;
    case Qt::UserRole:
        return kişiler_[satır].nosu;
    case Qt::CheckStateRole:
        return işaretler_[satır] ? Qt::Checked : Qt::Unchecked;
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
