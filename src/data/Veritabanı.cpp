#include "Veritabanı.h"

#include "DeyimÇevirici.h"
#include "GüvenliDosya.h"
#include "common/Hata.h"
#include "Şema.h"

#include <QCollator>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cstring>
#include <sqlite3.h>
#include <unistd.h>

// How SQLite's failures map to the engine numbers the rest of the program sorts by:
//
//   SQLite result                      when                       number
//   ---------------------------------  -------------------------  -------------------------------
//   CONSTRAINT_UNIQUE / _PRIMARYKEY    any statement              3022 duplicate value
//   CONSTRAINT (other), MISMATCH       any statement              3162 / 13 invalid value
//   IOERR_* on a file that no longer   any                        3027 cannot be written
//     takes writes (made immutable or read-only, or its disk remounted read-only)
//   FULL                               any                        3026 not enough space on disk
//   other IOERR_*                      any                        3043 disk or network error
//   CANTOPEN                           opening, folder missing    3044 invalid path
//   CANTOPEN                           opening, otherwise         3051 file cannot be opened
//   CANTOPEN                           later (journal not made)   3027 cannot be written
//   READONLY_*                         any                        3027 cannot be written
//   NOTADB                             any                        3051 file cannot be opened
//   CORRUPT                            any                        3049 damaged file
//   BUSY, LOCKED                       opening                    3356 held by another user
//   BUSY, LOCKED                       later                      3260 locked by another user
//   ERROR (syntax, missing table ...)  any                        3075 statement not understood
//   NOMEM                              any                        7    out of memory
//   anything else                      any                        3000 + the SQLite code
//
// The description is Turkish, followed by SQLite's own text in parentheses.

namespace {

struct Eşleme
{
    int numara;
    const char* açıklama;
};

Eşleme Eşle(int genişKod, bool açılışta, bool klasörYok)
{
    switch (genişKod & 0xff) {
    case SQLITE_CONSTRAINT:
        if (genişKod == SQLITE_CONSTRAINT_UNIQUE || genişKod == SQLITE_CONSTRAINT_PRIMARYKEY)
            return {HataNo::YinelenenDeğer, "Aynı değer bu alanda zaten kayıtlı"};
        return {HataNo::GeçersizAlanDeğeri, "Alana geçersiz bir değer verildi"};
    case SQLITE_MISMATCH:
        return {HataNo::TürUyuşmazlığı, "Tür uyuşmazlığı"};
    case SQLITE_FULL:
        return {HataNo::DiskDolu, "Diskte yeterli boş yer yok"};
    case SQLITE_IOERR:
        return {HataNo::DiskYadaAğHatası, "Disk ya da ağ hatası"};
    case SQLITE_CANTOPEN:
        if (!açılışta)
            return {HataNo::SaltOkunur, "Veritabanı dosyasına yazılamıyor"};
        if (klasörYok)
            return {HataNo::GeçersizYol, "Geçersiz dosya yolu"};
        return {HataNo::DosyaAçılamıyor, "Veritabanı dosyası açılamıyor"};
    case SQLITE_READONLY:
        return {HataNo::SaltOkunur, "Veritabanı dosyasına yazılamıyor"};
    case SQLITE_NOTADB:
        return {HataNo::DosyaAçılamıyor, "Dosya bir veritabanı değil"};
    case SQLITE_CORRUPT:
        return {HataNo::TanınmayanBiçim, "Veritabanı dosyası bozuk"};
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        if (açılışta)
            return {HataNo::ÖzelKullanımda, "Veritabanı başka bir kullanıcı tarafından açılmış"};
        return {HataNo::KilitliKayıt, "Veritabanı başka bir işlem tarafından kilitlenmiş"};
    case SQLITE_ERROR:
        return {HataNo::SözdizimiHatası, "Veritabanı deyimi işlenemedi"};
    case SQLITE_NOMEM:
        return {HataNo::YetersizBellek, "Yetersiz bellek"};
    }
    return {3000 + (genişKod & 0xff), "Veritabanı altyapısında hata"};
}

QString YolMetni(const QString& yol)
{
    return QDir::toNativeSeparators(yol);
}

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

void Bağla(sqlite3_stmt* deyim, int sıra, const QVariant& değer)
{
    if (değer.isNull() || !değer.isValid()) {
        sqlite3_bind_null(deyim, sıra);
        return;
    }
    switch (değer.typeId()) {
    case QMetaType::QDate: {
        const QByteArray metin = değer.toDate().toString(Qt::ISODate).toUtf8();
        sqlite3_bind_text(deyim, sıra, metin.constData(), int(metin.size()), SQLITE_TRANSIENT);
        return;
    }
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        sqlite3_bind_int64(deyim, sıra, değer.toLongLong());
        return;
    case QMetaType::Double:
        sqlite3_bind_double(deyim, sıra, değer.toDouble());
        return;
    default: {
        const QByteArray metin = değer.toString().toUtf8();
        sqlite3_bind_text(deyim, sıra, metin.constData(), int(metin.size()), SQLITE_TRANSIENT);
    }
    }
}

QVariant Sütun(sqlite3_stmt* deyim, int i)
{
    switch (sqlite3_column_type(deyim, i)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qlonglong(sqlite3_column_int64(deyim, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(deyim, i));
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(deyim, i)),
                          sqlite3_column_bytes(deyim, i));
    }
    const QString metin =
        QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(deyim, i)),
                          sqlite3_column_bytes(deyim, i));
    const char* tür = sqlite3_column_decltype(deyim, i);
    if (tür && qstricmp(tür, "DATE") == 0) {
        const QDate tarih = QDate::fromString(metin, Qt::ISODate);
        if (tarih.isValid())
            return tarih;
    }
    return metin;
}

