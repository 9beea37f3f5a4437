#pragma once
// The staff list box: the list box's focus rule over the staff entries of its own
// PersonelModeli, read and set by row as a QListWidget is. In a Designer form it is a promoted
// QListView (header "controls/PersonelListeKutusu.h").

#include "ListeKutusu.h"
#include "gui/PersonelModeli.h"

class PersonelListeKutusu : public SessizOdak<QListView>
{
    Q_OBJECT

public:
    explicit PersonelListeKutusu(QWidget* üst = nullptr);

    PersonelModeli& Kişiler() { return *kişiler_; }
    const PersonelModeli& Kişiler() const { return *kişiler_; }
    int count() const { return kişiler_->rowCount(); }
    // The current entry's row; -1 when none is current.
    int currentRow() const { return currentIndex().row(); }
    // Makes the entry at satır current, or none for a row outside the list, and selects it as
    // the list box's own keys do unless told otherwise. The marks stay.
    using Seçim = QItemSelectionModel::SelectionFlags;
    void setCurrentRow(int satır, Seçim seçim = QItemSelectionModel::ClearAndSelect);

Q_SIGNALS:
    // After every change of the current entry; -1 when none is current any more.
    void currentRowChanged(int satır);

private:
    PersonelModeli* kişiler_;
};
