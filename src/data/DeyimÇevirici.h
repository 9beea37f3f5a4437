#pragma once

#include <QString>

// Turns a statement of the desktop-database dialect the program builds into SQLite's:
//   "DELETE * FROM"            -> "DELETE FROM"
//   #m/d/yyyy#                 -> 'yyyy-mm-dd' (the form dates are stored in)
//   text columns compared, sorted or made DISTINCT  -> COLLATE TR (Turkish, any letter case)
//   ORDER BY SiraNo            -> COLLATE TR_SIRA (order numbers by their value)
// Nothing between single quotes is ever changed. A date literal that names no calendar date
// is refused with error 3075.
QString SQLiteDeyimi(const QString& deyim);
