#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "gui/OrtakYordamlarModülü.h"
#include "gui/QtMesajKutusu.h"
#include "startup/BaşlangıçModülü.h"
#include "startup/QtÇevirisi.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    // The names under which the system's folders for the program are found (the per-user data
    // folder Velnora/Tessaro), and the menu entry that a desktop shows for its windows.
    QApplication::setOrganizationName(QStringLiteral("Velnora"));
    QApplication::setApplicationName(QStringLiteral("Tessaro"));
    QApplication::setDesktopFileName(QStringLiteral("tessaro"));
    QtTürkçeMetinleriniYükle();
    MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
    OrtalamaYordamınıAyarla(MesajKutusunuOrtala);
    Main();
    return uygulama.exec();
}
