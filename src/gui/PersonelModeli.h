#pragma once
// The staff list's entries as one list model: each row a person's name (the text shown), Nosu
// (Qt::UserRole) and mark (the check state, which the user toggles). The names of all rows
// share one buffer, so that replacing a list of thousands frees two blocks rather than one per
// person, and the search reads them one after another. A row number outside the list is error
// 381.

#include "data/PersonelDökümü.h"

#include <QAbstractListModel>
#include <vector>

class PersonelModeli : public QAbstractListModel
{
public:
    using Kişi = PersonelSatırı;

    using QAbstractListModel::QAbstractListModel;

    // Replaces every row in one reset; no row is marked.
    void Doldur(const std::vector<Kişi>& kişiler);
    void Sil(int satır);
    // Marks or unmarks every row at once.
    void HepsiniİşaretleVeyaTemizle(bool işaretle);
    void İşaretle(int satır, bool işaretle);

    QStringView Metin(int satır) const
    {
        const Satır& s = Al(satır);
        return QStringView(metinler_).mid(s.baş, s.uzunluk);
    }
    qint32 Nosu(int satır) const { return Al(satır).nosu; }
    bool İşaretliMi(int satır) const { return Al(satır).işaretli; }

    int rowCount(const QModelIndex& üst = {}) const override;
    QModelIndex index(int satır, int sütun = 0, const QModelIndex& üst = {}) const override;
    QVariant data(const QModelIndex& dizin, int rol) const override;
    bool setData(const QModelIndex& dizin, const QVariant& değer, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& dizin) const override;

private:
    // The row's name starts at baş in metinler_.
    struct Satır
    {
        qsizetype baş;
        qsizetype uzunluk;
        qint32 nosu;
        bool işaretli;
    };
    const Satır& Al(int satır) const
    {
        if (satır < 0 || size_t(satır) >= satırlar_.size())
            GeçersizSatır();
        return satırlar_[size_t(satır)];
    }
    [[noreturn]] static void GeçersizSatır();

    std::vector<Satır> satırlar_;
    QString metinler_;
};
