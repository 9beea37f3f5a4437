#include "SistemKaydıİşlemleriModülü.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
    const QString kayıt = Platform::KayıtlıProgramDosyaları();
    if (!kayıt.isEmpty())
        return AyraçlaBitir(kayıt);
    const QString ortam = qEnvironmentVariable("PROGRAMFILES");
    if (!ortam.isEmpty())
        return AyraçlaBitir(ortam);
    // The per-user data folder is the program's own to make: a new account may not have it yet.
    const QString kullanıcı = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    QDir().mkpath(kullanıcı);
    return AyraçlaBitir(kullanıcı);
}

bool DosyaVarMı(const QString& yol)
{
    return !yol.isEmpty() && QFileInfo::exists(yol);
}
