// The start-up preparation of the database: the backup rules against the test clock and file
// times set by the test, the two messages of a missing file, and faults (a read-only folder, a
// full disk, a lock, a broken or half-changed file) that must end in a message or HataYönet's
// question without losing Tsr.vtb or Tsr.ydk.

#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/SistemKaydıİşlemleriModülü.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "destek/DosyaEngelleri.h"
#include "destek/TestOrtamı.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime bugünSaat9(QDate(2026, 3, 10), QTime(9, 0));
const QDateTime dün(bugünSaat9.date().addDays(-1), QTime(17, 0));
const QString yedektenSoru = u"\"Tsr.vtb\" adlı veritabanı dosyanız bulunamadı.\r\n"
                             u"Yedekten oluşturulsun mu?"_s;
const QString ulaşılamadı = u"\"Tsr.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için program "
                            u"başlayamıyor! Lütfen, kontrol edip tekrar deneyiniz."_s;
const QString erişilemiyor = u"Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;

QByteArray Oku(const QString& yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Yaz(const QString& yol, const QByteArray& veri)
{
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(veri);
}

void ZamanıAyarla(const QString& yol, const QDateTime& an)
{
    QFile f(yol);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(an, QFileDevice::FileModificationTime));
}

// Runs statements on the file through a connection of its own; the first column of the last
// row, when there is one (the institution name, an integrity check).
QString Sorgula(const QString& yol, const QByteArray& deyimler)
{
    sqlite3* b = nullptr;
    sqlite3_open(QFile::encodeName(yol).constData(), &b);
    QString sonuç;
    sqlite3_exec(
        b, deyimler.constData(),
        [](void* s, int, char** değer, char**) {
            *static_cast<QString*>(s) = QString::fromUtf8(değer[0]);
            return 0;
        },
        &sonuç, nullptr);
    sqlite3_close(b);
    return sonuç;
}
void KurumYaz(const QString& yol, const QByteArray& ad)
{
    Sorgula(yol, "DELETE FROM KurumTablosu; INSERT INTO KurumTablosu VALUES ('" + ad + "')");
}
QString KurumOku(const QString& yol)
{
    return QFile::exists(yol) ? Sorgula(yol, "SELECT KurumAdi FROM KurumTablosu") : QString();
}

// Leaves beside vtb the rollback journal of a change to it that a crash cut short: the file
// holds the change in part, the journal what it replaced.
void YarımDeğişiklikBırak(const QString& vtb, const QString& çalışma)
{
    const QString kopya = çalışma + u"/Tsr.vtb"_s;
    QVERIFY(QDir().mkpath(çalışma));
    QVERIFY(QFile::copy(vtb, kopya));
    sqlite3* yarım = nullptr;
    sqlite3_open(QFile::encodeName(kopya).constData(), &yarım);
    QCOMPARE(sqlite3_exec(yarım,
                          "PRAGMA cache_size=2; BEGIN; DELETE FROM KurumTablosu; "
                          "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                          "WHERE i<300) INSERT INTO PersonelBilgileriTablosu "
                          "(Sicili, AdiSoyadi, Unvani, Servisi, SiraNo) SELECT i, "
                          "hex(randomblob(300)), 'Memur', 'Servis', i FROM n",
                          nullptr, nullptr, nullptr),
             SQLITE_OK);
    QFile::remove(vtb);
    QVERIFY(QFile::copy(kopya, vtb));
    QVERIFY(QFile::copy(kopya + u"-journal"_s, vtb + u"-journal"_s));
    sqlite3_close(yarım);
    QVERIFY(QDir(çalışma).removeRecursively());
}

