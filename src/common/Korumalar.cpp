#include "Korumalar.h"

#include "Hata.h"
#include "HataYönet.h"
#include "OrtakApilerModülü.h"

#include <new>

namespace {
std::function<void()> ortalamaYordamı;

// Runs one step; an error it raises goes to hataOlursa as the program's one error type.
// True when the step ran to its end.
template <class F> bool Çalıştır(const Adım& adım, F&& hataOlursa)
{
    if (ProgramBittiMi())
        return false;
    try {
        adım();
        return true;
    } catch (const Hata& hata) {
        hataOlursa(hata);
    } catch (const std::bad_alloc&) {
        hataOlursa(Hata(HataNo::YetersizBellek, QStringLiteral("Yetersiz bellek")));
    } catch (const std::exception& e) {
        hataOlursa(Hata(HataNo::GeçersizÇağrı, QString::fromLocal8Bit(e.what())));
    }
    return false;
}
} // namespace

bool Tuzak(const Adım& adım)
{
    return Çalıştır(adım, [](const Hata& hata) {
        if (ortalamaYordamı)
            ortalamaYordamı();
        HataYönet(hata);
    });
}

bool BaşlangıçTuzağı(const Adım& adım)
{
    return Çalıştır(adım, [](const Hata& hata) { HataYönet(hata); });
}

bool Yoksay(const Adım& adım)
{
    return Çalıştır(adım, [](const Hata&) {});
}

void OrtalamaYordamınıAyarla(std::function<void()> ortala)
{
    ortalamaYordamı = std::move(ortala);
}
