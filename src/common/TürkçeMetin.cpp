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

bool TürkçeBaşlıyorMu(const QString& metin, const QString& baş)
{
    return TürkçeKüçükHarf(metin).startsWith(TürkçeKüçükHarf(baş));
}

QString İlkHarfleriBüyüt(const QString& metin) { return metin.trimmed(); }

QString SoyadıBüyüt(const QString& metin) { return metin.trimmed(); }
