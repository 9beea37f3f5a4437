#include "Sıralamalar.h"

#include "Veritabanı.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <array>
#include <cstring>
#include <optional>
#include <sqlite3.h>
#include <string_view>

namespace {

// Made at the first text that the places below do not cover: the window's start needs none.
QCollator& TürkçeSıralayıcı()
{
    static QCollator sıralayıcı = [] {
        QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return sıralayıcı;
}

// Each printable ASCII character and each letter of the Turkish alphabet is one collation
// element with a primary weight of its own in ICU's Turkish order and no contraction with its
// neighbours, so texts made only of them compare, letter case aside, as the sequences of their
// places. The places follow ICU's order (the collation's test holds them to the collator);
// a capital shares the place of its small letter, I that of ı and İ that of i.
constexpr std::u16string_view İşaretler = u" _-,;:!?.'\"()[]{}@*/\\&#%`^+<=>|~$0123456789";
constexpr std::u16string_view Küçükler = u"abcçdefgğhıijklmnoöpqrsştuüvwxyz";
constexpr std::u16string_view Büyükler = u"ABCÇDEFGĞHIİJKLMNOÖPQRSŞTUÜVWXYZ";

class Sıralar
{
public:
    Sıralar()
    {
        uint8_t yer = 0;
        for (char16_t c : İşaretler)
            yer_[c] = ++yer;
        for (size_t i = 0; i < Küçükler.size(); ++i)
            yer_[Küçükler[i]] = yer_[Büyükler[i]] = ++yer;
    }

    // The order of two UTF-8 texts by the places of their characters, a shorter text first
    // when one begins the other; nothing when a character of either has no place or the bytes
    // are not UTF-8.
    std::optional<int> Karşılaştır(QByteArrayView a, QByteArrayView b) const
    {
        qsizetype i = 0, j = 0;
        int sıra = 0;
        while (i < a.size() && j < b.size()) {
            const uint8_t y1 = Yer(a, i), y2 = Yer(b, j);
            if (y1 == 0 || y2 == 0)
                return std::nullopt;
            if (sıra == 0 && y1 != y2)
                sıra = y1 < y2 ? -1 : 1;
        }
        const bool aUzun = i < a.size(), bUzun = j < b.size();
        while (i < a.size())
            if (Yer(a, i) == 0)
                return std::nullopt;
        while (j < b.size())
            if (Yer(b, j) == 0)
                return std::nullopt;
        return sıra != 0 ? sıra : int(aUzun) - int(bUzun);
    }

private:
    // The place of the character at i, which is moved past it; 0 when it has none.
    uint8_t Yer(QByteArrayView metin, qsizetype& i) const
    {
        const auto* s = reinterpret_cast<const uchar*>(metin.data());
        char16_t c = s[i++];
        if (c >= 0x80) {
            if (c < 0xC2 || c > 0xDF || i == metin.size() || (s[i] & 0xC0) != 0x80)
                return 0;
            c = char16_t((c & 0x1F) << 6 | (s[i++] & 0x3F));
        }
        return c < yer_.size() ? yer_[c] : 0;
    }

    std::array<uint8_t, 0x160> yer_{};
};

// A text as SQLite hands it to a collation.
QByteArrayView Metin(int uzunluk, const void* metin)
{
    return QByteArrayView(static_cast<const char*>(metin), uzunluk);
}

inline SıraNoDeğeri Değer(QByteArrayView metin)
{
    // The digits without leading zeros (a zero keeps one); none for any other text, the empty
    // one included.
    const char* s = metin.data();
    const qsizetype n = metin.size();
    for (qsizetype i = 0; i < n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return {metin, {}};
    if (n == 0)
        return {metin, {}};
    qsizetype baş = 0;
    while (baş + 1 < n && s[baş] == '0')
        ++baş;
    return {metin, QByteArrayView(s + baş, n - baş)};
}

inline int Sıra(const SıraNoDeğeri& a, const SıraNoDeğeri& b)
{
    const QByteArrayView d1 = a.rakamlar, d2 = b.rakamlar;
    if (!d1.isNull() && !d2.isNull()) {
        if (d1.size() != d2.size())
            return d1.size() < d2.size() ? -1 : 1;
        if (const int k = std::memcmp(d1.data(), d2.data(), size_t(d1.size())))
            return k;
    } else if (d1.isNull() != d2.isNull()) {
        return d1.isNull() ? -1 : 1; // the empty text comes before every number
    }
    // Equal values (leading zeros aside) and texts that are no numbers.
    return TürkçeSırası(a.metin, b.metin);
}

} // namespace

int TürkçeSırası(QByteArrayView a, QByteArrayView b)
{
    static const Sıralar sıralar;
    // The bytes both texts begin with, up to a character's first byte, stand for the same
    // characters and change nothing in how the rest compares: a character with a place is a
    // starter that no contraction or reordering joins to what comes before it.
    qsizetype ortak = 0;
    while (ortak < a.size() && ortak < b.size() && a[ortak] == b[ortak])
        ++ortak;
    if (ortak == a.size() && ortak == b.size())
        return 0;
    while (ortak > 0 && ((ortak < a.size() && (a[ortak] & 0xC0) == 0x80) ||
                         (ortak < b.size() && (b[ortak] & 0xC0) == 0x80)))
        --ortak;
    if (const std::optional<int> sıra = sıralar.Karşılaştır(a.sliced(ortak), b.sliced(ortak)))
        return *sıra;
    return TürkçeSıralayıcı().compare(QString::fromUtf8(a), QString::fromUtf8(b));
}

SıraNoDeğeri SıraNoDeğeriniOku(QByteArrayView metin)
{
    return Değer(metin);
}

int SıraNoSırası(const SıraNoDeğeri& a, const SıraNoDeğeri& b)
{
    return Sıra(a, b);
}

int SıraNoSırası(QByteArrayView a, QByteArrayView b)
{
    return Sıra(Değer(a), Değer(b));
}

void TürkçeSıralamalarıKaydet(sqlite3* bağlantı)
{
    sqlite3_create_collation_v2(
        bağlantı, "TR", SQLITE_UTF8, nullptr,
        [](void*, int n1, const void* a, int n2, const void* b) {
            return TürkçeSırası(Metin(n1, a), Metin(n2, b));
        },
        nullptr);
    sqlite3_create_collation_v2(
        bağlantı, "TR_SIRA", SQLITE_UTF8, nullptr,
        [](void*, int n1, const void* a, int n2, const void* b) {
            return SıraNoSırası(Metin(n1, a), Metin(n2, b));
        },
        nullptr);
}
