#pragma once
// Every statement the program sends, built by plain concatenation: numbers bare, texts between
// single quotes without escaping, dates as date literals. The texts are part of the file's
// contract; DeyimÇevirici adapts them to SQLite. The entry rules keep quotes out of the texts,
// and the builders do not trust them: a text value holding "'" or a registry number that is not
// all digits throws Hata 3075 before any statement exists.

#include <QDate>
#include <QString>

namespace Deyim {

// "#" month "/" day "/" four-digit year "#", numbers without leading zeros: #3/1/2024#.
QString TarihDeğişmezi(const QDate& tarih);

QString TümPersonel();                          // 1
QString ServisPersoneli(const QString& servis); // 2
QString Servisler();                            // 3
QString PersonelAyrıntısı(qint32 nosu);         // 4
QString PersoneliSil(qint32 nosu);              // 5
QString SicilArama(const QString& sicil);       // 6
QString PersonelEkle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                     const QString& servisi, const QString& sıraNo); // 7
QString PersonelGüncelle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                         const QString& servisi, const QString& sıraNo, qint32 nosu); // 8
QString TatilAralığı(const QDate& ilk, const QDate& son);                             // 9
QString TatilSil(const QDate& tarih);                                                 // 10
QString Siciller(); // every registry number, for the checks of a staff list's import
// The main window's first load: every row's list fields, department and order number, in the
// order of the table (its key), for PersonelDökümüOku to order as 1 and 3 would.
QString PersonelTaraması();

} // namespace Deyim
