#pragma once
// Replacing a file so that it is never half written: the new content goes into a temporary
// file beside the target, reaches the disk, and only then takes the target's place in one
// rename. Files that must not be destroyed are moved aside instead of deleted.

#include <QString>

// The temporary file a replacement of hedef is written into first. It is this process's own: two
// processes replacing the same file never write into, or remove, each other's.
QString GeçiciYol(const QString& hedef);

// Syncs geçici to the disk and renames it onto hedef; on any failure geçici is removed, hedef
// is left as it was, and Hata 75 is thrown. Hata 75 is thrown as well when the folder, and with
// it the rename, could not be put on the disk; hedef then already holds the new content.
void GeçiciDosyayıYerleştir(const QString& geçici, const QString& hedef);

// Renames the file at yol to a free name beside it (yol + ".eski", ".eski2", ...); nothing
// happens when there is no file. Throws Hata 75 when the rename fails.
void KenaraAl(const QString& yol);

// The file a path names: the target of a symbolic link, the path itself otherwise.
QString GerçekYol(const QString& yol);
