// The yardstick of the start-up figure: a Qt Widgets program that shows one window of the main
// window's size holding the kinds of controls the main window has (a label, a combo box, a
// list, a line edit and a button), and then answers on a local socket, as Tessaro does once its
// window is shown.
//   EnKucukPencere SOKET

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocalServer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    if (argc < 2)
        return 2;
    QWidget pencere;
    pencere.setWindowTitle(QStringLiteral("Pencere"));
    auto* düzen = new QVBoxLayout(&pencere);
    düzen->addWidget(new QLabel(QStringLiteral("Personel")));
    auto* kutu = new QComboBox;
    kutu->addItem(QStringLiteral("Tümü"));
    düzen->addWidget(kutu);
    düzen->addWidget(new QListWidget);
    düzen->addWidget(new QLineEdit);
    düzen->addWidget(new QPushButton(QStringLiteral("Yazdır...")));
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
