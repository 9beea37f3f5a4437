#include "DosyaEngelleri.h"

#include <QProcess>

namespace {
bool Komut(const QString& program, const QStringList& bağımsız)
{
    QProcess süreç;
    süreç.setProcessChannelMode(QProcess::MergedChannels);
    süreç.start(program, bağımsız);
    return süreç.waitForFinished(10000) && süreç.exitStatus() == QProcess::NormalExit &&
           süreç.exitCode() == 0;
}
} // namespace

Değişmez::Değişmez(QString yol) : yol_(std::move(yol))
{
    kurulu_ = Komut(QStringLiteral("chattr"), {QStringLiteral("+i"), yol_});
}

Değişmez::~Değişmez()
{
    if (kurulu_)
        Komut(QStringLiteral("chattr"), {QStringLiteral("-i"), yol_});
}

KüçükDisk::KüçükDisk(QString klasör, int kilobayt) : klasör_(std::move(klasör))
{
    kurulu_ = Komut(QStringLiteral("mount"),
                    {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                     QStringLiteral("size=%1k").arg(kilobayt), QStringLiteral("tmpfs"), klasör_});
}

KüçükDisk::~KüçükDisk()
{
    if (kurulu_)
        Komut(QStringLiteral("umount"), {klasör_});
}
