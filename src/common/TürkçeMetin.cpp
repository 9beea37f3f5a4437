#include "TürkçeMetin.h"

namespace {
const QChar NoktasızKüçük(0x0131); // ı
const QChar NoktalıBüyük(0x0130);  // İ
} // namespace

QString TürkçeBüyükHarf(const QString& metin)
{
    QString s = metin;
    s.replace(QLatin1Char('i'), NoktalıBüyük);
    s.replace(NoktasızKüçük, QLatin1Char('I'));
    return s.toUpper();
}

QString TürkçeKüçükHarf(const QString& metin)
{
    QString s = metin;
    s.replace(QLatin1Char('I'), NoktasızKüçük);
    s.replace(NoktalıBüyük, QLatin1Char('i'));
    return s.toLower();
}

QString BoşluklarıKırp(const QString& metin)
{
    qsizetype baş = 0;
    qsizetype son = metin.size();
    while (baş < son && metin[baş] == QLatin1Char(' '))
        ++baş;
    while (son > baş && metin[son - 1] == QLatin1Char(' '))
        --son;
    return metin.mid(baş, son - baş);
}

QString KesmeİşaretiniDüzelt(const QString& metin)
{
    QString s = metin;
    return s.replace(QLatin1Char('\''), QChar(0x2019));
}

bool TürkçeBaşlıyorMu(const QString& metin, const QString& baş)
{
    return TürkçeKüçükHarf(metin).startsWith(TürkçeKüçükHarf(baş));
}

QString İlkHarfleriBüyüt(const QString& metin) { return metin.trimmed(); }

QString SoyadıBüyüt(const QString& metin) { return metin.trimmed(); }
