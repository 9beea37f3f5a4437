#pragma once
// The staff list's entries as one list model: each row a person's name (the text shown), Nosu
// (Qt::UserRole) and mark (the check state, which the user toggles). The rows are the people as
// read, taken over whole when the list is filled. A row number outside the list is error 381.

#include "data/PersonelDökümü.h"

#include <QAbstractListModel>
#include <vector>

class PersonelModeli : public QAbstractListModel
{
public:
    using Kişi = PersonelSatırı;

    using QAbstractListModel::QAbstractListModel;

    // Replaces every row in one reset; no row is marked.
    void Doldur(std::vector<Kişi> kişiler);
    void Sil(int satır);
    // Marks or unmarks every row at once.
    void HepsiniİşaretleVeyaTemizle(bool işaretle);
    void İşaretle(int satır, bool işaretle);

    const QString& Metin(int satır) const { return Al(satır).adıSoyadı; }
    qint32 Nosu(int satır) const { return Al(satır).nosu; }
    bool İşaretliMi(int satır) const
    {
        Al(satır);
        return işaretler_[size_t(satır)];
    }

    int rowCount(const QModelIndex& üst = {}) const override;
    QModelIndex index(int satır, int sütun = 0, const QModelIndex& üst = {}) const override;
    QVariant data(const QModelIndex& dizin, int rol) const override;
    bool setData(const QModelIndex& dizin, const QVariant& değer, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& dizin) const override;

private:
    const Kişi& Al(int satır) const
    {
        if (satır < 0 || size_t(satır) >= kişiler_.size())
            GeçersizSatır();
        return kişiler_[size_t(satır)];
    }
    [[noreturn]] static void GeçersizSatır();

    std::vector<Kişi> kişiler_;
    std::vector<bool> işaretler_;
};
