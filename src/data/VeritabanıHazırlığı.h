#pragma once

#include <QString>

struct VeritabanıYolları
{
    QString veritabanı;     // the program folder + "Tsr.vtb"
    QString yapımcıKlasörü; // program files + "Velnora/"
    QString yedekKlasörü;   // program files + "Velnora/Vtb Yedekleri/"
    QString yedek;          // the backup folder + "Tsr.ydk"
};

// programKlasörü: the program file's folder, ending in a separator.
VeritabanıYolları VeritabanıYollarınıBelirle(const QString& programKlasörü);

// Finds or restores Tsr.vtb, keeps the compacted backup Tsr.ydk as the database stood before
// the day's first change, and opens the connection Veritabanı. Each step traps its errors the
// start-up way (HataYönet without centring); the two messages of a missing file end the program.
void VeritabanınıHazırla(const QString& programKlasörü);
