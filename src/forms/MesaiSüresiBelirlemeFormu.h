#pragma once
// The weekday and weekend working hours that every signature sheet carries, kept in the one
// row of MesaiSüreleriTablosu. "Kaydet" is enabled only by a change the user makes; a save
// that the database refuses keeps the dialog open with the values entered.

#include "ui_MesaiSüresiBelirlemeFormu.h"

#include <QDialog>

class DüğmeliKutu;

// No Q_OBJECT: moc misreads this class name, and the dialog declares no signals of its own.
class MesaiSüresiBelirlemeFormu : public QDialog
{
public:
    explicit MesaiSüresiBelirlemeFormu(QWidget* üst);

private:
    void Form_Load();
    void SüreKutusu_Change(const DüğmeliKutu* kutu);
    void KaydetDüğmesi_Click();

    Ui::MesaiSüresiBelirlemeFormu ui;
};
