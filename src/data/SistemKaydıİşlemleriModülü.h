#pragma once
// Where the system keeps installed programs, and the small file-system tests around it.

#include <QString>
#include <QVariant>

enum class KayıtKökü { YerelMakine, GeçerliKullanıcı };

// The system's program-files folder, ending in a separator: on Windows the registry value
// "ProgramFilesDir", otherwise the PROGRAMFILES variable when set, otherwise the per-user
// data folder (created when it does not exist yet).
QString ProgramDosyalarıKlasörü();

// A text (REG_SZ) or 32-bit number (REG_DWORD) value of the registry; an empty value for
// anything else, a missing key or value, and on systems without a registry.
QVariant KayıtDefteriDeğeriOku(KayıtKökü kök, const QString& anahtar, const QString& değerAdı);

// True when a file or a folder exists at the path.
bool DosyaVarMı(const QString& yol);
