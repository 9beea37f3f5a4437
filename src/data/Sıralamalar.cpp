#include "Sıralamalar.h"

#include "Veritabanı.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cstring>
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

using Yerler = QVarLengthArray<uint8_t, 64>;

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

    // The places of a UTF-8 text's characters, appended to yerler; false when a character has
    // no place or the bytes are not UTF-8.
    bool Oku(QByteArrayView metin, Yerler& yerler) const
    {
        const auto* s = reinterpret_cast<const uchar*>(metin.data());
        const qsizetype n = metin.size();
        for (qsizetype i = 0; i < n; ++i) {
            char16_t c = s[i];
            if (c >= 0x80) {
                if (c < 0xC2 || c > 0xDF || i + 1 == n || (s[i + 1] & 0xC0) != 0x80)
                    return false;
                c = char16_t((c & 0x1F) << 6 | (s[++i] & 0x3F));
            }
            if (c >= yer_.size() || yer_[c] == 0)
                return false;
            yerler.append(yer_[c]);
        }
        return true;
    }

private:
    std::array<uint8_t, 0x160> yer_{};
};

// A text as SQLite hands it to a collation.
QByteArrayView Metin(int uzunluk, const void* metin)
{
    return QByteArrayView(static_cast<const char*>(metin), uzunluk);
}

} // namespace

int TürkçeSırası(QByteArrayView a, QByteArrayView b)
{
    static const Sıralar sıralar;
    if (a == b)
        return 0;
    Yerler y1, y2;
    if (sıralar.Oku(a, y1) && sıralar.Oku(b, y2)) {
        const qsizetype n = std::min(y1.size(), y2.size());
        if (const int k = std::memcmp(y1.data(), y2.data(), size_t(n)))
            return k;
        return y1.size() == y2.size() ? 0 : (y1.size() < y2.size() ? -1 : 1);
    }
    return TürkçeSıralayıcı().compare(QString::fromUtf8(a), QString::fromUtf8(b));
}

SıraNoDeğeri SıraNoDeğeriniOku(QByteArrayView metin)
{
    // The digits without leading zeros (a zero keeps one); none for any other text, the empty
    // one included.
    qsizetype baş = metin.size() - 1;
    for (qsizetype i = metin.size() - 1; i >= 0; --i) {
        if (metin[i] < '0' || metin[i] > '9')
            return {metin, {}};
        if (metin[i] != '0')
            baş = i;
    }
    return {metin, baş < 0 ? QByteArrayView() : metin.sliced(baş)};
}

int SıraNoSırası(const SıraNoDeğeri& a, const SıraNoDeğeri& b)
{
    const QByteArrayView d1 = a.rakamlar, d2 = b.rakamlar;
    if (!d1.isNull() && !d2.isNull()) {
        if (d1.size() != d2.size())
            return d1.size() < d2.size() ? -1 : 1;
        for (qsizetype i = 0; i < d1.size(); ++i)
            if (d1[i] != d2[i])
                return d1[i] < d2[i] ? -1 : 1;
    } else if (d1.isNull() != d2.isNull()) {
        return d1.isNull() ? -1 : 1; // the empty text comes before every number
    }
    // Equal values (leading zeros aside) and texts that are no numbers.
    return TürkçeSırası(a.metin, b.metin);
}

int SıraNoSırası(QByteArrayView a, QByteArrayView b)
{
    return SıraNoSırası(SıraNoDeğeriniOku(a), SıraNoDeğeriniOku(b));
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
