#pragma once
// The holiday dates stored in TatilTarihleriTablosu, read for a period (Deyim::TatilAralığı).

#include <QDate>
#include <vector>

// The holidays from ilk to son, both included, in ascending order. A stored value that names no
// calendar date is no holiday and is left out. A table that cannot be read throws Hata.
std::vector<QDate> TatilTarihleriniOku(const QDate& ilk, const QDate& son);
