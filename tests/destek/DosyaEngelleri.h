#pragma once
// A fault for tests run as root, where permission bits stop nothing (chattr +i, a tiny tmpfs): set
// up by one command, undone by the other when the object goes; Kurulu() is false when refused.

#include <QProcess>

class DosyaEngeli
{
public:
    DosyaEngeli(const QStringList& kur, QStringList kaldır)
        : kaldır_(std::move(kaldır)), kurulu_(QProcess::execute(kur[0], kur.mid(1)) == 0)
    {
    }
    ~DosyaEngeli()
    {
        if (kurulu_)
            QProcess::execute(kaldır_[0], kaldır_.mid(1));
    }
    Q_DISABLE_COPY_MOVE(DosyaEngeli)
    bool Kurulu() const { return kurulu_; }

private:
    QStringList kaldır_;
    bool kurulu_;
};

struct KüçükDisk : DosyaEngeli
{
    KüçükDisk(const QString& klasör, int kilobayt)
        : DosyaEngeli({QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"),
                       QStringLiteral("-o"), QStringLiteral("size=%1k").arg(kilobayt),
                       QStringLiteral("tmpfs"), klasör},
                      {QStringLiteral("umount"), klasör})
    {
    }
};
