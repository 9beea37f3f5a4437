#pragma once
// Stored numbers read as the program's fields hold them.

#include <QVariant>

// A whole number of 16 bits from a field or a text, rounded to the nearest (halves to even).
// Errors: an empty field 94, not a number 13, outside the range 6.
qint16 KısaTamsayı(const QVariant& değer);
