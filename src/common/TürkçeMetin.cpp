#include "TürkçeMetin.h"

#include <QStringList>
#include <array>

namespace {
const QChar NoktasızKüçük(0x0131); // ı
const QChar NoktalıBüyük(0x0130);  // İ
const QChar Boşluk(u' ');

// The small form of each ASCII character by Turkish rules: I becomes ı.
constexpr std::array<char16_t, 0x80> ASCIIKüçükleri = [] {
    std::array<char16_t, 0x80> küçük{};
    for (char16_t c = 0; c < 0x80; ++c)
        küçük[c] = c >= u'A' && c <= u'Z' ? char16_t(c + 0x20) : c;
    küçük[u'I'] = 0x0131;
    return küçük;
}();

// The length of the first character of metin: two for a surrogate pair. A lone half of a pair
// is a character of its own, so that the letter after it is kept as it is.
qsizetype İlkKarakterUzunluğu(const QString& metin)
{
    const bool çift =
        metin.size() > 1 && metin.at(0).isHighSurrogate() && metin.at(1).isLowSurrogate();
    return çift ? 2 : 1;
}
} // namespace

QString TürkçeBüyükHarf(const QString& metin)
{
    // Only i needs the Turkish rule: Unicode's own capital of the dotless ı is already I.
    QString s = metin;
    s.replace(QLatin1Char('i'), NoktalıBüyük);
    return s.toUpper();
}

// One pass, character by character, into a text of the same length: the staff list folds every
// name with it. İ is the only letter whose small form is two characters in Unicode, and it is
// one of the two turned by the Turkish rule here; every other letter becomes its own small form.
QString TürkçeKüçükHarf(QStringView metin)
{
    QString s;
    TürkçeKüçükHarfEkle(s, metin);
    return s;
}

void TürkçeKüçükHarfEkle(QString& sonuç, QStringView metin)
{
    const qsizetype baş = sonuç.size();
    sonuç.resize(baş + metin.size());
    QChar* hedef = sonuç.data() + baş;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        const char16_t c = metin.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < metin.size() && metin.at(i + 1).isLowSurrogate()) {
            const char32_t küçük =
                QChar::toLower(QChar::surrogateToUcs4(c, metin.at(i + 1).unicode()));
            hedef[i] = QChar(QChar::highSurrogate(küçük));
            hedef[++i] = QChar(QChar::lowSurrogate(küçük));
        } else {
            hedef[i] = TürkçeKüçükHarfi(c);
        }
    }
}

QChar TürkçeKüçükHarfi(QChar c)
{
    if (c.unicode() < 0x80)
        return ASCIIKüçükleri[c.unicode()];
    return c == NoktalıBüyük ? QLatin1Char('i') : c.toLower();
}

QString BoşluklarıKırp(const QString& metin)
{
    qsizetype baş = 0;
    qsizetype son = metin.size();
    while (baş < son && metin.at(baş) == Boşluk)
        ++baş;
    while (son > baş && metin.at(son - 1) == Boşluk)
        --son;
    return metin.mid(baş, son - baş);
}

QString KesmeİşaretiniDüzelt(const QString& metin)
{
    QString s = metin;
    return s.replace(QLatin1Char('\''), QChar(0x2019));
}

QString İlkHarfleriBüyüt(const QString& metin)
{
    // Every I and İ becomes small first, and the ı and i that begin a word capital, so that the
    // general case rule below has nothing left to do for the four Turkish letters.
    QString s = BoşluklarıKırp(metin);
    s.replace(QLatin1Char('I'), NoktasızKüçük);
    s.replace(NoktalıBüyük, QLatin1Char('i'));
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (i > 0 && s.at(i - 1) != Boşluk)
            continue;
        if (s.at(i) == NoktasızKüçük)
            s[i] = QLatin1Char('I');
        else if (s.at(i) == QLatin1Char('i'))
            s[i] = NoktalıBüyük;
    }
    QStringList sözcükler = s.split(Boşluk);
    for (QString& sözcük : sözcükler) {
        if (sözcük.isEmpty())
            continue;
        // The first letter takes its one-to-one title case: a full upper-case mapping can turn
        // one letter into two (ß into SS), which a second pass would then write differently.
        const qsizetype ilk = İlkKarakterUzunluğu(sözcük);
        const char32_t kod = ilk == 2 ? QChar::surrogateToUcs4(sözcük.at(0), sözcük.at(1))
                                      : char32_t(sözcük.at(0).unicode());
        const char32_t başHarf = QChar::toTitleCase(kod);
        sözcük = QString::fromUcs4(&başHarf, 1) + sözcük.mid(ilk).toLower();
    }
    return sözcükler.join(Boşluk);
}

QString SoyadıBüyüt(const QString& metin)
{
    const QString s = BoşluklarıKırp(metin);
    const qsizetype sonBoşluk = s.lastIndexOf(Boşluk);
    if (sonBoşluk < 0)
        return s;
    return s.left(sonBoşluk + 1) + TürkçeBüyükHarf(s.mid(sonBoşluk + 1));
}

namespace {
QString BoşluğaÇevir(QString metin)
{
    for (QChar& c : metin)
        if (c.isSpace())
            c = QLatin1Char(' ');
    return metin;
}
} // namespace

QString AdıSoyadıDüzelt(const QString& metin)
{
    return BoşluklarıKırp(KesmeİşaretiniDüzelt(SoyadıBüyüt(İlkHarfleriBüyüt(BoşluğaÇevir(metin)))));
}

QString ÜnvanıDüzelt(const QString& metin)
{
    return BoşluklarıKırp(KesmeİşaretiniDüzelt(İlkHarfleriBüyüt(BoşluğaÇevir(metin))));
}

QString KurumAdınıDüzelt(const QString& metin)
{
    return KesmeİşaretiniDüzelt(TürkçeBüyükHarf(BoşluklarıKırp(metin)));
}
