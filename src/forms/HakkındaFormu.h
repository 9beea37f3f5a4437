#pragma once
// The About window: the program's icon, title, version and legal notice, the maker's name, and
// a link that opens the maker's web site in the system's browser.

#include "ui_HakkındaFormu.h"

#include <QDialog>

// No Q_OBJECT: moc misreads this class name, and the dialog declares no signals of its own.
class HakkındaFormu : public QDialog
{
public:
    explicit HakkındaFormu(QWidget* üst);

    // "Sürüm " + major + "." + minor + revision: version 1.0 revision 1 reads "Sürüm 1.01".
    static QString SürümYazısı(int ana, int ara, int düzeltme);

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Form_Load();
    void VelnoraEtiketi_MouseMove();
    void VelnoraEtiketi_Click();
    void Altlık_MouseMove();

    Ui::HakkındaFormu ui;
};
