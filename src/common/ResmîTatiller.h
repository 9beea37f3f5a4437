#pragma once
// Turkey's official holidays of one year: the national days and the two religious feasts as
// full days, and the afternoons that are half days (28 October and the eve of each feast).

#include <QDate>
#include <vector>

struct ResmîTatilYılı
{
    std::vector<QDate> tamGünler;    // ascending, each day once
    std::vector<QDate> yarımGünler;  // ascending; afternoons of days that are not full holidays
    bool bayramlarBiliniyor = false; // the year's feast dates are in the program's table
};

ResmîTatilYılı ResmîTatiller(int yıl);
