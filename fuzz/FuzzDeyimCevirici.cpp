// The statement translation: never crashes, and never changes anything inside a quoted text.
// The input is used three ways: as a whole statement, as a text placed between quotes the way
// the program builds its statements, and as a date literal.

#include "FuzzOrtak.h"
#include "common/Hata.h"
#include "data/Deyimler.h"
#include "data/DeyimÇevirici.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The quoted texts of a statement, in order, found independently of the translation's own
// scanner: a quote opens, the next quote not doubled closes.
QStringList TırnaklıMetinler(const QString& s)
{
    QStringList sonuç;
    qsizetype i = 0;
    while ((i = s.indexOf(QLatin1Char('\''), i)) >= 0) {
        qsizetype j = i + 1;
        while (j < s.size()) {
            if (s[j] == QLatin1Char('\'')) {
                if (j + 1 < s.size() && s[j + 1] == QLatin1Char('\'')) {
                    j += 2;
                    continue;
                }
                break;
            }
            ++j;
        }
        sonuç << s.mid(i, j + 1 - i);
        i = j + 1;
    }
    return sonuç;
}

// Every quoted text of the input appears, unchanged and in the same order, among those of the
// output; the output may add only the quoted dates of translated date literals.
bool TırnaklarKorundu(const QString& girdi, const QString& çıktı)
{
    static const QRegularExpression tarih(QStringLiteral("^'\\d{4}-\\d{2}-\\d{2}'$"));
    const QStringList önce = TırnaklıMetinler(girdi);
    const QStringList sonra = TırnaklıMetinler(çıktı);
    qsizetype k = 0;
    for (const QString& t : sonra) {
        if (k < önce.size() && t == önce[k])
            ++k;
        else if (!tarih.match(t).hasMatch())
            return false;
    }
    return k == önce.size();
}

QString Çevir(const QString& deyim, bool* hata)
{
    try {
        *hata = false;
        return SQLiteDeyimi(deyim);
    } catch (const Hata&) {
        *hata = true;
        return QString();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    const QString girdi = FuzzMetni(veri, boyut);
    bool hata = false;

    const QString çıktı = Çevir(girdi, &hata);
    if (!hata)
        FUZZ_DOGRULA(TırnaklarKorundu(girdi, çıktı), girdi);

    // A text without quotes, as the program places names and departments into its statements.
    QString metin = girdi;
    metin.remove(QLatin1Char('\''));
    const QString ekleme = Deyim::PersonelEkle(QStringLiteral("1"), metin, metin, metin, QString());
    const QString eklemeÇıktısı = Çevir(ekleme, &hata);
    FUZZ_DOGRULA(!hata, girdi);
    FUZZ_DOGRULA(eklemeÇıktısı.contains(QLatin1Char('\'') + metin + QLatin1Char('\'')), girdi);
    FUZZ_DOGRULA(TırnaklarKorundu(ekleme, eklemeÇıktısı), girdi);

    // A date literal: either refused or turned into the date it names.
    const QString değişmez = QLatin1Char('#') + metin.remove(QLatin1Char('#')) + QLatin1Char('#');
    const QString tarihÇıktısı = Çevir(QStringLiteral("SELECT 1 WHERE x=") + değişmez, &hata);
    if (!hata) {
        const QDate tarih =
            QDate::fromString(tarihÇıktısı.section(QLatin1Char('\''), 1, 1), Qt::ISODate);
        FUZZ_DOGRULA(tarih.isValid(), girdi);
        const QString geri =
            SQLiteDeyimi(QStringLiteral("SELECT 1 WHERE x=") + Deyim::TarihDeğişmezi(tarih));
        FUZZ_DOGRULA(geri == tarihÇıktısı, girdi);
    }
    return 0;
}
