#include "SQLiteAraçları.h"
#include "common/Hata.h"

#include <QDate>
#include <limits>
#include <sqlite3.h>

using detay::Hazırla;
using detay::Tırnakla;

namespace {

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

} // namespace

// ---- SonuçKümesi ----

SonuçKümesi::SonuçKümesi(sqlite3* bağlantı, detay::DeyimTutucu deyim)
    : bağlantı_(bağlantı), deyim_(std::move(deyim))
{
    const int n = deyim_ ? sqlite3_column_count(deyim_.get()) : 0;
    for (int i = 0; i < n; ++i)
        sütunlar_.push_back(QString::fromUtf8(sqlite3_column_name(deyim_.get(), i)));
    son_ = false;
    Adımla();
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

void SonuçKümesi::AlanıDenetle(int konum) const
{
    if (son_ || !deyim_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    if (konum < 0 || size_t(konum) >= sütunlar_.size())
        throw Hata(HataNo::ÖğeYok,
                   QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + QString::number(konum));
}

QVariant SonuçKümesi::Alan(int konum) const
{
    AlanıDenetle(konum);
    return Sütun(deyim_.get(), konum);
}

QVariant SonuçKümesi::Alan(const QString& sütun) const
{
    if (son_ || !deyim_)
        throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    return Sütun(deyim_.get(), Konum(sütun));
}

int SonuçKümesi::Konum(const QString& sütun) const
{
    for (size_t i = 0; i < sütunlar_.size(); ++i)
        if (sütunlar_[i].compare(sütun, Qt::CaseInsensitive) == 0)
            return int(i);
    throw Hata(HataNo::ÖğeYok, QStringLiteral("Öğe bu koleksiyonda bulunamadı: ") + sütun);
}

qint32 SonuçKümesi::Tamsayı(int konum) const
{
    AlanıDenetle(konum);
    return qint32(sqlite3_column_int64(deyim_.get(), konum));
}

QString SonuçKümesi::Metin(int konum) const
{
    const std::optional<QByteArrayView> baytlar = Baytlar(konum);
    return baytlar ? QString::fromUtf8(*baytlar) : Alan(konum).toString();
}

std::optional<QByteArrayView> SonuçKümesi::Baytlar(int konum) const
{
    AlanıDenetle(konum);
    switch (sqlite3_column_type(deyim_.get(), konum)) {
    case SQLITE_NULL:
        return QByteArrayView();
    case SQLITE_TEXT:
        return QByteArrayView(
            reinterpret_cast<const char*>(sqlite3_column_text(deyim_.get(), konum)),
            sqlite3_column_bytes(deyim_.get(), konum));
    default:
        return std::nullopt;
    }
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
