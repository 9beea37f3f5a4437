#include "Platform.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SürümKaydı Platform::SistemSürümü()
{
    return {};
}

QString Platform::KayıtlıProgramDosyaları()
{
    return {};
}

QString Platform::Kullanıcı()
{
    return QString::number(::getuid());
}

bool Platform::DiskeYaz(const QString& yol)
{
    const int fd = ::open(QFile::encodeName(yol).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool yazıldı = ::fsync(fd) == 0;
    ::close(fd);
    return yazıldı;
}

bool Platform::YazılabilirMi(const char* yol)
{
    return ::access(yol, W_OK) == 0;
}

Platform::Kilit Platform::ÖmürBoyuKilitle(const QString& yol)
{
    // Close-on-exec: a program this one starts must not go on holding the lock after it ends.
    const int fd = ::open(QFile::encodeName(yol).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return Kilit::Hata;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Kilit::Tutuldu; // the descriptor stays open: it is the lock
    const bool dolu = errno == EWOULDBLOCK;
    ::close(fd);
    return dolu ? Kilit::Dolu : Kilit::Hata;
}
