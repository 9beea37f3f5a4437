#pragma once
// The program's main window: the staff register one department at a time, the search by the
// beginning of a name, the current person's record, the marks for printing, the period (month
// and year) with its holiday set, and the entry to every dialog. Closing it ends the program.
//
// The staff list's entries carry the person's Nosu; an entry's mark is its check state, and the
// current entry (at most one) is the person shown in the five boxes.

#include "FöyTuru.h"
#include "ui_AnaForm.h"

#include <QDate>
#include <QWidget>
#include <array>
#include <vector>

class QLineEdit;
class QPageLayout;
class QPoint;
class QPrinter;
class YazıcıNesnesi;
struct FöyBilgileri;
struct PersonelDökümü;

class AnaForm : public QWidget
{
    Q_OBJECT

public:
    explicit AnaForm(QWidget* üst = nullptr);

    // Restores the position, reads the institution name, fills the department chooser with
    // "Tümü" selected, sets the current year and month, and makes the window visible.
    void Yükle();
    // Refills the department chooser: "Tümü" and the departments; nothing is selected.
    void ServisleriYükle();
    // Prints one sheet for the current person on yazıcı; false when it did not come out whole.
    bool Yazdır(YazıcıNesnesi& yazıcı);
    // Makes the staff list's entry at satır current, marks untouched, and shows its record;
    // false when the record could not be read (the five boxes are then empty).
    bool KişiyiGöster(int satır);
    // True when the date is one of the chosen month's holidays (as of the last rebuild).
    bool TatilMi(const QDate& tarih) const;
    // The month selection: rebuilds Tatiller for the chosen month and year.
    void AyKutusu_Click();

    // The window's controls, reached by their names.
    Ui::AnaForm& Denetimler() { return ui; }

    // The holidays from the first day of the chosen month to the first day of the next one, in
    // ascending order; replaced as a whole by AyKutusu_Click, read by the others.
    std::vector<QDate> Tatiller;

protected:
    void closeEvent(QCloseEvent* olay) override;

private:
    void KonumuYükle();
    void KonumuKaydet();
    // The department chooser and "Tümü" from the first load's one scan, "Tümü" selected.
    void DökümüGöster(PersonelDökümü döküm);
    void ServisSeçKutusu_Click();
    void PersonelListesi_Click();
    void BulKutusu_Change();
    void YılKutusu_Change();
    void EkleDüğmesi_Click();
    void DeğiştirDüğmesi_Click();
    void SilDüğmesi_Click();
    void MesaiSüresiBelirlemeDüğmesi_Click();
    void HakkındaDüğmesi_Click();
    void TatilBelirleDüğmesi_Click();
    void KurumAdıGirişiDüğmesi_Click();
    void ListeyiSeçDüğmesi_Click();
    void SeçimiTemizleDüğmesi_Click();
    void YazdırDüğmesi_Click();
    // Printer choice, holiday rebuild and the print run over the marked entries.
    void YazdırmaİşiniBaşlat();
    // The sheet run over this window's list, each entry made current in turn.
    FöyTuru Föyler();
    // The print button's checks before anything goes out: someone marked, an institution name.
    bool FöyHazırMı();
    // The sheet of the current entry as the window shows it.
    FöyBilgileri GeçerliFöyBilgileri() const;

    // The preview and the PDF file: the marked entries' sheets as the pages of one document,
    // drawn without a print run (the marks stay as they are).
    void FöyMenüsünüAç(const QWidget* denetim, const QPoint& yer);
    void BaskıÖnizleme_Click();
    void PdfDosyasıOlarakKaydet_Click();
    void ÖnizlemeyiÇiz(QPrinter* yazıcı);
    // The marked entries' sheets into the PDF file yol, whole or not at all.
    void PdfYaz(const QString& yol, const QPageLayout& sayfa);
    // The sheet run of the preview and the PDF file: every mark kept, and the entry current
    // before is current again after.
    FöyTuru::Sonuç FöyleriÇiz(YazıcıNesnesi& yazıcı);

    // The staff list read from a spreadsheet file, shown, and added in one transaction; the
    // whole register written to one.
    void PersonelListesiniİçeAktar_Click();
    void PersonelListesiniDışaAktar_Click();

    bool İşaretliVarMı() const;
    std::array<QLineEdit*, 5> BilgiKutuları() const;
    void BilgiKutularınıBoşalt();

    Ui::AnaForm ui;
    bool kayıtOkundu_ = false; // the five boxes show the current entry's record
};
