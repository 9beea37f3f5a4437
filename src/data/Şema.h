#pragma once

#include <QString>

// The four tables of Tsr.vtb. The column order of PersonelBilgileriTablosu is part of the
// file's contract: the main window reads "SELECT *" rows by position.
extern const char* const VeritabanıŞeması;

// Writes a new database file at yol with the schema and the one row of working hours
// (weekday and weekend both 8). Fails if a file is already there.
void İlkVeritabanınıYaz(const QString& yol);
