#pragma once
// "Yazdırılıyor...": shown while a print run goes on; its activation performs the run. For
// every marked (checked) entry of the list, in list order, the entry is made current without
// touching any mark, its sheet is printed, and the entry is unmarked once the sheet came out
// whole. An entry whose record could not be read is neither printed nor unmarked, and one whose
// sheet the printer failed keeps its mark. Then the window closes.

#include "ui_YazdırFormu.h"

#include <QDialog>
#include <functional>

class PersonelModeli;

// No Q_OBJECT: the class adds no signals, slots or properties, and moc misreads some class
// names with the letters ı and İ.
class YazdırFormu : public QDialog
{
public:
    // güncelYap makes an entry current and answers whether its record was read; yazdır prints
    // the sheet of the current entry and answers whether it came out whole.
    YazdırFormu(PersonelModeli& kişiler, std::function<bool(int)> güncelYap,
                std::function<bool()> yazdır, QWidget* üst = nullptr);

protected:
    bool event(QEvent* olay) override;

private:
    void Form_Activate();

    Ui::YazdırFormu ui;
    PersonelModeli& kişiler_;
    std::function<bool(int)> güncelYap_;
    std::function<bool()> yazdır_;
    bool çalıştı_ = false;
};