QStringList İçerik(const QString& klasör)
{
    return QDir(klasör).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestVeritabaniHazirligi : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    int ortalama = 0; // message-box centrings armed: none before a window exists

    QString Yedek() const { return ortam->YedekYolu(); }
    QString YedekKlasörü() const { return QFileInfo(Yedek()).absolutePath(); }
    QString Vtb() const { return ortam->VeritabanıYolu(); }

    // A backup holding "ESKİ" and a database holding "YENİ", last changed at değişiklik.
    void İkiDosyaHazırla(const QDateTime& değişiklik)
    {
        KurumYaz(Vtb(), "ESKİ");
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::copy(Vtb(), Yedek()));
        KurumYaz(Vtb(), "YENİ");
        ZamanıAyarla(Vtb(), değişiklik);
    }

    // HataYönet's go-on question with this number and a description holding açıklamaParçası.
    bool SoruGösterildi(int numara, const QString& açıklamaParçası = {}) const
    {
        for (const Mesaj& m : ortam->gösterilen)
            if (m.başlık == u"Hata oluştu!"_s && m.simge == MesajSimgesi::Kritik &&
                m.düğmeler == MesajDüğmeleri::EvetHayır &&
                m.metin.contains(u"Hata Kodu: %1\r\n"_s.arg(numara)) &&
                m.metin.contains(açıklamaParçası))
                return true;
        return false;
    }

    void TekMesaj(const QString& metin, MesajSimgesi simge, MesajDüğmeleri düğmeler)
    {
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& m = ortam->gösterilen[0];
        QCOMPARE(m.metin, metin);
        QCOMPARE(m.simge, simge);
        QCOMPARE(m.düğmeler, düğmeler);
        QCOMPARE(m.başlık, u"Tessaro"_s);
    }

