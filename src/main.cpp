#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakYordamlarModülü.h"
#include "common/QtMesajKutusu.h"
#include "startup/BaşlangıçModülü.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    QTranslator qtMetinleri;
    if (qtMetinleri.load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        uygulama.installTranslator(&qtMetinleri);
    MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
    OrtalamaYordamınıAyarla(MesajKutusunuOrtala);
    Main();
    return uygulama.exec();
}
