// The yardstick of the start-up figure: a Qt Widgets program that shows one window of the main
// window's size and then answers on a local socket, as Tessaro does once its window is shown.
//   EnKucukPencere SOKET

#include <QApplication>
#include <QLocalServer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    if (argc < 2)
        return 2;
    QWidget pencere;
    pencere.setWindowTitle(QStringLiteral("Pencere"));
    pencere.resize(634, 448);
    pencere.show();
    QLocalServer sunucu;
    // A socket left by the previous, killed run is removed first, as Tessaro does.
    const QString ad = QString::fromLocal8Bit(argv[1]);
    if (!sunucu.listen(ad)) {
        QLocalServer::removeServer(ad);
        sunucu.listen(ad);
    }
    return uygulama.exec();
}
