#pragma once
// Text rules that follow Turkish letters: I and ı, İ and i are two pairs, whatever the
// platform's locale says.

#include <QString>

QString TürkçeBüyükHarf(const QString& metin); // i -> İ, ı -> I, then upper case
QString TürkçeKüçükHarf(QStringView metin);    // I -> ı, İ -> i, then lower case
// The same small letters, appended to sonuç; they are always as long as metin.
void TürkçeKüçükHarfEkle(QString& sonuç, QStringView metin);
// The small letter of one character that is not half of a surrogate pair, as both give it.
QChar TürkçeKüçükHarfi(QChar c);

// Leading and trailing spaces removed; line breaks and other white space stay.
QString BoşluklarıKırp(const QString& metin);
// Every straight apostrophe "'" replaced by the typographic "’": no stored text holds a "'".
QString KesmeİşaretiniDüzelt(const QString& metin);

// Each word capitalised, the rest in small letters; leading and trailing spaces removed.
QString İlkHarfleriBüyüt(const QString& metin);
// The last word in capitals; a single word is returned trimmed but unchanged.
QString SoyadıBüyüt(const QString& metin);

// What the entry boxes store when the user leaves them. Every white-space character of a
// one-line box counts as a space, so that a pasted tab neither joins two words nor stays at an
// end; normalising a second time changes nothing.
//   name and surname:       each word capitalised, the surname in capitals, "’" for "'", trimmed
//   title and department:   each word capitalised, "’" for "'", trimmed
//   institution name:       trimmed of spaces (line breaks stay), Turkish capitals, "’" for "'"
QString AdıSoyadıDüzelt(const QString& metin);
QString ÜnvanıDüzelt(const QString& metin);
QString KurumAdınıDüzelt(const QString& metin);
