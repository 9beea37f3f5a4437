#pragma once
// "Yazıcı Seç": the installed printers with the connection of the one selected. "Tamam" makes
// the selected printer current for the rest of the run of the program; "İptal (Esc)" sets
// YazıcıSeçimiİptal; closing the window any other way goes on with the current printer.

#include <QDialog>
#include <QFont>
#include <memory>

// The font of the two print windows: their controls are laid out for a small dialog font, and
// Arial (Liberation Sans) at 7.5 pt keeps every caption whole in its place.
QFont PencereYazıTipi();

namespace Ui {
class YazıcıSeçmeFormu;
}

// No Q_OBJECT: the class adds no signals, slots or properties, and moc misreads some class
// names with the letters ı and İ.
class YazıcıSeçmeFormu : public QDialog
{
public:
    explicit YazıcıSeçmeFormu(QWidget* üst = nullptr);
    ~YazıcıSeçmeFormu() override;

    Ui::YazıcıSeçmeFormu& Denetimler() { return *ui; }

protected:
    void keyPressEvent(QKeyEvent* olay) override;

private:
    void Form_Load();
    void YazıcıAdlarıKutusu_Click();
    void TamamDüğmesi_Click();
    void İptalDüğmesi_Click();

    std::unique_ptr<Ui::YazıcıSeçmeFormu> ui;
};
