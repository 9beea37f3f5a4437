#include "GüvenliDosya.h"

#include "common/Hata.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

QString GeçiciYol(const QString& hedef)
{
    return hedef + QStringLiteral(".yeni-") + QString::number(QCoreApplication::applicationPid());
}

void GeçiciDosyayıYerleştir(const QString& geçici, const QString& hedef)
{
    const Hata yazılamadı(HataNo::YolHatası,
                          QStringLiteral("Dosya yazılamadı: ") + QDir::toNativeSeparators(hedef));
    if (!Platform::DiskeYaz(geçici) || std::rename(QFile::encodeName(geçici).constData(),
                                                   QFile::encodeName(hedef).constData()) != 0) {
        QFile::remove(geçici);
        throw yazılamadı;
    }
    // The rename itself is on the disk only once the folder is.
    if (!Platform::DiskeYaz(QFileInfo(hedef).absolutePath()))
        throw yazılamadı;
}

void KenaraAl(const QString& yol)
{
    if (!QFileInfo(yol).isFile())
        return;
    QString yeni = yol + QStringLiteral(".eski");
    for (int i = 2; QFileInfo::exists(yeni); ++i)
        yeni = yol + QStringLiteral(".eski") + QString::number(i);
    if (!QFile::rename(yol, yeni))
        throw Hata(HataNo::YolHatası,
                   QStringLiteral("Dosya kenara alınamadı: ") + QDir::toNativeSeparators(yol));
}

QString GerçekYol(const QString& yol)
{
    const QFileInfo bilgi(yol);
    return bilgi.isSymLink() ? bilgi.symLinkTarget() : yol;
}
