#include "Platform.h"

#include <QFile>
#include <fcntl.h>
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
