#include "TekKopyaKoruması.h"

#include "platform/Platform.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

namespace {

void ÖneGetir(QWidget* pencere)
{
    if (!pencere)
        return;
    if (pencere->isMinimized())
        pencere->setWindowState(pencere->windowState() & ~Qt::WindowMinimized);
    pencere->showNormal();
    pencere->raise();
    pencere->activateWindow();
}

bool Cevaplıyor(const QString& yol)
{
    QLocalSocket soket;
    soket.connectToServer(yol);
    const bool bağlandı = soket.waitForConnected(500);
    soket.abort();
    return bağlandı;
}

} // namespace

bool TekKopyaKoruması::AdıSahiplen(const QString& başlık)
{
    const QString kilit = SunucuYolu(başlık) + QStringLiteral(".kilit");
    // Without a run-time folder there is nowhere to keep the lock: the socket alone tells.
    if (QDir::isRelativePath(kilit))
        return !ÇalışanıÖneGetir(başlık);
    // The running copy listens only once its database is ready and its window loaded.
    const QDeadlineTimer süre(10000);
    for (;;) {
        switch (Platform::ÖmürBoyuKilitle(kilit)) {
        case Platform::Kilit::Tutuldu:
            return true;
        case Platform::Kilit::Hata:
            return !ÇalışanıÖneGetir(başlık);
        case Platform::Kilit::Dolu:
            break;
        }
        if (ÇalışanıÖneGetir(başlık) || süre.hasExpired())
            return false;
        QThread::msleep(100);
    }
}

bool TekKopyaKoruması::ÇalışanıÖneGetir(const QString& başlık)
{
    QLocalSocket soket;
    soket.connectToServer(SunucuYolu(başlık));
    if (!soket.waitForConnected(500))
        return false;
    soket.write("one-gel\n");
    soket.waitForBytesWritten(500);
    // The running copy closes the connection once its window is in front.
    soket.waitForDisconnected(1000);
    return true;
}

// Another user's copy on the same machine is not "on my desktop": the user is part of the name.
QString TekKopyaKoruması::SunucuAdı(const QString& başlık)
{
    const QByteArray özet =
        QCryptographicHash::hash((başlık + QLatin1Char('\n') + Platform::Kullanıcı()).toUtf8(),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    return QStringLiteral("Tessaro-") + QString::fromLatin1(özet);
}

QString TekKopyaKoruması::SunucuYolu(const QString& başlık)
{
#ifdef Q_OS_UNIX
    // The user's own run-time folder (mode 0700): in the shared temporary folder another user
    // could take the name first, and every start would then find a "running copy".
    const QString klasör = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!klasör.isEmpty())
        return klasör + QLatin1Char('/') + SunucuAdı(başlık);
#endif
    return SunucuAdı(başlık);
}

void TekKopyaKoruması::Dinle(const QString& başlık, QWidget* pencere)
{
    auto* sunucu = new QLocalServer(pencere);
    const QString ad = SunucuYolu(başlık);
    sunucu->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket is left over from a copy that crashed only when nothing answers on it.
    if (!sunucu->listen(ad) && !Cevaplıyor(ad)) {
        QLocalServer::removeServer(ad);
        sunucu->listen(ad);
    }
    QPointer<QWidget> hedef(pencere);
    QObject::connect(sunucu, &QLocalServer::newConnection, sunucu, [sunucu, hedef] {
        while (QLocalSocket* soket = sunucu->nextPendingConnection()) {
            QObject::connect(soket, &QLocalSocket::readyRead, soket, [soket, hedef] {
                soket->readAll();
                ÖneGetir(hedef);
                soket->disconnectFromServer();
            });
            QObject::connect(soket, &QLocalSocket::disconnected, soket, &QObject::deleteLater);
        }
    });
}
