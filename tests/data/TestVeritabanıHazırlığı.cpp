// The start-up preparation of the database: where the files live, the backup rules against the
// test clock and file times set by the test, the two messages of a missing file, and bad input
// that must end in a message or HataYönet's question without losing Tsr.vtb or Tsr.ydk.

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

namespace {

const QDateTime bugünSaat9(QDate(2026, 3, 10), QTime(9, 0));

const QString yedektenSoru = QStringLiteral("\"Tsr.vtb\" adlı veritabanı dosyanız bulunamadı.\r\n"
                                            "Yedekten oluşturulsun mu?");
const QString ulaşılamadı = QStringLiteral("\"Tsr.vtb\" adlı veritabanı dosyanıza ulaşılamadığı "
                                           "için program başlayamıyor! Lütfen, kontrol edip "
                                           "tekrar deneyiniz.");
const QString erişilemiyor =
    QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");

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

QDateTime Zamanı(const QString& yol)
{
    return QFileInfo(yol).lastModified();
}

// The institution name stored in a database file, read and written with a connection of its own
// so that the files can be told apart without the program's connection.
void KurumYaz(const QString& yol, const char* ad)
{
    sqlite3* b = nullptr;
    sqlite3_open(QFile::encodeName(yol).constData(), &b);
    const QByteArray deyim =
        QByteArray("DELETE FROM KurumTablosu; INSERT INTO KurumTablosu VALUES ('") + ad + "')";
    QCOMPARE(sqlite3_exec(b, deyim.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(b);
}

QString KurumOku(const QString& yol)
{
    sqlite3* b = nullptr;
    QString sonuç;
    if (sqlite3_open_v2(QFile::encodeName(yol).constData(), &b, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* d = nullptr;
        if (sqlite3_prepare_v2(b, "SELECT KurumAdi FROM KurumTablosu", -1, &d, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(d) == SQLITE_ROW)
            sonuç = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)));
        sqlite3_finalize(d);
    }
    sqlite3_close(b);
    return sonuç;
}

// Leaves beside vtb the rollback journal of a change to it that a crash cut short: the file
// holds the change in part, the journal what it replaced.
void YarımDeğişiklikBırak(const QString& vtb, const QString& çalışma)
{
    const QString kopya = çalışma + QStringLiteral("/Tsr.vtb");
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
    QVERIFY(QFile::exists(kopya + QStringLiteral("-journal")));
    QFile::remove(vtb);
    QVERIFY(QFile::copy(kopya, vtb));
    QVERIFY(QFile::copy(kopya + QStringLiteral("-journal"), vtb + QStringLiteral("-journal")));
    sqlite3_exec(yarım, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(yarım);
    QVERIFY(QDir(çalışma).removeRecursively());
}

QString Bütünlük(const QString& yol)
{
    sqlite3* b = nullptr;
    QString sonuç;
    sqlite3_open_v2(QFile::encodeName(yol).constData(), &b, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* d = nullptr;
    if (sqlite3_prepare_v2(b, "PRAGMA integrity_check", -1, &d, nullptr) == SQLITE_OK &&
        sqlite3_step(d) == SQLITE_ROW)
        sonuç = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)));
    sqlite3_finalize(d);
    sqlite3_close(b);
    return sonuç;
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

    bool SoruGösterildi(int numara, const QString& açıklamaParçası) const
    {
        for (const Mesaj& m : ortam->gösterilen)
            if (m.başlık == QStringLiteral("Hata oluştu!") && m.simge == MesajSimgesi::Kritik &&
                m.düğmeler == MesajDüğmeleri::EvetHayır &&
                m.metin.contains(QStringLiteral("Hata Kodu: %1\r\n").arg(numara)) &&
                m.metin.contains(açıklamaParçası))
                return true;
        return false;
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
    }

    void programDosyalariKlasoruAyraclaBiter_data()
    {
        QTest::addColumn<QByteArray>("değişken");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("ayraçsız") << QByteArray("/opt/programlar")
                                  << QStringLiteral("/opt/programlar/");
        QTest::newRow("ayraçlı") << QByteArray("/opt/programlar/")
                                 << QStringLiteral("/opt/programlar/");
        QTest::newRow("boşluklu") << QByteArray("/opt/Program Files")
                                  << QStringLiteral("/opt/Program Files/");
        QTest::newRow("tanımsız") << QByteArray() << QString();
    }
    void programDosyalariKlasoruAyraclaBiter()
    {
        QFETCH(QByteArray, değişken);
        QFETCH(QString, beklenen);
        QTemporaryDir veri;
        const QByteArray eskiVeri = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(veri.path()));
        if (değişken.isNull())
            qunsetenv("PROGRAMFILES");
        else
            qputenv("PROGRAMFILES", değişken);
        if (beklenen.isEmpty())
            beklenen = veri.path() + QLatin1Char('/');
        const QString sonuç = ProgramDosyalarıKlasörü();
        if (eskiVeri.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", eskiVeri);
        QCOMPARE(sonuç, beklenen);
        QVERIFY(
            !KayıtDefteriDeğeriOku(KayıtKökü::YerelMakine,
                                   QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                                   QStringLiteral("ProgramFilesDir"))
                 .isValid());
    }

    void dosyaVarMiDosyaVeKlasoruTanir()
    {
        QVERIFY(DosyaVarMı(Vtb()));
        QVERIFY(DosyaVarMı(ortam->ProgramKlasörü()));
        QVERIFY(DosyaVarMı(ortam->ProgramDosyaları().chopped(1)));
        QVERIFY(!DosyaVarMı(Yedek()));
        QVERIFY(!DosyaVarMı(QString()));
        QCOMPARE(VeritabanıYollarınıBelirle().yedek, Yedek());
    }

    void ilkCalistirmadaKlasorlerVeYedekOlusur()
    {
        KurumYaz(Vtb(), "İLK");
        const QDateTime değişiklik(QDate(2026, 3, 10), QTime(8, 0));
        ZamanıAyarla(Vtb(), değişiklik);
        QVERIFY(!DosyaVarMı(ortam->ProgramDosyaları() + QStringLiteral("Velnora")));

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(İçerik(ortam->ProgramDosyaları()), QStringList{QStringLiteral("Velnora")});
        QCOMPARE(İçerik(ortam->ProgramDosyaları() + QStringLiteral("Velnora")),
                 QStringList{QStringLiteral("Vtb Yedekleri")});
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
        QCOMPARE(KurumOku(Yedek()), QStringLiteral("İLK"));
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(Zamanı(Vtb()), değişiklik);
    }

    void yedekYalnizcaOncekiGundeDegismisseYenilenir_data()
    {
        QTest::addColumn<QDateTime>("değişiklik");
        QTest::addColumn<bool>("yenilenir");
        const QDate bugün = bugünSaat9.date();
        QTest::newRow("dün 23:59:59") << QDateTime(bugün.addDays(-1), QTime(23, 59, 59)) << true;
        QTest::newRow("iki hafta önce") << QDateTime(bugün.addDays(-14), QTime(12, 0)) << true;
        QTest::newRow("geçen yıl") << QDateTime(bugün.addYears(-1), QTime(12, 0)) << true;
        QTest::newRow("bugün 00:00:00") << QDateTime(bugün, QTime(0, 0)) << false;
        QTest::newRow("bugün 00:00:01") << QDateTime(bugün, QTime(0, 0, 1)) << false;
        QTest::newRow("bugün 08:30") << QDateTime(bugün, QTime(8, 30)) << false;
        QTest::newRow("yarın") << QDateTime(bugün.addDays(1), QTime(8, 30)) << false;
    }
    void yedekYalnizcaOncekiGundeDegismisseYenilenir()
    {
        QFETCH(QDateTime, değişiklik);
        QFETCH(bool, yenilenir);
        İkiDosyaHazırla(değişiklik);

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(KurumOku(Yedek()), yenilenir ? QStringLiteral("YENİ") : QStringLiteral("ESKİ"));
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(KurumOku(Vtb()), QStringLiteral("YENİ"));
        QCOMPARE(Zamanı(Vtb()), değişiklik);
    }

    void eksikVeritabaniEvetleYedektenOlusur()
    {
        KurumYaz(Vtb(), "YEDEKTEKİ");
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::rename(Vtb(), Yedek()));
        const QByteArray yedek = Oku(Yedek());
        ortam->yanıtlar = {Yanıt::Evet};

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& m = ortam->gösterilen[0];
        QCOMPARE(m.metin, yedektenSoru);
        QCOMPARE(m.simge, MesajSimgesi::Soru);
        QCOMPARE(m.düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(m.başlık, QStringLiteral("Tessaro"));
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(Oku(Vtb()), yedek);
        QCOMPARE(ortalama, 0);
        QCOMPARE(Oku(Yedek()), yedek);
        QCOMPARE(İçerik(ortam->ProgramKlasörü()), QStringList{QStringLiteral("Tsr.vtb")});
        QVERIFY(Veritabanı.AçıkMı());
        TabloKümesi kurum = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        QCOMPARE(kurum.Alan(QStringLiteral("KurumAdi")).toString(), QStringLiteral("YEDEKTEKİ"));
    }

    void eksikVeritabaniHayirlaHicbirSeyOlusturmaz()
    {
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::rename(Vtb(), Yedek()));
        const QByteArray yedek = Oku(Yedek());
        ortam->yanıtlar = {Yanıt::Hayır};

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].metin, yedektenSoru);
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QVERIFY(İçerik(ortam->ProgramKlasörü()).isEmpty());
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
        QCOMPARE(Oku(Yedek()), yedek);
        QVERIFY(!Veritabanı.AçıkMı());
    }

    void ikisiDeYoksaProgramBaslayamaz()
    {
        QVERIFY(QFile::remove(Vtb()));

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& m = ortam->gösterilen[0];
        QCOMPARE(m.metin, ulaşılamadı);
        QCOMPARE(m.simge, MesajSimgesi::Kritik);
        QCOMPARE(m.düğmeler, MesajDüğmeleri::Tamam);
        QCOMPARE(m.başlık, QStringLiteral("Tessaro"));
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QVERIFY(İçerik(ortam->ProgramKlasörü()).isEmpty());
        QCOMPARE(ortalama, 0);
        QVERIFY(İçerik(ortam->ProgramDosyaları()).isEmpty());
        QVERIFY(!Veritabanı.AçıkMı());
    }

    // The program-files folder on a disk with room for the old backup but not for a new one.
    void basarisizSikistirmaEskiYedegiKorur()
    {
        KüçükDisk disk(ortam->ProgramDosyaları(), 96);
        if (!disk.Kurulu())
            QSKIP("tmpfs bağlanamadı");
        İkiDosyaHazırla(QDateTime(bugünSaat9.date().addDays(-1), QTime(17, 0)));
        {
            sqlite3* b = nullptr;
            sqlite3_open(QFile::encodeName(Vtb()).constData(), &b);
            QCOMPARE(sqlite3_exec(b,
                                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n "
                                  "WHERE i<400) INSERT INTO PersonelBilgileriTablosu "
                                  "(Sicili, AdiSoyadi, Unvani, Servisi, SiraNo) SELECT i, "
                                  "hex(randomblob(200)), 'Memur', 'Servis', i FROM n",
                                  nullptr, nullptr, nullptr),
                     SQLITE_OK);
            sqlite3_close(b);
        }
        ZamanıAyarla(Vtb(), QDateTime(bugünSaat9.date().addDays(-1), QTime(17, 0)));
        const QByteArray eskiYedek = Oku(Yedek());
        const QByteArray vtb = Oku(Vtb());
        QVERIFY(vtb.size() > 150 * 1024);

        VeritabanınıHazırla();

        // A full disk is the go-on question; start-up goes on with the database as it is.
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(SoruGösterildi(HataNo::DiskDolu, QStringLiteral("Diskte yeterli boş yer yok")));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(Oku(Yedek()), eskiYedek);
        QCOMPARE(KurumOku(Yedek()), QStringLiteral("ESKİ"));
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
        QCOMPARE(Oku(Vtb()), vtb);
    }

    // A Tsr.vtb that is no database at all, with or without a backup, changed today or before.
    void veritabaniOlmayanDosyaDokunulmadanBirakilir_data()
    {
        QTest::addColumn<bool>("yedekVar");
        QTest::addColumn<int>("günÖnce");
        QTest::newRow("yedek var, bugün") << true << 0;
        QTest::newRow("yedek var, dün") << true << 1;
        QTest::newRow("ilk çalıştırma") << false << 0;
    }
    void veritabaniOlmayanDosyaDokunulmadanBirakilir()
    {
        QFETCH(bool, yedekVar);
        QFETCH(int, günÖnce);
        if (yedekVar) {
            QVERIFY(QDir().mkpath(YedekKlasörü()));
            QVERIFY(QFile::copy(Vtb(), Yedek()));
        }
        const QByteArray çöp = QByteArray("Bu bir veritabanı değil\n").repeated(300);
        Yaz(Vtb(), çöp);
        ZamanıAyarla(Vtb(), QDateTime(bugünSaat9.date().addDays(-günÖnce), QTime(7, 0)));
        const QByteArray yedek = Oku(Yedek());

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& m = ortam->gösterilen[0];
        QCOMPARE(m.metin, erişilemiyor);
        QCOMPARE(m.simge, MesajSimgesi::Ünlem);
        QCOMPARE(m.düğmeler, MesajDüğmeleri::Tamam);
        QCOMPARE(m.başlık, QStringLiteral("Tessaro"));
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QCOMPARE(Oku(Vtb()), çöp);
        QCOMPARE(İçerik(ortam->ProgramKlasörü()), QStringList{QStringLiteral("Tsr.vtb")});
        if (yedekVar)
            QCOMPARE(Oku(Yedek()), yedek);
        QCOMPARE(İçerik(YedekKlasörü()),
                 yedekVar ? QStringList{QStringLiteral("Tsr.ydk")} : QStringList());
    }

    void saltOkunurProgramKlasoruYedegiGeriYukleyemez()
    {
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::rename(Vtb(), Yedek()));
        const QByteArray yedek = Oku(Yedek());
        Değişmez kilit(ortam->ProgramKlasörü());
        if (!kilit.Kurulu())
            QSKIP("chattr kullanılamıyor");
        ortam->yanıtlar = {Yanıt::Evet, Yanıt::Evet};

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(3));
        QCOMPARE(ortam->gösterilen[0].metin, yedektenSoru);
        QVERIFY(SoruGösterildi(75, QStringLiteral("Yedek dosyası kopyalanamadı")));
        QCOMPARE(ortam->gösterilen[2].metin, erişilemiyor);
        QCOMPARE(ortalama, 0);
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QCOMPARE(Oku(Yedek()), yedek);
        QVERIFY(İçerik(ortam->ProgramKlasörü()).isEmpty());
    }

    void saltOkunurProgramKlasorundeYazmaHataYonetSorusunaGider()
    {
        ZamanıAyarla(Vtb(), bugünSaat9.addSecs(-3600));
        const QByteArray vtb = Oku(Vtb());
        Değişmez kilit(ortam->ProgramKlasörü());
        if (!kilit.Kurulu())
            QSKIP("chattr kullanılamıyor");

        VeritabanınıHazırla();
        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(Veritabanı.AçıkMı());

        ortam->yanıtlar = {Yanıt::Evet};
        bool sonrakiAdım = false;
        Tuzak([] {
            Veritabanı.Çalıştır(QStringLiteral("INSERT INTO KurumTablosu (KurumAdi) VALUES ('X')"));
        });
        Tuzak([&] { sonrakiAdım = true; });
        QVERIFY(sonrakiAdım);
        QVERIFY(SoruGösterildi(HataNo::SaltOkunur, QString()));
        QCOMPARE(Oku(Vtb()), vtb);
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
        const QString klasör =
            yok ? ortam->ProgramDosyaları() + QStringLiteral("yok/") : ortam->ProgramDosyaları();
        qputenv("PROGRAMFILES", QFile::encodeName(klasör));
        std::optional<Değişmez> kilit;
        if (!yok) {
            kilit.emplace(klasör);
            if (!kilit->Kurulu())
                QSKIP("chattr kullanılamıyor");
        }
        const QByteArray vtb = Oku(Vtb());

        // Going on past every question: the program still opens its database.
        ortam->yanıtlar = {Yanıt::Evet, Yanıt::Evet, Yanıt::Evet};
        VeritabanınıHazırla();
        QVERIFY(SoruGösterildi(75, QStringLiteral("Klasör oluşturulamadı")));
        for (const Mesaj& m : ortam->gösterilen)
            QCOMPARE(m.başlık, QStringLiteral("Hata oluştu!"));
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

    // A run that died in the middle of a change on an earlier day leaves its rollback journal
    // beside the file: the next start must take the database as it stood before that change.
    void yarimKalanDegisiklikGeriAlinir()
    {
        KurumYaz(Vtb(), "TAMAM");
        YarımDeğişiklikBırak(Vtb(), ortam->ProgramDosyaları() + QStringLiteral("kaynak"));
        ZamanıAyarla(Vtb(), QDateTime(bugünSaat9.date().addDays(-1), QTime(16, 0)));

        VeritabanınıHazırla();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(KurumOku(Yedek()), QStringLiteral("TAMAM"));
        TabloKümesi kurum = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        QCOMPARE(kurum.Alan(QStringLiteral("KurumAdi")).toString(), QStringLiteral("TAMAM"));
        kurum.Kapat();
        QVERIFY(!QFile::exists(Vtb() + QStringLiteral("-journal")));
    }

    // The journal of a crashed write stays behind when the database file itself is then lost:
    // it belongs to another file and must not be played into the restored copy.
    void yedektenOlusanDosyaYedeginKendisidir()
    {
        KurumYaz(Vtb(), "YEDEKTEKİ");
        QVERIFY(QDir().mkpath(YedekKlasörü()));
        QVERIFY(QFile::copy(Vtb(), Yedek()));
        KurumYaz(Vtb(), "SONRAKİ");
        YarımDeğişiklikBırak(Vtb(), ortam->ProgramDosyaları() + QStringLiteral("kaynak"));
        const QByteArray günlük = Oku(Vtb() + QStringLiteral("-journal"));
        QVERIFY(QFile::remove(Vtb()));
        ortam->yanıtlar = {Yanıt::Evet};

        VeritabanınıHazırla();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].metin, yedektenSoru);
        QVERIFY(Veritabanı.AçıkMı());
        Veritabanı.Kapat();
        QCOMPARE(Bütünlük(Vtb()), QStringLiteral("ok"));
        QCOMPARE(KurumOku(Vtb()), QStringLiteral("YEDEKTEKİ"));
        // Moved aside, not destroyed.
        QVERIFY(!QFile::exists(Vtb() + QStringLiteral("-journal")));
        QCOMPARE(Oku(Vtb() + QStringLiteral("-journal.eski")), günlük);
    }

    // A Tsr.vtb emptied or stripped of its tables is no database to renew the backup from.
    void bozukVeritabaniYedeginYerineGecmez_data()
    {
        QTest::addColumn<QByteArray>("deyim");
        QTest::newRow("boşaltılmış") << QByteArray();
        QTest::newRow("tablosuz") << QByteArray("DROP TABLE PersonelBilgileriTablosu; DROP TABLE "
                                                "TatilTarihleriTablosu; DROP TABLE "
                                                "MesaiSüreleriTablosu; DROP TABLE KurumTablosu");
        QTest::newRow("bir tablosu eksik") << QByteArray("DROP TABLE TatilTarihleriTablosu");
    }
    void bozukVeritabaniYedeginYerineGecmez()
    {
        QFETCH(QByteArray, deyim);
        İkiDosyaHazırla(QDateTime(bugünSaat9.date().addDays(-1), QTime(17, 0)));
        if (deyim.isEmpty()) {
            Yaz(Vtb(), QByteArray());
        } else {
            sqlite3* b = nullptr;
            sqlite3_open(QFile::encodeName(Vtb()).constData(), &b);
            QCOMPARE(sqlite3_exec(b, deyim.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(b);
        }
        ZamanıAyarla(Vtb(), QDateTime(bugünSaat9.date().addDays(-1), QTime(17, 0)));
        const QByteArray yedek = Oku(Yedek());

        VeritabanınıHazırla();

        QCOMPARE(Oku(Yedek()), yedek);
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(
            SoruGösterildi(HataNo::TanınmayanBiçim, QStringLiteral("Veritabanı dosyası bozuk")));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(Veritabanı.AçıkMı());
    }

    // Where the database or the backup folder lives is the administrator's or the account's
    // business: a Tsr.vtb linked in from elsewhere opens, and a new account's missing data folder
    // is made.
    void bagliVeritabaniVeYeniHesapKlasoru()
    {
        const QString gerçek = ortam->ProgramDosyaları() + QStringLiteral("başka/Tsr.vtb");
        QVERIFY(QDir().mkpath(QFileInfo(gerçek).absolutePath()));
        QVERIFY(QFile::rename(Vtb(), gerçek));
        QVERIFY(QFile::link(gerçek, Vtb()));
        KurumYaz(gerçek, "BAĞLI");
        QTemporaryDir veri;
        const QString hesap = veri.path() + QStringLiteral("/yeni/hesap");
        const QByteArray eskiVeri = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(hesap));
        qunsetenv("PROGRAMFILES");

        VeritabanınıHazırla();

        eskiVeri.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", eskiVeri);
        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(Veritabanı.AçıkMı());
        QCOMPARE(KurumOku(hesap + QStringLiteral("/Velnora/Vtb Yedekleri/Tsr.ydk")),
                 QStringLiteral("BAĞLI"));
        QVERIFY(QFileInfo(Vtb()).isSymLink());
    }

    void kilitliVeritabaniSessizceAcilmaz()
    {
        İkiDosyaHazırla(QDateTime(bugünSaat9.date().addDays(-3), QTime(16, 0)));
        const QByteArray vtb = Oku(Vtb());
        const QByteArray yedek = Oku(Yedek());
        sqlite3* başka = nullptr;
        sqlite3_open(QFile::encodeName(Vtb()).constData(), &başka);
        QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        ortam->yanıtlar = {Yanıt::Evet};

        VeritabanınıHazırla();

        sqlite3_exec(başka, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(başka);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(SoruGösterildi(HataNo::KilitliKayıt, QString()));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(!Veritabanı.AçıkMı());
        QCOMPARE(Oku(Vtb()), vtb);
        QCOMPARE(Oku(Yedek()), yedek);
        QCOMPARE(İçerik(YedekKlasörü()), QStringList{QStringLiteral("Tsr.ydk")});
    }
};

QTEST_GUILESS_MAIN(TestVeritabaniHazirligi)
#include "TestVeritabanıHazırlığı.moc"
