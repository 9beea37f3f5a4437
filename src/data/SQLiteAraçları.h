#pragma once
// What the data layer's own files share over SQLite, beside the public connection and record
// sets of Veritabanı.h.

#include "Veritabanı.h"

#include <QString>

namespace detay {

// Prepares one statement; anything after it is refused rather than run.
DeyimTutucu Hazırla(sqlite3* bağlantı, const QString& metin);
// The name between double quotes, as SQLite reads an identifier.
QString Tırnakla(const QString& ad);
// The engine error of a file that could not be opened, with its path.
[[noreturn]] void AçılışHatası(int kod, const QString& yol);

} // namespace detay
