#pragma once
// The institution name that heads every signature sheet: entered here, upper-cased by Turkish
// rules when the box is left, at least 5 characters long, stored in KurumTablosu and put in
// force in KurumAdı. A save that the database refuses keeps the dialog open with what was typed
// and leaves KurumAdı as it was.

#include "gui/OrtakYordamlarModülü.h"
#include "ui_KurumBilgisiGirişiFormu.h"

#include <QDialog>

// No Q_OBJECT: moc misreads this class name, and the dialog declares no signals of its own.
class KurumBilgisiGirişiFormu : public QDialog
{
public:
    explicit KurumBilgisiGirişiFormu(QWidget* üst);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Form_Load();
    void KurumBilgisiKutusu_GotFocus();
    void KurumBilgisiKutusu_LostFocus();
    void KurumBilgisiKutusu_Change(int konum, int eklenen);
    void KaydetDüğmesi_Click();

    Ui::KurumBilgisiGirişiFormu ui;
    OdakKuralı odak_; // the box entered and left
};
