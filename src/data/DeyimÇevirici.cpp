#include "DeyimÇevirici.h"

#include "common/Hata.h"

#include <QDate>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

enum class Tür { Metin, Tarih, Sözcük, Boşluk, Diğer };

struct Parça
{
    Tür tür;
    QString metin;
};

bool SözcükHarfi(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

std::vector<Parça> Parçala(const QString& s)
{
    std::vector<Parça> parçalar;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = s[i];
        qsizetype j = i + 1;
        Tür tür = Tür::Diğer;
        if (c == QLatin1Char('\'')) {
            // A quoted text runs to the next quote; '' inside is SQL's own escaped quote.
            tür = Tür::Metin;
            while (j < n) {
                if (s[j] == QLatin1Char('\'')) {
                    if (j + 1 < n && s[j + 1] == QLatin1Char('\'')) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
        } else if (c == QLatin1Char('#')) {
            const qsizetype kapanış = s.indexOf(QLatin1Char('#'), i + 1);
            if (kapanış != -1) {
                tür = Tür::Tarih;
                j = kapanış + 1;
            }
        } else if (SözcükHarfi(c)) {
            tür = Tür::Sözcük;
            while (j < n && SözcükHarfi(s[j]))
                ++j;
        } else if (c.isSpace()) {
            tür = Tür::Boşluk;
            while (j < n && s[j].isSpace())
                ++j;
        }
        parçalar.push_back({tür, s.mid(i, j - i)});
        i = j;
    }
    return parçalar;
}

// A part of a date literal as a number: digits only, spaces around them aside. The text's own
// number reading would stop at a null character and take "202\0..." for 202.
int TarihParçası(const QString& parça, bool* sayı)
{
    const QString s = parça.trimmed();
    *sayı = !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return *sayı ? s.toInt(sayı) : 0;
}

QString TarihÇevir(const QString& değişmez)
{
    const QStringList p = değişmez.mid(1, değişmez.size() - 2).split(QLatin1Char('/'));
    bool a = false, g = false, y = false;
    const QDate tarih = p.size() == 3 ? QDate(TarihParçası(p[2], &y), TarihParçası(p[0], &a),
                                              TarihParçası(p[1], &g))
                                      : QDate();
    // Stored dates are ISO texts compared as text, which holds for four-digit years only.
    if (!a || !g || !y || !tarih.isValid() || tarih.year() < 100 || tarih.year() > 9999)
        throw Hata(HataNo::SözdizimiHatası,
                   QStringLiteral("Sorgu ifadesindeki tarih okunamadı: ") + değişmez);
    return QLatin1Char('\'') + tarih.toString(Qt::ISODate) + QLatin1Char('\'');
}

bool Eşit(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool TürkçeSütun(const QString& s)
{
    return Eşit(s, "AdiSoyadi") || Eşit(s, "Unvani") || Eşit(s, "Servisi") || Eşit(s, "KurumAdi");
}

enum class Bölüm { Yok, Seçim, Koşul, Sıralama, Diğer };

} // namespace

QString SQLiteDeyimi(const QString& deyim)
{
    const std::vector<Parça> parçalar = Parçala(deyim);
    QString sonuç;
    sonuç.reserve(deyim.size() + 32);
    Bölüm bölüm = Bölüm::Yok;
    bool ayrık = false;   // SELECT DISTINCT
    bool silmede = false; // just after DELETE: a "*" there is dropped
    for (size_t i = 0; i < parçalar.size(); ++i) {
        const Parça& p = parçalar[i];
        if (p.tür == Tür::Metin) {
            sonuç += p.metin;
            silmede = false;
            continue;
        }
        if (p.tür == Tür::Tarih) {
            // A quote right beside the new quoted date would read as an escaped quote and join
            // the two texts into one.
            if (sonuç.endsWith(QLatin1Char('\'')))
                sonuç += QLatin1Char(' ');
            sonuç += TarihÇevir(p.metin);
            if (i + 1 < parçalar.size() && parçalar[i + 1].tür == Tür::Metin)
                sonuç += QLatin1Char(' ');
            silmede = false;
            continue;
        }
        if (p.tür == Tür::Boşluk) {
            sonuç += p.metin;
            continue;
        }
        if (p.tür == Tür::Diğer) {
            if (silmede && p.metin == QLatin1String("*")) {
                silmede = false;
                // also drop the space that followed the star
                if (i + 1 < parçalar.size() && parçalar[i + 1].tür == Tür::Boşluk)
                    ++i;
                continue;
            }
            silmede = false;
            sonuç += p.metin;
            continue;
        }
        // A word: a keyword that opens a clause, or a column name.
        silmede = false;
        const QString& w = p.metin;
        if (Eşit(w, "SELECT")) {
            bölüm = Bölüm::Seçim;
            ayrık = false;
        } else if (Eşit(w, "DISTINCT") && bölüm == Bölüm::Seçim) {
            ayrık = true;
        } else if (Eşit(w, "WHERE")) {
            bölüm = Bölüm::Koşul;
        } else if (Eşit(w, "ORDER")) {
            bölüm = Bölüm::Sıralama;
        } else if (Eşit(w, "DELETE")) {
            silmede = true;
            bölüm = Bölüm::Diğer;
        } else if (Eşit(w, "FROM") || Eşit(w, "SET") || Eşit(w, "VALUES") || Eşit(w, "INTO") ||
                   Eşit(w, "UPDATE") || Eşit(w, "INSERT")) {
            bölüm = Bölüm::Diğer;
        } else if (TürkçeSütun(w) && bölüm == Bölüm::Seçim && ayrık) {
            sonuç += w + QStringLiteral(" COLLATE TR AS ") + w;
            continue;
        } else if (TürkçeSütun(w) && (bölüm == Bölüm::Koşul || bölüm == Bölüm::Sıralama)) {
            sonuç += w + QStringLiteral(" COLLATE TR");
            continue;
        } else if (Eşit(w, "SiraNo") && bölüm == Bölüm::Sıralama) {
            sonuç += w + QStringLiteral(" COLLATE TR_SIRA");
            continue;
        }
        sonuç += w;
    }
    return sonuç;
}
