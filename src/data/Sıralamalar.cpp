#include "Veritabanı.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <sqlite3.h>
#include <string_view>
#include <vector>

namespace {

constexpr int TamponBoyu = 64;

// The UTF-8 text as UTF-16. A text of up to TamponBoyu bytes made of characters of one or two
// bytes (every Turkish letter is one) is decoded into tampon without allocating, since a
// department's query compares every row; any other text is decoded by QString into yedek.
QStringView Utf16(const void* metin, int uzunluk, char16_t (&tampon)[TamponBoyu], QString& yedek)
{
    if (uzunluk <= TamponBoyu) {
        const auto* s = static_cast<const uchar*>(metin);
        int i = 0, n = 0;
        for (; i < uzunluk; ++i, ++n) {
            if (s[i] < 0x80) {
                tampon[n] = s[i];
            } else if (s[i] >= 0xC2 && s[i] <= 0xDF && i + 1 < uzunluk &&
                       (s[i + 1] & 0xC0) == 0x80) {
                tampon[n] = char16_t((s[i] & 0x1F) << 6 | (s[i + 1] & 0x3F));
                ++i;
            } else {
                break;
            }
        }
        if (i == uzunluk)
            return {tampon, n};
    }
    yedek = QString::fromUtf8(static_cast<const char*>(metin), uzunluk);
    return yedek;
}

QCollator& TürkçeSıralayıcı()
{
    static QCollator sıralayıcı = [] {
        QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return sıralayıcı;
}

// The place in Turkish order, letter case aside, of each printable ASCII character and each
// letter of the Turkish alphabet (0 for any other character), taken from the collator itself.
// Each of them is one collation element with a primary weight of its own and no contraction
// with its neighbours, so texts made only of them compare as the sequences of their places.
class Sıralar
{
public:
    Sıralar()
    {
        std::vector<char16_t> harfler;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            harfler.push_back(c);
        for (char16_t c : std::u16string_view(u"çÇğĞıİöÖşŞüÜ"))
            harfler.push_back(c);
        const QCollator& tr = TürkçeSıralayıcı();
        auto karşılaştır = [&](char16_t a, char16_t b) {
            return tr.compare(QStringView(&a, 1), QStringView(&b, 1));
        };
        std::sort(harfler.begin(), harfler.end(),
                  [&](char16_t a, char16_t b) { return karşılaştır(a, b) < 0; });
        uint8_t yer = 0;
        for (size_t i = 0; i < harfler.size(); ++i) {
            if (i == 0 || karşılaştır(harfler[i - 1], harfler[i]) != 0)
                ++yer;
            yer_[harfler[i]] = yer;
        }
    }

    // The order of a and b, or nullopt when either holds a character without a place.
    std::optional<int> Karşılaştır(QStringView a, QStringView b) const
    {
        if (!Yerli(a) || !Yerli(b))
            return std::nullopt;
        const qsizetype n = std::min(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i)
            if (yer_[a[i].unicode()] != yer_[b[i].unicode()])
                return yer_[a[i].unicode()] < yer_[b[i].unicode()] ? -1 : 1;
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }

private:
    bool Yerli(QStringView metin) const
    {
        return std::all_of(metin.begin(), metin.end(), [this](QChar c) {
            return c.unicode() < yer_.size() && yer_[c.unicode()] != 0;
        });
    }

    std::array<uint8_t, 0x160> yer_{};
};

// Turkish order, without regard to letter case.
int TürkçeKarşılaştır(void*, int n1, const void* a, int n2, const void* b)
{
    static const Sıralar sıralar;
    if (n1 == n2 && std::memcmp(a, b, size_t(n1)) == 0)
        return 0;
    char16_t t1[TamponBoyu], t2[TamponBoyu];
    QString y1, y2;
    const QStringView m1 = Utf16(a, n1, t1, y1), m2 = Utf16(b, n2, t2, y2);
    if (const std::optional<int> sıra = sıralar.Karşılaştır(m1, m2))
        return *sıra;
    return TürkçeSıralayıcı().compare(m1, m2);
}

// Order numbers: digit strings compared by their value (2 before 10), ties and anything that is
// not a plain digit string in Turkish order.
int SıraNoKarşılaştır(void* p, int n1, const void* a, int n2, const void* b)
{
    auto sayıMı = [](const char* s, int n) {
        for (int i = 0; i < n; ++i)
            if (s[i] < '0' || s[i] > '9')
                return false;
        return n > 0;
    };
    const char* s1 = static_cast<const char*>(a);
    const char* s2 = static_cast<const char*>(b);
    const bool sayı1 = sayıMı(s1, n1), sayı2 = sayıMı(s2, n2);
    if (sayı1 && sayı2) {
        // Leading zeros do not change the value; the texts themselves break a tie below.
        int u1 = n1, u2 = n2;
        while (u1 > 1 && *s1 == '0')
            ++s1, --u1;
        while (u2 > 1 && *s2 == '0')
            ++s2, --u2;
        if (u1 != u2)
            return u1 < u2 ? -1 : 1;
        const int k = std::memcmp(s1, s2, u1);
        if (k != 0)
            return k;
    } else if (sayı1 != sayı2) {
        return sayı1 ? 1 : -1; // the empty text comes before every number
    }
    return TürkçeKarşılaştır(p, n1, a, n2, b);
}

} // namespace

void TürkçeSıralamalarıKaydet(sqlite3* bağlantı)
{
    sqlite3_create_collation_v2(bağlantı, "TR", SQLITE_UTF8, nullptr, TürkçeKarşılaştır, nullptr);
    sqlite3_create_collation_v2(bağlantı, "TR_SIRA", SQLITE_UTF8, nullptr, SıraNoKarşılaştır,
                                nullptr);
}
