#include "FöyTuru.h"

#include "common/Korumalar.h"
#include "gui/PersonelModeli.h"

#include <QProgressDialog>
#include <memory>
#include <vector>

namespace {
// Runs of more people than this show their progress and can be cancelled.
constexpr int İlerlemesizKişiSayısı = 36;
} // namespace

FöyTuru::FöyTuru(PersonelModeli& kişiler, std::function<bool(int)> güncelYap,
                 std::function<bool(YazıcıNesnesi&)> çiz)
    : kişiler_(kişiler), güncelYap_(std::move(güncelYap)), çiz_(std::move(çiz))
{
}

FöyTuru::Sonuç FöyTuru::Çalıştır(YazıcıNesnesi& yazıcı, İşaretler işaretler, QWidget* üst)
{
    std::vector<int> satırlar;
    Tuzak([&] {
        for (int satır = 0; satır < kişiler_.rowCount(); ++satır)
            if (kişiler_.İşaretliMi(satır))
                satırlar.push_back(satır);
    });
    std::unique_ptr<QProgressDialog> ilerleme;
    if (int(satırlar.size()) > İlerlemesizKişiSayısı) {
        ilerleme = std::make_unique<QProgressDialog>(QStringLiteral("Föyler hazırlanıyor..."),
                                                     QStringLiteral("İptal"), 0,
                                                     int(satırlar.size()), üst);
        // Every window waits: a print asked for again from the preview would draw into the
        // printer the run is drawing on.
        ilerleme->setWindowModality(Qt::ApplicationModal);
        ilerleme->setMinimumDuration(0);
    }
    Sonuç sonuç = Sonuç::Tam;
    for (std::size_t i = 0; i < satırlar.size(); ++i) {
        if (ilerleme) {
            ilerleme->setValue(int(i));
            if (ilerleme->wasCanceled())
                return Sonuç::İptal;
        }
        // An entry whose record could not be read is not drawn; one that did not come out whole
        // keeps its mark.
        bool güncel = false;
        bool tam = false;
        Tuzak([&] { güncel = güncelYap_(satırlar[i]); });
        if (güncel)
            Tuzak([&] { tam = çiz_(yazıcı); });
        if (!tam)
            sonuç = Sonuç::Eksik;
        else if (işaretler == İşaretler::BasılanıKaldır)
            Tuzak([&] { kişiler_.İşaretle(satırlar[i], false); });
    }
    return sonuç;
}
