#pragma once

#include <QString>
#include <array>

// The four tables of Tsr.vtb. The column order of PersonelBilgileriTablosu is part of the
// file's contract: the main window reads "SELECT *" rows by position.
extern const char* const VeritabanıŞeması;
// The names of those four tables: a file without any of them is no database of the program.
extern const std::array<const char*, 4> ŞemaTabloları;

// Writes a new database file at yol with the schema and the one row of working hours
// (weekday and weekend both 8). Fails if a file is already there.
void İlkVeritabanınıYaz(const QString& yol);