const QVariant& BulAlan(const std::map<QString, QVariant>& alanlar, const QString& ad)
{
    for (const auto& [sütun, değer] : alanlar)
        if (sütun.compare(ad, Qt::CaseInsensitive) == 0)
            return değer;
    throw Hata(HataNo::ÖğeYok, QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + ad);
}

detay::DeyimTutucu Hazırla(sqlite3* bağlantı, const QString& metin)
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

QString Tırnakla(const QString& ad)
{
    QString s = ad;
    s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// Opens the file for reading and writing, never creating it; failures are those of an opening.
// SQLite reads the file lazily, so nothing here says yet whether it is a database at all.
detay::BağlantıTutucu DosyayıAç(const QString& yol)
{
    sqlite3* ham = nullptr;
    const int kod =
        sqlite3_open_v2(QFile::encodeName(yol).constData(), &ham, SQLITE_OPEN_READWRITE, nullptr);
    detay::BağlantıTutucu bağlantı(ham);
    if (kod != SQLITE_OK) {
        const Eşleme e = Eşle(kod, true, !QFileInfo(yol).absoluteDir().exists());
        throw Hata(e.numara, QString::fromUtf8(e.açıklama) + QStringLiteral(": ") + YolMetni(yol));
    }
    sqlite3_extended_result_codes(ham, 1);
    sqlite3_busy_timeout(ham, 2000);
    TürkçeSıralamalarıKaydet(ham);
    return bağlantı;
}

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
                   QStringLiteral("Veritabanı dosyası bozuk ya da eksik: ") + YolMetni(yol));
}

} // namespace

void SQLiteHatası(sqlite3* bağlantı, int kod, bool açılışta)
{
    const int genişKod = bağlantı ? sqlite3_extended_errcode(bağlantı) : kod;
    int kullanılan = (genişKod & 0xff) == (kod & 0xff) ? genişKod : kod;
    // A write that failed because the file or its disk no longer takes writes is a read-only
    // refusal, not a disk fault: the user may go on, and nothing has been changed.
    if ((kullanılan & 0xff) == SQLITE_IOERR && bağlantı) {
        const char* dosya = sqlite3_db_filename(bağlantı, "main");
        if (dosya && *dosya && ::access(dosya, W_OK) != 0)
            kullanılan = SQLITE_READONLY;
    }
    const Eşleme e = Eşle(kullanılan, açılışta, false);
    const QString ayrıntı = bağlantı ? QString::fromUtf8(sqlite3_errmsg(bağlantı))
                                     : QString::fromUtf8(sqlite3_errstr(kod));
    throw Hata(e.numara,
               QString::fromUtf8(e.açıklama) + QStringLiteral(" (") + ayrıntı + QLatin1Char(')'));
}

