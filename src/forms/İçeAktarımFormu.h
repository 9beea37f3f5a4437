#pragma once
// "Personel Listesini İçe Aktar": the preview of a staff list's import. A summary line, then
// every row read with what becomes of it; "&Aktar" (only when some row is to be added) accepts
// the dialog, "İptal (Esc)", Esc and closing reject it. The caller adds the rows.

#include "ui_İçeAktarımFormu.h"

#include <QDialog>

class PersonelİçeAktarımı;

class İçeAktarımFormu : public QDialog
{
public:
    İçeAktarımFormu(const PersonelİçeAktarımı& aktarım, QWidget* üst);

private:
    Ui::İçeAktarımFormu ui;
};
