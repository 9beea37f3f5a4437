#include "PersonelModeli.h"

#include "common/Hata.h"
#include "common/TürkçeMetin.h"

void PersonelModeli::Doldur(const std::vector<Kişi>& kişiler)
{
    beginResetModel();
    satırlar_.clear();
    satırlar_.reserve(kişiler.size());
    metinler_.clear();
    qsizetype toplam = 0;
    for (const Kişi& kişi : kişiler)
        toplam += 2 * kişi.adıSoyadı.size();
    metinler_.reserve(toplam);
    for (const Kişi& kişi : kişiler) {
        satırlar_.push_back({metinler_.size(), kişi.adıSoyadı.size(), kişi.nosu, false});
        metinler_ += kişi.adıSoyadı;
        TürkçeKüçükHarfEkle(metinler_, kişi.adıSoyadı);
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

QVariant PersonelModeli::data(const QModelIndex& dizin, int rol) const
{
    if (!dizin.isValid() || dizin.row() >= rowCount())
        return {};
    const Satır& s = satırlar_[size_t(dizin.row())];
    switch (rol) {
    case Qt::DisplayRole:
        return Ad(s).toString();
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