void detay::BağlantıKapatıcı::operator()(sqlite3* b) const
{
    sqlite3_close_v2(b);
}
void detay::DeyimKapatıcı::operator()(sqlite3_stmt* d) const
{
    sqlite3_finalize(d);
}

void TürkçeSıralamalarıKaydet(sqlite3* bağlantı)
{
    sqlite3_create_collation_v2(bağlantı, "TR", SQLITE_UTF8, nullptr, TürkçeKarşılaştır, nullptr);
    sqlite3_create_collation_v2(bağlantı, "TR_SIRA", SQLITE_UTF8, nullptr, SıraNoKarşılaştır,
                                nullptr);
}

// ---- SonuçKümesi ----

SonuçKümesi::SonuçKümesi(sqlite3* bağlantı, detay::DeyimTutucu deyim)
    : bağlantı_(bağlantı), deyim_(std::move(deyim))
{
    const int n = deyim_ ? sqlite3_column_count(deyim_.get()) : 0;
    for (int i = 0; i < n; ++i)
        sütunlar_.push_back(QString::fromUtf8(sqlite3_column_name(deyim_.get(), i)));
    son_ = false;
    Adımla();
    baş_ = son_;
}

void SonuçKümesi::Adımla()
{
    if (!deyim_ || son_)
        return;
    const int kod = sqlite3_step(deyim_.get());
    if (kod == SQLITE_ROW)
        return;
    son_ = true;
    if (kod != SQLITE_DONE)
        SQLiteHatası(bağlantı_, kod);
}

