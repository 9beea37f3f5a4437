#pragma once
// Where the system keeps installed programs, and the small file-system tests around it.

#include <QString>

// The system's program-files folder, ending in a separator: the one the system records when it
// records one, otherwise the PROGRAMFILES variable when set, otherwise the per-user data folder
// (created when it does not exist yet).
QString ProgramDosyalarıKlasörü();

// The folder of the read-only files an installed program was delivered with (the initial
// database), ending in a separator: share/tessaro/ of the prefix whose bin/ holds the program.
// Empty for a program run where it was built or unpacked: that layout has no such folder.
QString KurulumKlasörü(const QString& programKlasörü);

// The data folder, which holds Tsr.vtb, ending in a separator: the program folder where the
// program was built or unpacked. For an installed program, the folder that the system-wide
// settings name ("Veri Klasoru" of [Ayarlar]), so that the accounts of one computer share one
// register; otherwise the per-user data folder, created with its parents. Throws Hata 3044 when
// that folder is not an existing folder given by its full path.
QString VeriKlasörünüBelirle(const QString& programKlasörü);

// True when a file or a folder exists at the path.
bool DosyaVarMı(const QString& yol);
