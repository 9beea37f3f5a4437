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
// Opens the file for reading and writing, creating it only when asked to; failures are those of
// an opening. SQLite reads the file lazily, so nothing here says yet whether it is a database.
BağlantıTutucu DosyayıAç(const QString& yol, bool oluştur = false);
// The engine error of a file that could not be opened, with its path.
[[noreturn]] void AçılışHatası(int kod, const QString& yol);
// Whether a failed statement that writes into another file (VACUUM INTO) failed on that file.
bool YazılanDosyanınHatası(int kod);

} // namespace detay
