#pragma once
// The holiday calendar: one month as a grid of day cells, Monday first, with weekends and
// holidays in bold dark red, and that month's holidays as a list beside it. A selected day is
// added to the holiday table, a selected list entry removed from it; every change goes straight
// to TatilTarihleriTablosu.
//
// The caller sets SeçilenTarih to the first day of the month to show, constructs the dialog
// (which loads the year, the month and the grid), calls TatilTarihleriniListele and shows it
// modally. Inside the dialog SeçilenTarih always holds the date of the selected cell.
//
// The context menu of the grid and of the list adds the official holidays of the displayed
// year in one step.

#include "gui/OrtakYordamlarModülü.h"
#include "ui_TatilTarihleriFormu.h"

#include <QDate>
#include <QDialog>
#include <array>

class QLabel;
class QPoint;

class TatilTarihleriFormu : public QDialog
{
    Q_OBJECT

public:
    explicit TatilTarihleriFormu(QWidget* üst = nullptr);
    ~TatilTarihleriFormu() override;

    // Rebuilds the holiday list of the displayed month from the table and marks its days.
    void TatilTarihleriniListele();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void Form_Load();
    void TakvimiDoldur(quint8 gün);
    void TatilGünleriniİşaretle();
    void GünEtiketi_Click(int no);
    void Altlık_KeyDown(int tuş);
    void AyKutusu_Click();
    void YılKutusu_Change();
    void KullanıcıAyıDeğiştirdi();
    void BugüneGitDüğmesi_Click();
    void ListeyeEkleDüğmesi_Click();
    void ListedenÇıkarDüğmesi_Click();
    void TatilMenüsünüAç(const QWidget* denetim, const QPoint& yer);
    void ResmîTatilleriEkle_Click();
    void YılKutusu_GotFocus();
    void YılKutusu_LostFocus();
    void AyKutusu_GotFocus();
    void AyKutusu_LostFocus();

    bool EtkinDenetimMi(const QWidget* denetim) const;
    QLabel* Hücre(int no) const;

    Ui::TatilTarihleriFormu ui;
    std::array<QLabel*, 37> GünEtiketi{};
    std::array<QLabel*, 7> GünAdlarıEtiketi{};
    qint16 SeçiliEtiketNo = 0;
    qint16 AyınGünSayısı = 0;
    QDate gösterilenAy_; // the first day of the month in the grid, set by the fill
    // Set while a month or year change made by the user refills the grid: the focus then stays
    // on the changed control instead of passing to the grid and straight back.
    bool odakDeğişenDenetimde_ = false;
    OdakKuralı ayOdağı_; // the month list entered and left
};
