#pragma once
// "Yazıcı Seç": the installed printers with the connection of the one selected. "Tamam" makes
// the selected printer current for the rest of the run of the program; "İptal (Esc)" sets
// YazıcıSeçimiİptal; closing the window any other way goes on with the current printer.

#include "gui/YazıcıApileri.h"
#include "ui_YazıcıSeçmeFormu.h"

#include <QDialog>

// No Q_OBJECT: the class adds no signals, slots or properties, and moc misreads some class
// names with the letters ı and İ.
class YazıcıSeçmeFormu : public QDialog
{
public:
    explicit YazıcıSeçmeFormu(QWidget* üst = nullptr);

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void Form_Load();
    void YazıcıAdlarıKutusu_Click();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

    Ui::YazıcıSeçmeFormu ui;
    QList<YüklüYazıcı> yazıcılar_; // taken once on load; the list's item data index into it
};
