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
    QtTürkçeMetinleriniYükle();
    MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
    OrtalamaYordamınıAyarla(MesajKutusunuOrtala);
    Main();
    return uygulama.exec();
}