private Q_SLOTS:
    void init()
    {
        ortam.emplace();
        ortam->SaatiAyarla(bugünSaat9);
        ortalama = 0;
        OrtalamaYordamınıAyarla([this] { ++ortalama; });
    }
    void cleanup()
    {
        OrtalamaYordamınıAyarla({});
        ortam.reset();
        QCOMPARE(ortalama, 0);
    }

    void programDosyalariKlasoru_data()
    {
        QTest::addColumn<QByteArray>("değişken");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("ayraçsız") << QByteArray("/opt/P F") << u"/opt/P F/"_s;
        QTest::newRow("ayraçlı") << QByteArray("/opt/P F/") << u"/opt/P F/"_s;
        QTest::newRow("tanımsız") << QByteArray() << QString();
    }
    void programDosyalariKlasoru()
    {
        QFETCH(QByteArray, değişken);
        QFETCH(QString, beklenen);
        QTemporaryDir veri;
        qputenv("XDG_DATA_HOME", QFile::encodeName(veri.path() + u"/yeni"_s));
        değişken.isNull() ? qunsetenv("PROGRAMFILES") : qputenv("PROGRAMFILES", değişken);
        const QString sonuç = ProgramDosyalarıKlasörü();
        qunsetenv("XDG_DATA_HOME");
        // A new account's missing data folder is made.
        QCOMPARE(sonuç, beklenen.isEmpty() ? veri.path() + u"/yeni/"_s : beklenen);
        QCOMPARE(DosyaVarMı(veri.path() + u"/yeni"_s), beklenen.isEmpty());
    }

    // Renewed only when the database was last changed before today; made, with its folders, when
    // there is none.
    void yedekKurali_data()
    {
        QTest::addColumn<bool>("yedekVar");
        QTest::addColumn<QDateTime>("değişiklik");
        QTest::addColumn<bool>("yenilenir");
        const QDate bugün = bugünSaat9.date();
        QTest::newRow("dün 23:59:59")
            << true << QDateTime(bugün.addDays(-1), QTime(23, 59, 59)) << true;
        QTest::newRow("geçen yıl") << true << QDateTime(bugün.addYears(-1), QTime(12, 0)) << true;
        QTest::newRow("bugün 00:00:00") << true << QDateTime(bugün, QTime(0, 0)) << false;
        QTest::newRow("yarın") << true << QDateTime(bugün.addDays(1), QTime(8, 30)) << false;
        QTest::newRow("ilk çalıştırma") << false << QDateTime(bugün, QTime(8, 0)) << true;
    }
    void yedekKurali()
    {
        QFETCH(bool, yedekVar);
        QFETCH(QDateTime, değişiklik);
        QFETCH(bool, yenilenir);
        if (yedekVar) {
            İkiDosyaHazırla(değişiklik);
        } else {
            KurumYaz(Vtb(), "YENİ");
            ZamanıAyarla(Vtb(), değişiklik);
        }

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(KurumOku(Yedek()), yenilenir ? u"YENİ"_s : u"ESKİ"_s);
        QCOMPARE(İçerik(ortam->ProgramDosyaları()), QStringList{u"Velnora"_s});
        QCOMPARE(İçerik(ortam->ProgramDosyaları() + u"Velnora"_s), QStringList{u"Vtb Yedekleri"_s});
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{u"Tsr.ydk"_s});
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(KurumOku(Vtb()), u"YENİ"_s);
        QCOMPARE(QFileInfo(Vtb()).lastModified(), değişiklik);
    }

    // A missing Tsr.vtb: made from the backup after a yes, and exactly the backup: the journal,
    // write-ahead log and shared memory of the lost file are moved aside, not played into the
    // copy nor destroyed.
    void eksikVeritabani_data()
    {
        QTest::addColumn<bool>("yedekVar");
        QTest::addColumn<Yanıt>("yanıt");
        QTest::newRow("evet") << true << Yanıt::Evet;
        QTest::newRow("hayır") << true << Yanıt::Hayır;
        QTest::newRow("yedek de yok") << false << Yanıt::Evet;
    }
    void eksikVeritabani()
    {
        QFETCH(bool, yedekVar);
        QFETCH(Yanıt, yanıt);
        KurumYaz(Vtb(), "YEDEKTEKİ");
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        if (yedekVar)
            QVERIFY(QFile::copy(Vtb(), Yedek()));
        KurumYaz(Vtb(), "SONRAKİ");
        YarımDeğişiklikBırak(Vtb(), ortam->ProgramDosyaları() + u"kaynak"_s);
        Yaz(Vtb() + u"-wal"_s, "wal");
        Yaz(Vtb() + u"-shm"_s, "shm");
        const QByteArray günlük = Oku(Vtb() + u"-journal"_s);
        QVERIFY(QFile::remove(Vtb()));
        const QByteArray yedek = Oku(Yedek());
        ortam->yanıtlar = {yanıt};

        VeritabanınıHazırla();

        QCOMPARE(Oku(Yedek()), yedek);
        if (!yedekVar || yanıt == Yanıt::Hayır) {
            if (yedekVar)
                TekMesaj(yedektenSoru, MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır);
            else
                TekMesaj(ulaşılamadı, MesajSimgesi::Kritik, MesajDüğmeleri::Tamam);
            QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
            QVERIFY(!Veritabanı.AçıkMı());
            QVERIFY(!QFile::exists(Vtb()));
            QCOMPARE(Oku(Vtb() + u"-journal"_s), günlük);
            return;
        }
        TekMesaj(yedektenSoru, MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır);
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(Veritabanı.AçıkMı());
        Veritabanı.Kapat();
        QCOMPARE(Oku(Vtb()), yedek);
        QCOMPARE(KurumOku(Vtb()), u"YEDEKTEKİ"_s);
        QCOMPARE(İçerik(ortam->ProgramKlasörü()),
                 QStringList({u"Tsr.vtb"_s, u"Tsr.vtb-journal.eski"_s, u"Tsr.vtb-shm.eski"_s,
                              u"Tsr.vtb-wal.eski"_s}));
        QCOMPARE(Oku(Vtb() + u"-journal.eski"_s), günlük);
        QCOMPARE(Oku(Vtb() + u"-wal.eski"_s), QByteArray("wal"));
    }

    // A run that died in the middle of a change on an earlier day leaves its rollback journal
    // beside the file: the next start must take the database as it stood before that change.
    void yarimKalanDegisiklikGeriAlinir()
    {
        KurumYaz(Vtb(), "TAMAM");
        YarımDeğişiklikBırak(Vtb(), ortam->ProgramDosyaları() + u"kaynak"_s);
        ZamanıAyarla(Vtb(), dün);

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(KurumOku(Yedek()), u"TAMAM"_s);
        QCOMPARE(Veritabanı.TabloAç(u"KurumTablosu"_s).Alan(u"KurumAdi"_s).toString(), u"TAMAM"_s);
        QVERIFY(!QFile::exists(Vtb() + u"-journal"_s));
    }

    // A Tsr.vtb that is no database, or no database of the program, never replaces the backup.
    void bozukVeritabaniYedeginYerineGecmez_data()
    {
        QTest::addColumn<QByteArray>("deyim");
        QTest::addColumn<bool>("yedekVar");
        QTest::addColumn<bool>("metin");
        QTest::newRow("boşaltılmış") << QByteArray() << true << false;
        QTest::newRow("bir tablosu eksik")
            << QByteArray("DROP TABLE TatilTarihleriTablosu") << true << false;
        QTest::newRow("metin, yedek var") << QByteArray() << true << true;
        QTest::newRow("metin, ilk çalıştırma") << QByteArray() << false << true;
    }
    void bozukVeritabaniYedeginYerineGecmez()
    {
        QFETCH(QByteArray, deyim);
        QFETCH(bool, yedekVar);
        QFETCH(bool, metin);
        if (yedekVar)
            İkiDosyaHazırla(dün);
        if (deyim.isEmpty())
            Yaz(Vtb(), metin ? QByteArray("Bu bir veritabanı değil\n").repeated(300) : deyim);
        else
            Sorgula(Vtb(), deyim);
        ZamanıAyarla(Vtb(), dün);
        const QByteArray vtb = Oku(Vtb());
        const QByteArray yedek = Oku(Yedek());

        VeritabanınıHazırla();

        QCOMPARE(Oku(Yedek()), yedek);
        QCOMPARE(İçerik(YedekKlasörü()), yedekVar ? QStringList{u"Tsr.ydk"_s} : QStringList());
        QCOMPARE(Oku(Vtb()), vtb);
        QCOMPARE(İçerik(ortam->ProgramKlasörü()), QStringList{u"Tsr.vtb"_s});
        if (!metin) {
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QVERIFY(SoruGösterildi(HataNo::TanınmayanBiçim, u"Veritabanı dosyası bozuk"_s));
            QVERIFY(!ortam->bitişKodu);
            QVERIFY(Veritabanı.AçıkMı());
        } else {
            TekMesaj(erişilemiyor, MesajSimgesi::Ünlem, MesajDüğmeleri::Tamam);
            QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        }
    }

    // The program-files folder on a disk with room for the old backup but not for a new one.
    void doluDiskEskiYedegiKorur()
    {
        KüçükDisk disk(ortam->ProgramDosyaları(), 96);
        if (!disk.Kurulu())
            QSKIP("tmpfs bağlanamadı");
        İkiDosyaHazırla(dün);
        Sorgula(Vtb(), "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<400) "
                       "INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, Unvani, Servisi, "
                       "SiraNo) SELECT i, hex(randomblob(200)), 'Memur', 'Servis', i FROM n");
        ZamanıAyarla(Vtb(), dün);
        const QByteArray eskiYedek = Oku(Yedek());
        const QByteArray vtb = Oku(Vtb());
        QVERIFY(vtb.size() > 150 * 1024);

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(SoruGösterildi(HataNo::DiskDolu, u"Diskte yeterli boş yer yok"_s));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(Oku(Yedek()), eskiYedek);
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{u"Tsr.ydk"_s});
        QCOMPARE(Oku(Vtb()), vtb);
    }

    void saltOkunurProgramKlasoru()
    {
        ZamanıAyarla(Vtb(), bugünSaat9.addSecs(-3600));
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::copy(Vtb(), Yedek()));
        const QByteArray vtb = Oku(Vtb());
        std::optional<Değişmez> kilit;
        if (!kilit.emplace(ortam->ProgramKlasörü()).Kurulu())
            QSKIP("chattr kullanılamıyor");

        // A write into the open database goes to the go-on question, and on after a yes.
        VeritabanınıHazırla();
        QVERIFY(ortam->gösterilen.empty());
        ortam->yanıtlar = {Yanıt::Evet};
        bool sonrakiAdım = false;
        Tuzak([] { Veritabanı.Çalıştır(u"INSERT INTO KurumTablosu (KurumAdi) VALUES ('X')"_s); });
        Tuzak([&] { sonrakiAdım = true; });
        QVERIFY(sonrakiAdım);
        QVERIFY(SoruGösterildi(HataNo::SaltOkunur));
        ortalama = 0; // past start-up the question is centred
        Veritabanı.Kapat();
        QCOMPARE(Oku(Vtb()), vtb);

        // The backup cannot be put back into it.
        kilit.reset();
        QVERIFY(QFile::remove(Vtb()));
        kilit.emplace(ortam->ProgramKlasörü());
        ortam->gösterilen.clear();
        ortam->yanıtlar = {Yanıt::Evet, Yanıt::Evet};
        VeritabanınıHazırla();
        QCOMPARE(ortam->gösterilen.size(), size_t(3));
        QCOMPARE(ortam->gösterilen[0].metin, yedektenSoru);
        QVERIFY(SoruGösterildi(75, u"Yedek dosyası kopyalanamadı"_s));
        QCOMPARE(ortam->gösterilen[2].metin, erişilemiyor);
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QCOMPARE(Oku(Yedek()), vtb);
        QVERIFY(İçerik(ortam->ProgramKlasörü()).isEmpty());
    }

    void programDosyalariKlasoruYoksaYaDaYazilamiyorsaSorulur_data()
    {
        QTest::addColumn<bool>("yok");
        QTest::newRow("klasör yok") << true;
        QTest::newRow("klasör yazılamıyor") << false;
    }
    void programDosyalariKlasoruYoksaYaDaYazilamiyorsaSorulur()
    {
        QFETCH(bool, yok);
        const QString klasör = ortam->ProgramDosyaları() + (yok ? u"yok/"_s : QString());
        qputenv("PROGRAMFILES", QFile::encodeName(klasör));
        std::optional<Değişmez> kilit;
        if (!yok && !kilit.emplace(klasör).Kurulu())
            QSKIP("chattr kullanılamıyor");
        const QByteArray vtb = Oku(Vtb());

        // Going on past every question: the program still opens its database.
        ortam->yanıtlar = {Yanıt::Evet, Yanıt::Evet, Yanıt::Evet};
        VeritabanınıHazırla();
        QVERIFY(SoruGösterildi(75, u"Klasör oluşturulamadı"_s));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(Veritabanı.AçıkMı());
        Veritabanı.Kapat();

        // "No" at the first question ends the program there.
        ortam->gösterilen.clear();
        ortam->yanıtlar = {Yanıt::Hayır};
        VeritabanınıHazırla();
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QVERIFY(!Veritabanı.AçıkMı());
        QCOMPARE(Oku(Vtb()), vtb);
        QVERIFY(İçerik(ortam->ProgramDosyaları()).isEmpty());
    }

    // Where the database lives is the administrator's business: a Tsr.vtb linked in opens and
    // the backup is made of the file it leads to.
    void bagliVeritabani()
    {
        const QString gerçek = ortam->ProgramDosyaları() + u"başka/Tsr.vtb"_s;
        QVERIFY(QDir().mkpath(QFileInfo(gerçek).absolutePath()));
        QVERIFY(QFile::rename(Vtb(), gerçek));
        QVERIFY(QFile::link(gerçek, Vtb()));
        KurumYaz(gerçek, "BAĞLI");

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(KurumOku(Yedek()), u"BAĞLI"_s);
        QVERIFY(QFileInfo(Vtb()).isSymLink());
    }

    void kilitliVeritabaniSessizceAcilmaz()
    {
        İkiDosyaHazırla(dün.addDays(-2));
        const QByteArray vtb = Oku(Vtb());
        const QByteArray yedek = Oku(Yedek());
        sqlite3* başka = nullptr;
        sqlite3_open(QFile::encodeName(Vtb()).constData(), &başka);
        QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        ortam->yanıtlar = {Yanıt::Evet};

        VeritabanınıHazırla();

        sqlite3_close(başka);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(SoruGösterildi(HataNo::KilitliKayıt));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(!Veritabanı.AçıkMı());
        QCOMPARE(Oku(Vtb()), vtb);
        QCOMPARE(Oku(Yedek()), yedek);
    }
};

QTEST_GUILESS_MAIN(TestVeritabaniHazirligi)
#include "TestVeritabanıHazırlığı.moc"
