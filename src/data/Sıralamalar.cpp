#include "Veritabanı.h"

#include <QCollator>
#include <QLocale>
#include <QString>
#include <cstring>
#include <sqlite3.h>

namespace {

// Turkish order, without regard to letter case.
int TürkçeKarşılaştır(void*, int n1, const void* a, int n2, const void* b)
{
    static QCollator sıralayıcı = [] {
        QCollator c(QLocale(QLocale::Turkish, QLocale::Turkey));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    const QString s1 = QString::fromUtf8(static_cast<const char*>(a), n1);
    const QString s2 = QString::fromUtf8(static_cast<const char*>(b), n2);
    return sıralayıcı.compare(s1, s2);
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
