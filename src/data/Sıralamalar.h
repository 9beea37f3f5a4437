#pragma once
// The database's two orders of texts, over UTF-8 as SQLite hands a text to a collation; each
// answers below, equal or above zero as a sorts before, with or after b. Registered on every
// connection (TR and TR_SIRA, named by DeyimÇevirici), and used as they are wherever the
// program orders rows itself, so that it orders them as its statements would.

#include <QByteArrayView>

// Turkish order without regard to letter case.
int TürkçeSırası(QByteArrayView a, QByteArrayView b);
// Order numbers: digit strings by their value (2 before 10) after every other text, ties and
// the other texts in Turkish order.
int SıraNoSırası(QByteArrayView a, QByteArrayView b);

// An order number as SıraNoSırası reads it, for a sort that compares each text many times: the
// text, and the digits that give its value (a null view when the text is no number).
struct SıraNoDeğeri
{
    QByteArrayView metin;
    QByteArrayView rakamlar;
};
SıraNoDeğeri SıraNoDeğeriniOku(QByteArrayView metin);
int SıraNoSırası(const SıraNoDeğeri& a, const SıraNoDeğeri& b);
