// The database connection against a real file: the translation of statements and the engine
// error numbers, texts kept as typed, Turkish order, the two kinds of record set, and a writer
// killed in the middle of a series of saves.

#include "common/Hata.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/DeyimÇevirici.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QProcess>
#include <QTest>
#include <cstdio>
#include <optional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

void Ekle(const QString& ad, const QString& servis, const QString& sıra = u"1"_s)
{
    static int sicil = 0;
    Veritabanı.Çalıştır(Deyim::PersonelEkle(QString::number(++sicil), ad, u"M"_s, servis, sıra));
}

// One column of every row of a SELECT, as text.
QStringList Sütun(const QString& seçim, const QString& sütun = u"AdiSoyadi"_s)
{
    QStringList sonuç;
    for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(seçim); !k.EOF_(); k.SonrakineGeç())
        sonuç << k.Alan(sütun).toString();
    return sonuç;
}

int HataNumarası(const std::function<void()>& iş)
{
    try {
        iş();
    } catch (const Hata& h) {
        return h.Numara();
    }
    return 0;
}

} // namespace

class TestVeritabani : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;

private Q_SLOTS:
    void init()
    {
        ortam.emplace();
        ortam->VeritabanınıAç();
    }
    void cleanup() { ortam.reset(); }

    // The SQLite text of a statement, or the error number when it is run on the database.
    void deyimler_data()
    {
        QTest::addColumn<QString>("deyim");
        QTest::addColumn<QString>("sqlite");
        QTest::addColumn<int>("hata");
        const auto Satır = [](const char* ad, const QString& deyim, const QString& sqlite) {
            QTest::newRow(ad) << deyim << sqlite << 0;
        };
        Satır("DELETE *", u"DELETE * FROM T WHERE Nosu=1"_s, u"DELETE FROM T WHERE Nosu=1"_s);
        Satır("tarih", u"SELECT * FROM T WHERE G BETWEEN #3/1/2024# AND #12/31/100#"_s,
              u"SELECT * FROM T WHERE G BETWEEN '2024-03-01' AND '0100-12-31'"_s);
        // A quote right beside a date would read as an escaped quote and join the texts.
        Satır("bitişik tarih", u"#1/2/2024#'a'#1/3/2024#'b'"_s,
              u"'2024-01-02' 'a' '2024-01-03' 'b'"_s);
        Satır(
            "türkçe sütunlar",
            u"SELECT * FROM T WHERE KurumAdi='k' OR Servisi='s' ORDER BY AdiSoyadi, Unvani, SiraNo"_s,
            u"SELECT * FROM T WHERE KurumAdi COLLATE TR='k' OR Servisi COLLATE TR='s' ORDER BY "
            u"AdiSoyadi COLLATE TR, Unvani COLLATE TR, SiraNo COLLATE TR_SIRA"_s);
        Satır("boş ve kaçışlı metin", u"SELECT 1 WHERE Servisi='' OR Unvani='o''n Servisi'"_s,
              u"SELECT 1 WHERE Servisi COLLATE TR='' OR Unvani COLLATE TR='o''n Servisi'"_s);
        Satır("DISTINCT", u"SELECT DISTINCT Servisi FROM T"_s,
              u"SELECT DISTINCT Servisi COLLATE TR AS Servisi FROM T"_s);
        Satır("metin", u"SELECT 1 WHERE Nosu='DELETE * #3/1/2024# Servisi'"_s,
              u"SELECT 1 WHERE Nosu='DELETE * #3/1/2024# Servisi'"_s);
        const QString sil = u"DELETE * FROM TatilTarihleriTablosu WHERE TatilTarihi="_s;
        QTest::newRow("olmayan gün") << sil + u"#2/30/2024#"_s << QString() << 3075;
        QTest::newRow("beş basamaklı yıl") << sil + u"#1/3/20244#"_s << QString() << 3075;
        QTest::newRow("iki basamaklı yıl") << sil + u"#1/3/99#"_s << QString() << 3075;
        QTest::newRow("iki deyim")
            << u"DELETE * FROM KurumTablosu; DELETE * FROM KurumTablosu"_s << QString() << 3075;
        QTest::newRow("olmayan tablo") << u"DELETE * FROM YokTablosu"_s << QString() << 3075;
        QTest::newRow("zorunlu alan")
            << u"INSERT INTO KurumTablosu (KurumAdi) VALUES (NULL)"_s << QString() << 3162;
        QTest::newRow("sonda boşluk") << u"DELETE * FROM KurumTablosu; \r\n\t"_s
                                      << u"DELETE FROM KurumTablosu; \r\n\t"_s << 0;
    }
    void deyimler()
    {
        QFETCH(QString, deyim);
        QFETCH(QString, sqlite);
        QFETCH(int, hata);
        if (!sqlite.isEmpty())
            QCOMPARE(SQLiteDeyimi(deyim), sqlite);
        if (hata || deyim.contains(u"Tablosu"_s))
            QCOMPARE(HataNumarası([&] { Veritabanı.Çalıştır(deyim); }), hata);
        QCOMPARE(Sütun(u"SELECT HaftaIciSuresi FROM MesaiSüreleriTablosu"_s, u"HaftaIciSuresi"_s),
                 QStringList{u"8"_s});
    }

    // Texts stored as typed, and values that would end their quotes or stand bare as a number
    // never made into a statement, so a save cannot add a row nobody checked.
    void metinler_data()
    {
        QTest::addColumn<QString>("sicil");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("hata");
        QTest::newRow("diyez") << u"7"_s << u"Oda #12 # B"_s << 0;
        QTest::newRow("tarih gibi") << u"7"_s << u"Yazı/İşleri #2/30/2024#"_s << 0;
        QTest::newRow("deyim gibi") << u"7"_s << u"DELETE * FROM SELECT DISTINCT Servisi"_s << 0;
        QTest::newRow("türkçe") << u"7"_s << u"Şükrü’nün \"İĞNE\" -- ışığı"_s << 0;
        QTest::newRow("tırnak") << u"7"_s << u"ali o'brien"_s << 3075;
        QTest::newRow("sicilde deyim") << u"7, 'x', 'y', 'z', '1'), (8"_s << u"a"_s << 3075;
        QTest::newRow("boş sicil") << QString() << u"Ali"_s << 3075;
    }
    void metinler()
    {
        QFETCH(QString, sicil);
        QFETCH(QString, metin);
        QFETCH(int, hata);
        Ekle(u"Diğer"_s, u"Başka"_s);
        QCOMPARE(HataNumarası([&] {
                     Veritabanı.Çalıştır(Deyim::PersonelEkle(sicil, metin, metin, metin, metin));
                 }),
                 hata);
        const qint32 nosu = Sütun(Deyim::ServisPersoneli(u"Başka"_s), u"Nosu"_s)[0].toInt() + 1;
        QCOMPARE(HataNumarası([&] {
                     Veritabanı.Çalıştır(
                         Deyim::PersonelGüncelle(sicil, metin, metin, metin + u"2"_s, metin, nosu));
                 }),
                 hata);
        QCOMPARE(Sütun(Deyim::Servisler(), u"Servisi"_s),
                 hata ? QStringList{u"Başka"_s} : QStringList({u"Başka"_s, metin + u"2"_s}));
        QCOMPARE(Sütun(Deyim::PersonelAyrıntısı(nosu), u"Unvani"_s),
                 hata ? QStringList() : QStringList{metin});
    }

    // Services in Turkish order, one of each however typed and found in any letter case, but ç
    // is not c and ı is not i; staff by the value of their order numbers, a missing one first.
    void turkceSiraVeSiraNo()
    {
        const QStringList sıralı = {u"cem"_s,  u"Çiçek"_s, u"Ğ"_s,     u"Ilgaz"_s,
                                    u"ışık"_s, u"İpek"_s,  u"irmak"_s, u"Oya"_s,
                                    u"Ömer"_s, u"Şule"_s,  u"Üzüm"_s};
        const QStringList sıralar = {u"10"_s, u"2"_s,   u"100"_s, QString(), u"1"_s, u"09"_s,
                                     u"3"_s,  u"002"_s, u"8"_s,   u"11"_s,   u"4"_s};
        for (int i : {10, 2, 9, 0, 5, 7, 1, 3, 6, 4, 8})
            Ekle(sıralı[i], sıralı[i], sıralar[i]);
        for (const QString& s : {u"ÇİÇEK"_s, u"ipek"_s, u"IŞIK"_s, u"Cem"_s})
            Ekle(s, s, u"50"_s);
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(türkçe.toLower(Sütun(Deyim::Servisler(), u"Servisi"_s).join(u'|')),
                 türkçe.toLower(sıralı.join(u'|')));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"IŞIK"_s)), QStringList({u"ışık"_s, u"IŞIK"_s}));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"İRMAK"_s)).size(), 1);
        QVERIFY(Sütun(Deyim::ServisPersoneli(u"cicek"_s)).isEmpty());
        QVERIFY(Sütun(Deyim::ServisPersoneli(u"ilgaz"_s)).isEmpty());
        QCOMPARE(Sütun(Deyim::TümPersonel(), u"SiraNo"_s).mid(0, 7),
                 QStringList({QString(), u"1"_s, u"002"_s, u"2"_s, u"3"_s, u"4"_s, u"8"_s}));
    }

    void kayitKumeleri()
    {
        Ekle(u"Ayşe Öztürk"_s, u"İdari"_s, u"7"_s);
        const qint32 nosu = Sütun(Deyim::TümPersonel(), u"Nosu"_s)[0].toInt();
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        QCOMPARE(k.Alan(0).toInt(), nosu);
        QCOMPARE(k.Alan(2).toString(), u"Ayşe Öztürk"_s);
        QCOMPARE(k.Alan(5).toString(), u"7"_s);
        QCOMPARE(HataNumarası([&] { k.Alan(6); }), 3265);
        QCOMPARE(HataNumarası([&] { k.Alan(u"Yok"_s); }), 3265);
        k.SonrakineGeç();
        QVERIFY(k.EOF_() && !k.BOF_());
        QCOMPARE(HataNumarası([&] { k.Alan(0); }), HataNo::GeçerliKayıtYok);
        QCOMPARE(HataNumarası([&] { k.SonrakineGeç(); }), HataNo::GeçerliKayıtYok);
        // A deleted registry number is never given again.
        Veritabanı.Çalıştır(Deyim::PersoneliSil(nosu));
        Ekle(u"Can"_s, u"A"_s);
        QVERIFY(Sütun(Deyim::TümPersonel(), u"Nosu"_s)[0].toInt() > nosu);

        TabloKümesi t = Veritabanı.TabloAç(u"TatilTarihleriTablosu"_s);
        QCOMPARE(HataNumarası([&] { t.AlanıAyarla(u"TatilTarihi"_s, QDate()); }), 3020);
        int kaçıncı = 0;
        for (int gün : {29, 1, 31, 18, 18}) {
            t.YeniEkle();
            t.AlanıAyarla(u"TatilTarihi"_s, QDate(2024, gün == 29 ? 2 : 3, gün));
            QCOMPARE(HataNumarası([&] { t.Güncelle(); }),
                     ++kaçıncı == 5 ? HataNo::YinelenenDeğer : 0);
        }
        Veritabanı.Çalıştır(Deyim::TatilSil(QDate(2024, 3, 1)));
        const QString tatiller = Deyim::TatilAralığı(QDate(2024, 2, 29), QDate(2024, 3, 31));
        QCOMPARE(Veritabanı.KayıtKümesiAç(tatiller).Alan(0).typeId(), QMetaType::QDate);
        QCOMPARE(Sütun(tatiller, u"TatilTarihi"_s),
                 QStringList({u"2024-02-29"_s, u"2024-03-18"_s, u"2024-03-31"_s}));
        QCOMPARE(HataNumarası([] { Veritabanı.TabloAç(u"YokTablosu"_s); }), 3078);
    }

    void acilisKilitVeDisk()
    {
        const QString yol = ortam->VeritabanıYolu(), klasör = ortam->ProgramKlasörü();
        Veritabanı.Kapat();
        QCOMPARE(HataNumarası([] { Ekle(u"A"_s, u"B"_s); }), HataNo::NesneAyarlanmamış);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + u"yok/Tsr.vtb"_s); }),
                 HataNo::GeçersizYol);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + u"Yok.vtb"_s); }),
                 HataNo::DosyaAçılamıyor);
        QVERIFY(!QFile::exists(klasör + u"Yok.vtb"_s));

        // Another program holding the file, as it would with a connection of its own.
        sqlite3* başka = nullptr;
        sqlite3_open(QFile::encodeName(yol).constData(), &başka);
        QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(yol); }), HataNo::ÖzelKullanımda);
        sqlite3_exec(başka, "COMMIT; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        Veritabanı.Aç(yol);
        QCOMPARE(HataNumarası([] { Ekle(u"A"_s, u"B"_s); }), HataNo::KilitliKayıt);
        sqlite3_exec(başka, "COMMIT", nullptr, nullptr, nullptr);
        // A record set left unread keeps no lock once it is gone.
        Ekle(u"Ali"_s, u"A"_s);
        Ekle(u"Can"_s, u"A"_s);
        Veritabanı.KayıtKümesiAç(Deyim::TümPersonel());
        QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE; COMMIT", nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(başka);

        // A program folder that takes no new file: no journal, so no write.
        std::optional<Değişmez> kilit;
        if (!kilit.emplace(klasör).Kurulu())
            QSKIP("chattr kullanılamıyor");
        QCOMPARE(HataNumarası([] { Ekle(u"Ece"_s, u"A"_s); }), HataNo::SaltOkunur);
        kilit.reset();
        if (!ortam->VeritabanınıDoluDiskeTaşı())
            QSKIP("tmpfs bağlanamadı");
        const QString uzun(1500, QLatin1Char('x'));
        QCOMPARE(HataNumarası([&] { Ekle(uzun, uzun, uzun); }), HataNo::DiskDolu);
        QCOMPARE(Sütun(Deyim::TümPersonel()), QStringList({u"Ali"_s, u"Can"_s}));
    }

    // The test runs itself again as a writer that prints each registry number once its save
    // has returned, and kills it outright: the file must pass the integrity check and hold every
    // reported row, and at most the one save under way besides.
    void oldurulenYaziciKayitKaybetmez_data()
    {
        QTest::addColumn<int>("satır");
        QTest::newRow("ilk kayıtlarda") << 5;
        QTest::newRow("dört yüz kayıttan sonra") << 400;
    }
    void oldurulenYaziciKayitKaybetmez()
    {
        QFETCH(int, satır);
        Veritabanı.Kapat();
        QProcess yazıcı;
        yazıcı.start(QCoreApplication::applicationFilePath(), {ortam->VeritabanıYolu()});
        QStringList bildirilen;
        while (bildirilen.size() < satır) {
            QVERIFY(yazıcı.waitForReadyRead(10000));
            bildirilen += QString::fromLatin1(yazıcı.readAllStandardOutput()).split(u'\n');
        }
        yazıcı.kill();
        QVERIFY(yazıcı.waitForFinished());
        bildirilen += QString::fromLatin1(yazıcı.readAllStandardOutput()).split(u'\n');
        bildirilen.removeAll(QString());
        Veritabanı.Aç(ortam->VeritabanıYolu());
        QCOMPARE(Sütun(u"PRAGMA integrity_check"_s, u"integrity_check"_s), QStringList{u"ok"_s});
        const QStringList kayıtlı = Sütun(Deyim::TümPersonel(), u"SiraNo"_s);
        QCOMPARE(kayıtlı.mid(0, bildirilen.size()), bildirilen);
        QVERIFY(kayıtlı.size() <= bildirilen.size() + 1);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    if (argc == 2 && QFile::exists(QString::fromLocal8Bit(argv[1]))) {
        Veritabanı.Aç(QString::fromLocal8Bit(argv[1]));
        for (int i = 1;; ++i) {
            Ekle(u"Ayşe IŞIK"_s, u"İdari İşler"_s, QString::number(i));
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
    }
    TestVeritabani test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestVeritabanı.moc"
