#pragma once
// The sheet run: one pass over the marked entries of the staff list, in list order. Each entry is
// made current and its sheet drawn on the printer object given; the answer for each person is
// whether the sheet came out whole. A print run unmarks whoever came out whole; the preview and
// the PDF file leave every mark as it is. A run of many people shows its progress and can be
// cancelled.

#include <functional>

class PersonelModeli;
class QWidget;
class YazıcıNesnesi;

class FöyTuru
{
public:
    enum class Sonuç { Tam, Eksik, İptal };
    enum class İşaretler { Koru, BasılanıKaldır };

    // güncelYap makes the entry at a row current and answers whether its record was read; çiz
    // draws the current entry's sheet and answers whether it came out whole.
    FöyTuru(PersonelModeli& kişiler, std::function<bool(int)> güncelYap,
            std::function<bool(YazıcıNesnesi&)> çiz);

    // The progress, when there is one, is a window of üst's.
    Sonuç Çalıştır(YazıcıNesnesi& yazıcı, İşaretler işaretler, QWidget* üst);

private:
    PersonelModeli& kişiler_;
    std::function<bool(int)> güncelYap_;
    std::function<bool(YazıcıNesnesi&)> çiz_;
};
