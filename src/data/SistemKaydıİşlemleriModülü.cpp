#include "SistemKaydıİşlemleriModülü.h"

#include "common/Hata.h"
#include "common/OrtakApilerModülü.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
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

QString KurulumKlasörü(const QString& programKlasörü)
{
    const QString klasör =
        QDir::cleanPath(programKlasörü + QStringLiteral(TESSARO_KURULUM_KLASORU)) + u'/';
    return QFileInfo(klasör).isDir() ? klasör : QString();
}

QString VeriKlasörünüBelirle(const QString& programKlasörü)
{
    if (KurulumKlasörü(programKlasörü).isEmpty())
        return programKlasörü;
    QString klasör = SistemAyarlarınıAç()->value(QStringLiteral("Ayarlar/Veri Klasoru")).toString();
    if (klasör.isEmpty()) {
        klasör = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(klasör);
    }
    // A relative folder would be wherever the program happened to be started from.
    if (QDir::isRelativePath(klasör) || !QFileInfo(klasör).isDir())
        throw Hata(HataNo::GeçersizYol,
                   QStringLiteral("Veri klasörü bulunamadı: ") + QDir::toNativeSeparators(klasör));
    return AyraçlaBitir(klasör);
}

bool DosyaVarMı(const QString& yol)
{
    return !yol.isEmpty() && QFileInfo::exists(yol);
}
