#pragma once
// Faults for tests that run as root, where permission bits stop nothing: an immutable file or
// folder (chattr +i) and a tiny disk that fills up (a tmpfs mount). Both are undone when the
// object goes. Kurulu() is false when the system refused; the test then skips.

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

struct Değişmez : DosyaEngeli
{
    explicit Değişmez(const QString& yol)
        : DosyaEngeli({QStringLiteral("chattr"), QStringLiteral("+i"), yol},
                      {QStringLiteral("chattr"), QStringLiteral("-i"), yol})
    {
    }
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
