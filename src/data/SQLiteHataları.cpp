#include "SQLiteAraçları.h"
#include "common/Hata.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

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
//   IOERR_*, CANTOPEN, READONLY_*,     writing the backup copy    3900 backup cannot be written
//     FULL                             (VACUUM INTO)
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

} // namespace

void SQLiteHatası(sqlite3* bağlantı, int kod, bool açılışta)
{
    const int genişKod = bağlantı ? sqlite3_extended_errcode(bağlantı) : kod;
    int kullanılan = (genişKod & 0xff) == (kod & 0xff) ? genişKod : kod;
    // A write that failed because the file or its disk no longer takes writes is a read-only
    // refusal, not a disk fault: the user may go on, and nothing has been changed.
    if ((kullanılan & 0xff) == SQLITE_IOERR && bağlantı) {
        const char* dosya = sqlite3_db_filename(bağlantı, "main");
        if (dosya && *dosya && !Platform::YazılabilirMi(dosya))
            kullanılan = SQLITE_READONLY;
    }
    const Eşleme e = Eşle(kullanılan, açılışta, false);
    const QString ayrıntı = bağlantı ? QString::fromUtf8(sqlite3_errmsg(bağlantı))
                                     : QString::fromUtf8(sqlite3_errstr(kod));
    throw Hata(e.numara,
               QString::fromUtf8(e.açıklama) + QStringLiteral(" (") + ayrıntı + QLatin1Char(')'));
}

bool detay::YazılanDosyanınHatası(int kod)
{
    const int birincil = kod & 0xff;
    return birincil == SQLITE_IOERR || birincil == SQLITE_CANTOPEN || birincil == SQLITE_READONLY ||
           birincil == SQLITE_FULL;
}

void detay::AçılışHatası(int kod, const QString& yol)
{
    const Eşleme e = Eşle(kod, true, !QFileInfo(yol).absoluteDir().exists());
    throw Hata(e.numara, QString::fromUtf8(e.açıklama) + QStringLiteral(": ") +
                             QDir::toNativeSeparators(yol));
}
