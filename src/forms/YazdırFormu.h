#pragma once
// "Yazdırılıyor...": shown while a print run goes on; its first activation performs the run on
// the current printer, and a later one (a message box closing, the user switching windows and
// back) starts nothing. Whoever came out whole is unmarked; an entry whose record could not be
// read, or whose sheet the printer failed, keeps its mark. Then the window closes.

#include "ui_YazdırFormu.h"

#include <QDialog>

class FöyTuru;

// No Q_OBJECT: the class adds no signals, slots or properties, and moc misreads some class
// names with the letters ı and İ.
class YazdırFormu : public QDialog
{
public:
    explicit YazdırFormu(FöyTuru& tur, QWidget* üst = nullptr);

protected:
    bool event(QEvent* olay) override;

private:
    void Form_Activate();

    Ui::YazdırFormu ui;
    FöyTuru& tur_;
    bool çalıştı_ = false;
};
