#include "Veritabanı.h"

#include "DeyimÇevirici.h"
#include "GüvenliDosya.h"
#include "SQLiteAraçları.h"
#include "common/Hata.h"
#include "Şema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

using detay::DosyayıAç;
using detay::Hazırla;

VeritabanıBağlantısı Veritabanı;

detay::DeyimTutucu detay::Hazırla(sqlite3* bağlantı, const QString& metin)
{
    const QByteArray utf8 = metin.toUtf8();
    sqlite3_stmt* deyim = nullptr;
    const char* kalan = nullptr;
    const int kod =
        sqlite3_prepare_v2(bağlantı, utf8.constData(), int(utf8.size()) + 1, &deyim, &kalan);
    detay::DeyimTutucu tutucu(deyim);
    if (kod != SQLITE_OK)
        SQLiteHatası(bağlantı, kod);
    if (!deyim)
        throw Hata(HataNo::SözdizimiHatası, QStringLiteral("Boş deyim"));
    // One statement at a time: anything after it is refused rather than run.
    while (kalan && *kalan && (*kalan == ' ' || *kalan == '\n' || *kalan == '\r' || *kalan == '\t'))
        ++kalan;
    if (kalan && *kalan)
        throw Hata(HataNo::SözdizimiHatası, QStringLiteral("Deyimin sonunda fazladan metin var: ") +
                                                QString::fromUtf8(kalan));
    return tutucu;
}

QString detay::Tırnakla(const QString& ad)
{
    QString s = ad;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

detay::BağlantıTutucu detay::DosyayıAç(const QString& yol, bool oluştur)
{
    sqlite3* ham = nullptr;
    // One thread uses a connection, so SQLite need not lock it around every call.
    const int kipler =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (oluştur ? SQLITE_OPEN_CREATE : 0);
    const int kod = sqlite3_open_v2(QFile::encodeName(yol).constData(), &ham, kipler, nullptr);
    detay::BağlantıTutucu bağlantı(ham);
    if (kod != SQLITE_OK)
        detay::AçılışHatası(kod, yol);
    sqlite3_extended_result_codes(ham, 1);
    sqlite3_busy_timeout(ham, 2000);
    TürkçeSıralamalarıKaydet(ham);
    return bağlantı;
}

namespace {

// The first column of every row of a statement, as texts.
QStringList İlkSütun(sqlite3* bağlantı, const char* deyim)
{
    auto hazır = Hazırla(bağlantı, QString::fromUtf8(deyim));
    QStringList değerler;
    int kod;
    while ((kod = sqlite3_step(hazır.get())) == SQLITE_ROW)
        değerler << QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(hazır.get(), 0)));
    if (kod != SQLITE_DONE)
        SQLiteHatası(bağlantı, kod);
    return değerler;
}

// A sound database of the program holds the four tables of the schema and passes SQLite's quick
// integrity check. An empty file is a valid but empty SQLite database, so the tables matter.
void SağlamlığıDenetle(sqlite3* bağlantı, const QString& yol)
{
    const QStringList tablolar =
        İlkSütun(bağlantı, "SELECT name FROM sqlite_master WHERE type='table'");
    bool tam = true;
    for (const char* tablo : ŞemaTabloları)
        tam = tam && tablolar.contains(QString::fromUtf8(tablo), Qt::CaseInsensitive);
    if (!tam || İlkSütun(bağlantı, "PRAGMA quick_check") != QStringList{QStringLiteral("ok")})
        throw Hata(HataNo::TanınmayanBiçim,
                   QStringLiteral("Veritabanı dosyası bozuk ya da eksik: ") +
                       QDir::toNativeSeparators(yol));
}

// A failure while the backup is written: its folder, and the cause in parentheses.
Hata YedekHatası(const QString& yedek, const QString& neden)
{
    return Hata(HataNo::YedekYazılamıyor,
                QStringLiteral("Yedek klasörüne yazılamıyor: ") +
                    QDir::toNativeSeparators(QFileInfo(yedek).absolutePath()) +
                    QStringLiteral(" (") + neden + QLatin1Char(')'));
}

} // namespace

void detay::BağlantıKapatıcı::operator()(sqlite3* b) const
{
    sqlite3_close_v2(b);
}
void detay::DeyimKapatıcı::operator()(sqlite3_stmt* d) const
{
    sqlite3_finalize(d);
}

// ---- VeritabanıBağlantısı ----

