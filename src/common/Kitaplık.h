#pragma once
// A shared library loaded at its first use rather than with the program. The libraries that only
// a menu entry needs (the spooler's, the spreadsheet readers' and writer's) are loaded so: each
// one linked to the program was loaded, with what it brings, on every start.

#include <QLibrary>

class Kitaplık
{
public:
    // ad and sürüm as QLibrary takes them ("zip" and 4: libzip.so.4); hataNo numbers the Hata
    // thrown for a library or function that cannot be had.
    Kitaplık(const char* ad, int sürüm, int hataNo);

    // The function named ad, of the type İşlev.
    template <class İşlev> İşlev Al(const char* ad) { return reinterpret_cast<İşlev>(Çöz(ad)); }

private:
    QFunctionPointer Çöz(const char* ad);

    QLibrary kitaplık_;
    int hataNo_;
};

// The function of the library that its header declares as işlev, typed by that declaration.
#define KITAPLIK_ISLEVI(kitaplik, islev) (kitaplik).Al<decltype(&::islev)>(#islev)
