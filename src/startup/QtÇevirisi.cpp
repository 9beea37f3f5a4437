#include "QtÇevirisi.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtTürkçeMetinleriniYükle()
{
    auto* çeviri = new QTranslator(QCoreApplication::instance());
    if (!çeviri->load(QLocale(QLocale::Turkish, QLocale::Turkey), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(çeviri)) {
        delete çeviri;
        return false;
    }
    return true;
}
