#pragma once
// Where the system keeps installed programs, and the small file-system tests around it.

#include <QString>

// The system's program-files folder, ending in a separator: the one the system records when it
// records one, otherwise the PROGRAMFILES variable when set, otherwise the per-user data folder
// (created when it does not exist yet).
QString ProgramDosyalarıKlasörü();

// True when a file or a folder exists at the path.
bool DosyaVarMı(const QString& yol);
