#pragma once

#include <QString>

struct VeritabanıYolları
{
    QString veritabanı;     // ProgramKlasörü + "Tsr.vtb"
    QString yapımcıKlasörü; // program files + "Velnora/"
    QString yedekKlasörü;   // program files + "Velnora/Vtb Yedekleri/"
    QString yedek;          // the backup folder + "Tsr.ydk"
};

VeritabanıYolları VeritabanıYollarınıBelirle();

// Finds or restores Tsr.vtb, keeps the compacted backup Tsr.ydk as the database stood before
// the day's first change, and opens the connection Veritabanı. Each step traps its errors the
// start-up way (HataYönet without centring); the two messages of a missing file end the program.
void VeritabanınıHazırla();