VeritabanıBağlantısı::VeritabanıBağlantısı() = default;
VeritabanıBağlantısı::~VeritabanıBağlantısı() = default;

void VeritabanıBağlantısı::Aç(const QString& yol)
{
    bağlantı_.reset();
    detay::BağlantıTutucu yeni = DosyayıAç(yol);
    // Make the file show now whether it is a database at all.
    sqlite3_stmt* deneme = nullptr;
    int sonuç =
        sqlite3_prepare_v2(yeni.get(), "SELECT count(*) FROM sqlite_master", -1, &deneme, nullptr);
    detay::DeyimTutucu denemeTutucu(deneme);
    if (sonuç == SQLITE_OK)
        sonuç = sqlite3_step(deneme);
    if (sonuç != SQLITE_ROW)
        SQLiteHatası(yeni.get(), sonuç, true);
    bağlantı_ = std::move(yeni);
}

void VeritabanıBağlantısı::Kapat()
{
    bağlantı_.reset();
}

sqlite3* VeritabanıBağlantısı::Bağlantı() const
{
    if (!bağlantı_)
        throw Hata(
            HataNo::NesneAyarlanmamış,
            QStringLiteral("Veritabanı bağlantısı kurulmamış (Nesne değişkeni ayarlanmamış)"));
    return bağlantı_.get();
}

void VeritabanıBağlantısı::Çalıştır(const QString& deyim)
{
    sqlite3* b = Bağlantı();
    auto hazır = Hazırla(b, SQLiteDeyimi(deyim));
    const int kod = sqlite3_step(hazır.get());
    if (kod != SQLITE_DONE && kod != SQLITE_ROW)
        SQLiteHatası(b, kod);
}

SonuçKümesi VeritabanıBağlantısı::KayıtKümesiAç(const QString& seçim)
{
    sqlite3* b = Bağlantı();
    return SonuçKümesi(b, Hazırla(b, SQLiteDeyimi(seçim)));
}

TabloKümesi VeritabanıBağlantısı::TabloAç(const QString& tablo)
{
    return TabloKümesi(Bağlantı(), tablo);
}

void VeritabanıBağlantısı::İşlemİçinde(const std::function<void()>& adımlar)
{
    sqlite3* b = Bağlantı();
    const auto yürüt = [b](const char* deyim) {
        const int kod = sqlite3_exec(b, deyim, nullptr, nullptr, nullptr);
        if (kod != SQLITE_OK)
            SQLiteHatası(b, kod);
    };
    yürüt("BEGIN IMMEDIATE");
    try {
        adımlar();
        yürüt("COMMIT");
    } catch (...) {
        if (!sqlite3_get_autocommit(b))
            sqlite3_exec(b, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void VeritabanıBağlantısı::Sıkıştır(const QString& kaynak, const QString& hedef)
{
    const QString geçici = GeçiciYol(hedef);
    QFile::remove(geçici);
    {
        // Opened for writing, though nothing is written: a change that a crash left half done
        // (a hot rollback journal beside the file) can then be rolled back first, which a
        // read-only connection refuses to do.
        detay::BağlantıTutucu bağlantı = DosyayıAç(kaynak);
        SağlamlığıDenetle(bağlantı.get(), kaynak);
        auto deyim = Hazırla(bağlantı.get(), QStringLiteral("VACUUM INTO ?"));
        const QByteArray hedefYolu = QFile::encodeName(geçici);
        sqlite3_bind_text(deyim.get(), 1, hedefYolu.constData(), int(hedefYolu.size()),
                          SQLITE_TRANSIENT);
        const int sonuç = sqlite3_step(deyim.get());
        if (sonuç != SQLITE_DONE) {
            const QString neden = QString::fromUtf8(sqlite3_errmsg(bağlantı.get()));
            deyim.reset();
            QFile::remove(geçici);
            // The source has just passed its check: a file fault now is the copy's.
            if (detay::YazılanDosyanınHatası(sonuç))
                throw YedekHatası(hedef, neden);
            SQLiteHatası(bağlantı.get(), sonuç);
        }
    }
    // The copy takes the old backup's place only when it is itself a sound database.
    try {
        SağlamlığıDenetle(DosyayıAç(geçici).get(), geçici);
        GeçiciDosyayıYerleştir(geçici, hedef);
    } catch (const Hata& h) {
        QFile::remove(geçici);
        throw YedekHatası(hedef, h.Açıklama());
    }
}
