#pragma once
// The program's string table and version record.

#include <QString>

namespace Kaynak {

// String table (ids as the texts are known by).
inline QString Metin(int id)
{
    switch (id) {
    case 10:
        return QStringLiteral("Velnora - Tessaro");
    case 15:
        return QStringLiteral("Program, bilgisayarınızda kurulu olmadığı için başlatılamıyor. "
                              "Lütfen, kurulum programını çalıştırınız!");
    case 20:
        return QStringLiteral("Program'ın çalışabilmesi için bilgisayarınızda NT 4.0 ile "
                              "'Servis Pack 3' ya da daha yüksek bir sürümün yüklü olması "
                              "gerekiyor.");
    case 30:
        return QStringLiteral("Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \n"
                              "Yine de devam etmek istiyor musunuz?");
    case 40:
        return QStringLiteral("Hata Kodu:");
    case 50:
        return QStringLiteral("Hata Mesajı:");
    case 60:
        return QStringLiteral("Hata oluştu!");
    }
    return QString();
}

// Version record.
constexpr int SürümAna = TESSARO_SURUM_ANA;
constexpr int SürümAra = TESSARO_SURUM_ARA;
constexpr int SürümDüzeltme = TESSARO_SURUM_DUZELTME;
inline QString ÜrünAdı()
{
    return QStringLiteral("Tessaro");
}
inline QString YasalUyarı()
{
    return QStringLiteral("Telif hakkı © 2008-2026 Velnora. Tüm hakları saklıdır.");
}
inline QString YapımcıAdresi()
{
    return QStringLiteral("https://www.velnora.com.tr/");
}

// Major + "." + minor + revision, each in decimal: 1.0 revision 1 reads "1.01".
inline QString SürümMetni(int ana, int ara, int düzeltme)
{
    return QString::number(ana) + QLatin1Char('.') + QString::number(ara) +
           QString::number(düzeltme);
}

} // namespace Kaynak
