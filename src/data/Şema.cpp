#include "Şema.h"

#include "SQLiteAraçları.h"
#include "common/Hata.h"

#include <QFile>
#include <sqlite3.h>

// Plain types and no custom collations, so that the stock sqlite3 shell and common browsers
// read the file; the Turkish orders are named by the statements (DeyimÇevirici).
const char* const VeritabanıŞeması = R"(
CREATE TABLE PersonelBilgileriTablosu (
    Nosu INTEGER PRIMARY KEY AUTOINCREMENT,
    Sicili INTEGER,
    AdiSoyadi TEXT,
    Unvani TEXT,
    Servisi TEXT,
    SiraNo TEXT
);
CREATE TABLE TatilTarihleriTablosu (
    TatilTarihi DATE NOT NULL UNIQUE
);
CREATE TABLE MesaiSüreleriTablosu (
    HaftaIciSuresi INTEGER,
    HaftaSonuSuresi INTEGER
);
CREATE TABLE KurumTablosu (
    KurumAdi TEXT NOT NULL
);
)";

const std::array<const char*, 4> ŞemaTabloları = {
    "PersonelBilgileriTablosu", "TatilTarihleriTablosu", "MesaiSüreleriTablosu", "KurumTablosu"};

void İlkVeritabanınıYaz(const QString& yol)
{
    if (QFile::exists(yol))
        throw Hata(HataNo::DosyaZatenVar, QStringLiteral("Dosya zaten var: ") + yol);
    detay::BağlantıTutucu bağlantı = detay::DosyayıAç(yol, true);
    const QByteArray betik = QByteArray("BEGIN;") + VeritabanıŞeması +
                             "INSERT INTO MesaiSüreleriTablosu VALUES (8, 8);COMMIT;";
    const int sonuç = sqlite3_exec(bağlantı.get(), betik.constData(), nullptr, nullptr, nullptr);
    if (sonuç != SQLITE_OK) {
        bağlantı.reset();
        QFile::remove(yol);
        throw Hata(HataNo::DiskYadaAğHatası, QStringLiteral("İlk veritabanı yazılamadı: ") + yol);
    }
}
