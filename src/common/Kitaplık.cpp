#include "Kitaplık.h"

#include "Hata.h"

Kitaplık::Kitaplık(const char* ad, int sürüm, int hataNo)
    : kitaplık_(QString::fromLatin1(ad), sürüm), hataNo_(hataNo)
{
}

QFunctionPointer Kitaplık::Çöz(const char* ad)
{
    // QLibrary leaves the library loaded when it goes, so the functions outlive this object.
    if (const QFunctionPointer işlev = kitaplık_.resolve(ad))
        return işlev;
    throw Hata(hataNo_, kitaplık_.errorString());
}
