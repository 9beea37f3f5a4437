#include "PersonelDenetimi.h"

#include "common/TürkçeMetin.h"

#include <algorithm>

QString AlanıDüzelt(int alan, const QString& metin)
{
    switch (alan) {
    case AdSoyadAlanı:
        return AdıSoyadıDüzelt(metin);
    case ÜnvanAlanı:
    case ServisAlanı:
        return ÜnvanıDüzelt(metin);
    default:
        return metin.trimmed();
    }
}

std::optional<Kusur> PersoneliDenetle(const PersonelKaydı& kayıt,
                                      const std::function<bool(const QString&)>& başkasınınMı)
{
    const QString& sicil = kayıt[SicilAlanı];
    if (sicil.isEmpty())
        return Kusur{Kusur::SicilYok, SicilAlanı,
                     QStringLiteral("Personelin SİCİLİ'ni girmeniz gerekiyor!"),
                     QStringLiteral("sicil yok")};
    if (!std::all_of(sicil.begin(), sicil.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return Kusur{Kusur::SicilRakamDeğil, SicilAlanı,
                     QStringLiteral("Personelin SİCİLİ yalnızca rakamlardan oluşmalı!"),
                     QStringLiteral("sicil yalnızca rakamlardan oluşmalı")};
    bool sığar = false;
    sicil.toLongLong(&sığar);
    if (!sığar)
        return Kusur{Kusur::SicilÇokBüyük, SicilAlanı,
                     QStringLiteral("Personelin SİCİLİ çok büyük!"),
                     QStringLiteral("sicil çok büyük")};
    if (başkasınınMı(sicil))
        return Kusur{Kusur::SicilKayıtlı, SicilAlanı,
                     QStringLiteral("Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\n"
                                    "Lütfen, değiştirip yeniden deneyiniz."),
                     QStringLiteral("zaten kayıtlı")};
    const QString& adSoyad = kayıt[AdSoyadAlanı];
    if (adSoyad.isEmpty())
        return Kusur{Kusur::AdSoyadYok, AdSoyadAlanı,
                     QStringLiteral("Personelin AD ve SOYADI'nı girmeniz gerekiyor!"),
                     QStringLiteral("ad soyad yok")};
    if (!adSoyad.contains(QLatin1Char(' ')))
        return Kusur{Kusur::SoyadYok, AdSoyadAlanı,
                     QStringLiteral("Personelin SOYADI'nı girmeniz gerekiyor!"),
                     QStringLiteral("soyad yok")};
    if (kayıt[ÜnvanAlanı].isEmpty())
        return Kusur{Kusur::ÜnvanYok, ÜnvanAlanı,
                     QStringLiteral("Personelin ÜNVANI'nı girmeniz gerekiyor!"),
                     QStringLiteral("ünvan yok")};
    if (kayıt[ServisAlanı].isEmpty())
        return Kusur{Kusur::ServisYok, ServisAlanı,
                     QStringLiteral("Personelin SERVİSİ'ni girmeniz gerekiyor!"),
                     QStringLiteral("servis yok")};
    return std::nullopt;
}