QVariant SonuçKümesi::Alan(int konum) const
{
    if (son_ || !deyim_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    if (konum < 0 || konum >= sqlite3_column_count(deyim_.get()))
        throw Hata(HataNo::ÖğeYok,
                   QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + QString::number(konum));
    return Sütun(deyim_.get(), konum);
}

QVariant SonuçKümesi::Alan(const QString& sütun) const
{
    if (son_ || !deyim_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    for (size_t i = 0; i < sütunlar_.size(); ++i)
        if (sütunlar_[i].compare(sütun, Qt::CaseInsensitive) == 0)
            return Sütun(deyim_.get(), int(i));
    throw Hata(HataNo::ÖğeYok, QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + sütun);
}

void SonuçKümesi::SonrakineGeç()
{
    if (son_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    Adımla();
}

void SonuçKümesi::Kapat()
{
    deyim_.reset();
    son_ = true;
}

// ---- TabloKümesi ----

TabloKümesi::TabloKümesi(sqlite3* bağlantı, QString tablo)
    : bağlantı_(bağlantı), tablo_(std::move(tablo))
{
    auto bilgi = Hazırla(bağlantı_, QStringLiteral("PRAGMA table_info(") + Tırnakla(tablo_) +
                                        QLatin1Char(')'));
    int kod;
    while ((kod = sqlite3_step(bilgi.get())) == SQLITE_ROW)
        sütunlar_.push_back(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(bilgi.get(), 1))));
    if (kod != SQLITE_DONE)
        SQLiteHatası(bağlantı_, kod);
    if (sütunlar_.empty())
        throw Hata(HataNo::TabloYok, QStringLiteral("Tablo bulunamadı: ") + tablo_);
    SatırıOku(QStringLiteral("rowid > ?"), std::numeric_limits<qint64>::min());
}

void TabloKümesi::SatırıOku(const QString& koşul, qint64 sınır)
{
    auto deyim = Hazırla(bağlantı_, QStringLiteral("SELECT rowid, * FROM ") + Tırnakla(tablo_) +
                                        QStringLiteral(" WHERE ") + koşul +
                                        QStringLiteral(" ORDER BY rowid LIMIT 1"));
    sqlite3_bind_int64(deyim.get(), 1, sınır);
    const int kod = sqlite3_step(deyim.get());
    değerler_.clear();
    if (kod == SQLITE_ROW) {
        satır_ = sqlite3_column_int64(deyim.get(), 0);
        for (size_t i = 0; i < sütunlar_.size(); ++i)
            değerler_[sütunlar_[i]] = Sütun(deyim.get(), int(i) + 1);
        return;
    }
    satır_.reset();
    if (kod != SQLITE_DONE)
        SQLiteHatası(bağlantı_, kod);
}

QVariant TabloKümesi::Alan(const QString& sütun) const
{
    if (kip_ != Kip::Okuma)
        return BulAlan(tampon_, sütun);
    if (!satır_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    return BulAlan(değerler_, sütun);
}

void TabloKümesi::AlanıAyarla(const QString& sütun, const QVariant& değer)
{
    if (kip_ == Kip::Okuma)
        throw Hata(HataNo::GüncellemesizDüzenleme,
                   QStringLiteral("AddNew ya da Edit olmadan güncelleme yapılamaz."));
    for (auto& [ad, eski] : tampon_)
        if (ad.compare(sütun, Qt::CaseInsensitive) == 0) {
            eski = değer;
            return;
        }
    throw Hata(HataNo::ÖğeYok, QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + sütun);
}

void TabloKümesi::SonrakineGeç()
{
    if (!satır_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    SatırıOku(QStringLiteral("rowid > ?"), *satır_);
}

void TabloKümesi::YeniEkle()
{
    tampon_.clear();
    for (const QString& s : sütunlar_)
        tampon_[s] = QVariant();
    kip_ = Kip::Ekleme;
}

void TabloKümesi::Düzenle()
{
    if (!satır_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    tampon_ = değerler_;
    kip_ = Kip::Düzenleme;
}

void TabloKümesi::Güncelle()
{
    if (kip_ == Kip::Okuma)
        throw Hata(HataNo::GüncellemesizDüzenleme,
                   QStringLiteral("AddNew ya da Edit olmadan güncelleme yapılamaz."));
    QStringList adlar, yerler;
    for (const QString& s : sütunlar_) {
        adlar << Tırnakla(s);
        yerler << (kip_ == Kip::Ekleme ? QStringLiteral("?") : Tırnakla(s) + QStringLiteral("=?"));
    }
    const QString metin =
        kip_ == Kip::Ekleme
            ? QStringLiteral("INSERT INTO ") + Tırnakla(tablo_) + QStringLiteral(" (") +
                  adlar.join(QLatin1Char(',')) + QStringLiteral(") VALUES (") +
                  yerler.join(QLatin1Char(',')) + QLatin1Char(')')
            : QStringLiteral("UPDATE ") + Tırnakla(tablo_) + QStringLiteral(" SET ") +
                  yerler.join(QLatin1Char(',')) + QStringLiteral(" WHERE rowid=?");
    auto deyim = Hazırla(bağlantı_, metin);
    int sıra = 1;
    for (const QString& s : sütunlar_)
        Bağla(deyim.get(), sıra++, tampon_[s]);
    if (kip_ == Kip::Düzenleme)
        sqlite3_bind_int64(deyim.get(), sıra, *satır_);
    const int kod = sqlite3_step(deyim.get());
    if (kod != SQLITE_DONE)
        SQLiteHatası(bağlantı_, kod);
    if (kip_ == Kip::Düzenleme)
        değerler_ = tampon_;
    kip_ = Kip::Okuma;
    tampon_.clear();
}

void TabloKümesi::Kapat()
{
    satır_.reset();
    değerler_.clear();
    tampon_.clear();
    kip_ = Kip::Okuma;
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
            deyim.reset();
            QFile::remove(geçici);
            SQLiteHatası(bağlantı.get(), sonuç);
        }
    }
    // The copy takes the old backup's place only when it is itself a sound database.
    try {
        SağlamlığıDenetle(DosyayıAç(geçici).get(), geçici);
    } catch (const Hata&) {
        QFile::remove(geçici);
        throw;
    }
    GeçiciDosyayıYerleştir(geçici, hedef);
}
