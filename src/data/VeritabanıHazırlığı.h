#pragma once

#include <QString>

struct VeritabanıYolları
{
    QString veritabanı;     // the data folder + "Tsr.vtb"
    QString yapımcıKlasörü; // program files + "Velnora/"
    QString yedekKlasörü;   // program files + "Velnora/Vtb Yedekleri/"
    QString yedek;          // the backup folder + "Tsr.ydk"
    QString ilk;            // the installed initial database; empty where none was delivered
};

// veriKlasörü: the folder holding Tsr.vtb, ending in a separator.
VeritabanıYolları VeritabanıYollarınıBelirle(const QString& veriKlasörü);

// Finds Tsr.vtb, restores it from the backup, or on an account's first start (no backup either)
// makes it from the installed initial database, keeps the compacted backup Tsr.ydk as the database
// stood before the day's first change, and opens the connection Veritabanı. Each step traps its
// errors the start-up way (HataYönet without centring); the two messages of a missing file end the
// program.
void VeritabanınıHazırla(const QString& veriKlasörü);
