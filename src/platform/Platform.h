#pragma once
// What the program asks of the operating system, behind one small interface. The build compiles
// the one file of this folder that belongs to the current system (Posix.cpp on Linux and the
// other POSIX systems).

#include <QString>

// The system's version record, as the start-up gate reads it.
struct SürümKaydı
{
    int platform = 0; // 1: the consumer line of 32-bit Windows, 2: the NT line, 0: anything else
    int ana = 0;
    int ara = 0;
    quint32 yapı = 0;
    QString servisPaketi;
};

namespace Platform {

// The record of the running system; platform 0 on a system that keeps none.
SürümKaydı SistemSürümü();

// The program-files folder the system itself records (on Windows its registry value); empty
// when it records none.
QString KayıtlıProgramDosyaları();

// The user the program runs for, as the system names them.
QString Kullanıcı();

// Puts what was written to the file or folder at yol on the disk; false when that failed.
bool DiskeYaz(const QString& yol);

// Whether the file at yol may be written now.
bool YazılabilirMi(const char* yol);

// Tutuldu: this process holds the lock now; Dolu: another process holds it; Hata: the file
// could not be made or locked.
enum class Kilit { Tutuldu, Dolu, Hata };

// Takes the exclusive lock on the file at yol (made when missing) for the rest of this process's
// life, without waiting. The system drops the lock when the process ends, however it ends.
Kilit ÖmürBoyuKilitle(const QString& yol);

} // namespace Platform
