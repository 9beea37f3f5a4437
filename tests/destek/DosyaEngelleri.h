#pragma once
// Faults for tests that run as root, where permission bits stop nothing, such as an immutable
// folder (chattr +i) or a tiny disk that fills up (a tmpfs mount): set up by one command and
// undone by another when the object goes. Kurulu() is false when the system refused.

#include <QProcess>

class DosyaEngeli
{
public:
    // kur and kaldır: a program and its arguments.
    DosyaEngeli(const QStringList& kur, QStringList kaldır)
        : kaldır_(std::move(kaldır)), kurulu_(Komut(kur))
    {
    }
    ~DosyaEngeli()
    {
        if (kurulu_)
            Komut(kaldır_);
    }
    Q_DISABLE_COPY_MOVE(DosyaEngeli)
    bool Kurulu() const { return kurulu_; }

private:
    static bool Komut(const QStringList& k) { return QProcess::execute(k[0], k.mid(1)) == 0; }
    QStringList kaldır_;
    bool kurulu_;
};

struct KüçükDisk : DosyaEngeli
{
    // Mounts a tmpfs of the given size on the (existing, empty) folder.
    KüçükDisk(const QString& klasör, int kilobayt)
        : DosyaEngeli({QStringLiteral("mount"), QStringLiteral("-t"), QStringLiteral("tmpfs"),
                       QStringLiteral("-o"), QStringLiteral("size=%1k").arg(kilobayt),
                       QStringLiteral("tmpfs"), klasör},
                      {QStringLiteral("umount"), klasör})
    {
    }
};
