#include "VeritabanıHazırlığı.h"

#include "GüvenliDosya.h"
#include "SistemKaydıİşlemleriModülü.h"
#include "Veritabanı.h"
#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void Başarısız(const QString& ne, const QString& yol)
{
    throw Hata(HataNo::YolHatası, ne + QStringLiteral(": ") + QDir::toNativeSeparators(yol));
}

// A byte-for-byte copy that appears at hedef only once it is complete and on the disk. It is a
// new file of the running account, made as the folder makes new files (umask, default access
// list) rather than with the source's permissions: a copy of a read-only delivered file, or one
// in a folder that several accounts share, must be writable by them.
void Kopyala(const QString& kaynak, const QString& hedef)
{
    const QString geçici = GeçiciYol(hedef);
    QFile::remove(geçici);
    QFile okunan(kaynak), yazılan(geçici);
    if (!okunan.open(QIODevice::ReadOnly) || !yazılan.open(QIODevice::WriteOnly) ||
        yazılan.write(okunan.readAll()) != okunan.size() || !yazılan.flush()) {
        yazılan.remove();
        Başarısız(QStringLiteral("Dosya kopyalanamadı"), hedef);
    }
    GeçiciDosyayıYerleştir(geçici, hedef);
}

// The backup becomes the database exactly as it is: a rollback journal or write-ahead log left
// beside the lost file belongs to another database, and SQLite would play it into the copy.
// They are moved aside, not deleted.
void YedektenOluştur(const QString& yedek, const QString& veritabanı)
{
    const QString hedef = GerçekYol(veritabanı);
    for (const char* ek : {"-journal", "-wal", "-shm"})
        KenaraAl(hedef + QString::fromLatin1(ek));
    Kopyala(yedek, hedef);
}

void KlasörOluştur(const QString& yol)
{
    if (!QDir().mkdir(yol))
        Başarısız(QStringLiteral("Klasör oluşturulamadı"), yol);
}

} // namespace

VeritabanıYolları VeritabanıYollarınıBelirle(const QString& veriKlasörü)
{
    VeritabanıYolları y;
    y.veritabanı = veriKlasörü + QStringLiteral("Tsr.vtb");
    const QString programDosyaları = ProgramDosyalarıKlasörü();
    y.yapımcıKlasörü = programDosyaları + QStringLiteral("Velnora/");
    y.yedekKlasörü = y.yapımcıKlasörü + QStringLiteral("Vtb Yedekleri/");
    y.yedek = y.yedekKlasörü + QStringLiteral("Tsr.ydk");
    if (const QString kurulum = KurulumKlasörü(ProgramDosyasınınKlasörü()); !kurulum.isEmpty())
        y.ilk = kurulum + QStringLiteral("Tsr.vtb");
    return y;
}

void VeritabanınıHazırla(const QString& veriKlasörü)
{
    VeritabanıYolları yol;
    BaşlangıçTuzağı([&] {
        yol = VeritabanıYollarınıBelirle(veriKlasörü);
        // Without a program-files folder the backup paths would be relative to wherever the
        // program was started from.
        if (QDir::isRelativePath(yol.yedek))
            throw Hata(HataNo::GeçersizYol, QStringLiteral("Program dosyaları klasörü bulunamadı"));
    });
    if (ProgramBittiMi())
        return;

    // An account's first start: with no backup there is nothing to restore, and nothing to ask.
    if (!DosyaVarMı(yol.veritabanı) && !DosyaVarMı(yol.yedek) && DosyaVarMı(yol.ilk))
        BaşlangıçTuzağı([&] { Kopyala(yol.ilk, yol.veritabanı); });
    if (!DosyaVarMı(yol.veritabanı)) {
        if (!DosyaVarMı(yol.yedek)) {
            MesajKutusu({QStringLiteral("\"Tsr.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için "
                                        "program başlayamıyor! ") +
                             QStringLiteral("Lütfen, kontrol edip tekrar deneyiniz."),
                         MesajSimgesi::Kritik});
            ProgramıBitir(0);
            return;
        }
        const Yanıt yanıt = MesajKutusu({QStringLiteral("\"Tsr.vtb\" adlı veritabanı dosyanız "
                                                        "bulunamadı.\r\nYedekten oluşturulsun mu?"),
                                         MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır,
                                         QStringLiteral("Tessaro"), Yanıt::Evet});
        if (yanıt == Yanıt::Hayır) {
            ProgramıBitir(0);
            return;
        }
        BaşlangıçTuzağı([&] { YedektenOluştur(yol.yedek, yol.veritabanı); });
    }

    if (DosyaVarMı(yol.yedek)) {
        // Renewed only when the database was last changed before today: the backup then holds
        // the database as it stood before the day's first change.
        BaşlangıçTuzağı([&] {
            const QDateTime değişiklik = QFileInfo(yol.veritabanı).lastModified();
            if (QDateTime(Bugün(), QTime(0, 0)) > değişiklik)
                VeritabanıBağlantısı::Sıkıştır(yol.veritabanı, yol.yedek);
        });
    } else {
        if (!DosyaVarMı(yol.yedekKlasörü)) {
            if (!DosyaVarMı(yol.yapımcıKlasörü))
                BaşlangıçTuzağı([&] { KlasörOluştur(yol.yapımcıKlasörü); });
            BaşlangıçTuzağı([&] { KlasörOluştur(yol.yedekKlasörü); });
        }
        BaşlangıçTuzağı([&] { VeritabanıBağlantısı::Sıkıştır(yol.veritabanı, yol.yedek); });
    }

    BaşlangıçTuzağı([&] { Veritabanı.Aç(yol.veritabanı); });
}
