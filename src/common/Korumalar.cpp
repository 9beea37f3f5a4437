#include "Korumalar.h"

#include "Hata.h"
#include "HataYönet.h"
#include "OrtakApilerModülü.h"

#include <new>

namespace {
std::function<void()> ortalamaYordamı;

// Runs one step; returns the error it raised, converted to the program's one error type.
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
        hataOlursa(Hata(7, QStringLiteral("Yetersiz bellek")));
    } catch (const std::exception& e) {
        hataOlursa(Hata(5, QString::fromLocal8Bit(e.what())));
    }
    return false;
}
} // namespace

void Tuzak(const Adım& adım)
{
    Çalıştır(adım, [](const Hata& hata) {
        if (ortalamaYordamı)
            ortalamaYordamı();
        HataYönet(hata);
    });
}

void BaşlangıçTuzağı(const Adım& adım)
{
    Çalıştır(adım, [](const Hata& hata) { HataYönet(hata); });
}

void Yoksay(const Adım& adım)
{
    Çalıştır(adım, [](const Hata&) {});
}

void OrtalamaYordamınıAyarla(std::function<void()> ortala)
{
    ortalamaYordamı = std::move(ortala);
}
