#include "PersonelListeKutusu.h"

PersonelListeKutusu::PersonelListeKutusu(QWidget* üst)
    : SessizOdak(üst), kişiler_(new PersonelModeli(this))
{
    setModel(kişiler_);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& güncel) { Q_EMIT currentRowChanged(güncel.row()); });
}

void PersonelListeKutusu::setCurrentRow(int satır, Seçim seçim)
{
    selectionModel()->setCurrentIndex(kişiler_->index(satır), seçim);
}
