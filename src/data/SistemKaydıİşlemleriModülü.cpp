#include "SistemKaydıİşlemleriModülü.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
QString AyraçlaBitir(QString yol)
{
    if (!yol.isEmpty() && !yol.endsWith(QLatin1Char('/')) && !yol.endsWith(QDir::separator()))
        yol += QDir::separator();
    return yol;
}
} // namespace

QString ProgramDosyalarıKlasörü()
{
    const QString kayıt =
        KayıtDefteriDeğeriOku(KayıtKökü::YerelMakine,
                              QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                              QStringLiteral("ProgramFilesDir"))
            .toString();
    if (!kayıt.isEmpty())
        return AyraçlaBitir(kayıt);
    const QString ortam = qEnvironmentVariable("PROGRAMFILES");
    if (!ortam.isEmpty())
        return AyraçlaBitir(ortam);
#ifdef Q_OS_WIN
    return QString();
#else
    // The per-user data folder is the program's own to make: a new account may not have it yet.
    const QString kullanıcı = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(kullanıcı);
    return AyraçlaBitir(kullanıcı);
#endif
}

QVariant KayıtDefteriDeğeriOku(KayıtKökü kök, const QString& anahtar, const QString& değerAdı)
{
#ifdef Q_OS_WIN
    HKEY açık = nullptr;
    HKEY kökAnahtar = kök == KayıtKökü::YerelMakine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    if (RegOpenKeyExW(kökAnahtar, reinterpret_cast<const wchar_t*>(anahtar.utf16()), 0,
                      KEY_QUERY_VALUE, &açık) != ERROR_SUCCESS)
        return QVariant();
    QVariant sonuç;
    DWORD tür = 0, boyut = 0;
    const auto ad = reinterpret_cast<const wchar_t*>(değerAdı.utf16());
    if (RegQueryValueExW(açık, ad, nullptr, &tür, nullptr, &boyut) == ERROR_SUCCESS) {
        QByteArray veri(int(boyut) + 2, '\0');
        if (RegQueryValueExW(açık, ad, nullptr, &tür, reinterpret_cast<BYTE*>(veri.data()),
                             &boyut) == ERROR_SUCCESS) {
            if (tür == REG_SZ)
                sonuç = QString::fromWCharArray(reinterpret_cast<const wchar_t*>(veri.constData()));
            else if (tür == REG_DWORD)
                sonuç = qulonglong(*reinterpret_cast<const DWORD*>(veri.constData()));
        }
    }
    RegCloseKey(açık);
    return sonuç;
#else
    Q_UNUSED(kök)
    Q_UNUSED(anahtar)
    Q_UNUSED(değerAdı)
    return QVariant();
#endif
}

bool DosyaVarMı(const QString& yol)
{
    return !yol.isEmpty() && QFileInfo::exists(yol);
}
