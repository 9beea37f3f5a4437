#include "ProgramKopyası.h"

#include "data/Şema.h"

#include <QDir>
#include <QFile>

ProgramKopyası::ProgramKopyası(const QString& program)
{
    if (program.isEmpty() || !kök_.isValid())
        return;
    for (const char* klasör : {"program", "programlar", "ayarlar", "veri", "calisma"})
        QDir(kök_.path()).mkpath(QString::fromLatin1(klasör));
    QFile::setPermissions(Yol("calisma"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!QFile::copy(program, Program()))
        return;
    İlkVeritabanınıYaz(ProgramKlasörü() + QStringLiteral("Tsr.vtb"));
    hazır_ = true;
}

QString ProgramKopyası::Yol(const char* ad) const
{
    return kök_.path() + QLatin1Char('/') + QString::fromLatin1(ad);
}

QString ProgramKopyası::Program() const
{
    return Yol("program/Tessaro");
}

QString ProgramKopyası::ProgramKlasörü() const
{
    return Yol("program/");
}

QString ProgramKopyası::SoketKlasörü() const
{
    return Yol("calisma");
}

QProcessEnvironment ProgramKopyası::Ortam() const
{
    QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
    ortam.insert(QStringLiteral("PROGRAMFILES"), Yol("programlar/"));
    ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), Yol("ayarlar"));
    ortam.insert(QStringLiteral("XDG_DATA_HOME"), Yol("veri"));
    ortam.insert(QStringLiteral("XDG_RUNTIME_DIR"), SoketKlasörü());
    if (!ortam.contains(QStringLiteral("QT_QPA_PLATFORM")) &&
        !ortam.contains(QStringLiteral("DISPLAY")))
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return ortam;
}
