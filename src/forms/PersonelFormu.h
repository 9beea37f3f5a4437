#pragma once
// The dialog that adds a staff record (DeğiştirmeModu false) or changes the one current in the
// main window (DeğiştirmeModu true). Idle: the boxes locked, "Personel &Ekle" and "Kapat (Esc)".
// Entry: the boxes open, "Kaydet" and "İptal". The main window fills the title (and, to edit,
// the five boxes), calls EkleKaydetDüğmesi_Click to enter Entry, then shows it modally. After a
// save the main window is made to show the saved person; adding stays open for the next one.

#include "gui/OrtakYordamlarModülü.h"
#include "ui_PersonelFormu.h"

#include <QDialog>
#include <array>

class AnaForm;
class QLabel;
class QLineEdit;

class PersonelFormu : public QDialog
{
    Q_OBJECT

public:
    explicit PersonelFormu(AnaForm& anaForm);

    // Idle: opens the boxes for entry. Entry: checks the boxes and writes the record.
    void EkleKaydetDüğmesi_Click();
    // Add mode in Entry: back to Idle with empty boxes. Otherwise the dialog closes.
    void KapatİptalDüğmesi_Click();

    Ui::PersonelFormu& Denetimler() { return ui; }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void keyPressEvent(QKeyEvent* olay) override;

private:
    bool GirişGeçerli();
    bool SicilBaşkasınınMı(const QString& sicil) const;
    bool Yaz();
    void AnaFormuGüncelle();
    void KutuOdağıAldı(int i);
    void KutuOdağıBıraktı(int i);

    AnaForm& anaForm_;
    Ui::PersonelFormu ui;
    std::array<QLineEdit*, 5> kutular_{};
    std::array<QLabel*, 5> Etiket{};
    std::array<OdakKuralı, 5> odak_; // each box entered and left
};
