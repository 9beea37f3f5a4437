// The database file and the connection: the translation of statements, texts kept as typed,
// Turkish order and letter case, order numbers, holidays, the two kinds of record set and the
// engine error numbers, against a real file.

#include "common/Hata.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/DeyimÇevirici.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QTest>
#include <optional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const QString A = u"A"_s;

void Ekle(const QString& sicil, const QString& ad, const QString& servis,
          const QString& sıra = u"1"_s)
{
    Veritabanı.Çalıştır(Deyim::PersonelEkle(sicil, ad, u"Memur"_s, servis, sıra));
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

    void ceviri_data()
    {
        QTest::addColumn<QString>("deyim");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("DELETE *") << u"DELETE * FROM T WHERE Nosu=1"_s
                                  << u"DELETE FROM T WHERE Nosu=1"_s;
        QTest::newRow("tarih")
            << u"SELECT * FROM T WHERE G BETWEEN #3/1/2024# AND #12/31/100#"_s
            << u"SELECT * FROM T WHERE G BETWEEN '2024-03-01' AND '0100-12-31'"_s;
        // A quote right beside a date would read as an escaped quote and join the texts.
        QTest::newRow("bitişik tarih")
            << u"SELECT 'a'#1/2/2024#'b'"_s << u"SELECT 'a' '2024-01-02' 'b'"_s;
        QTest::newRow("türkçe sütunlar")
            << u"SELECT * FROM T WHERE KurumAdi='k' OR Servisi='s' ORDER BY AdiSoyadi, Unvani, SiraNo"_s
            << QStringLiteral("SELECT * FROM T WHERE KurumAdi COLLATE TR='k' OR Servisi COLLATE "
                              "TR='s' ORDER BY AdiSoyadi COLLATE TR, Unvani COLLATE TR, SiraNo "
                              "COLLATE TR_SIRA");
        QTest::newRow("DISTINCT") << u"SELECT DISTINCT Servisi FROM T"_s
                                  << u"SELECT DISTINCT Servisi COLLATE TR AS Servisi FROM T"_s;
        QTest::newRow("metin")
            << u"SELECT Unvani FROM T WHERE Nosu='DELETE * #3/1/2024# Servisi'"_s
            << u"SELECT Unvani FROM T WHERE Nosu='DELETE * #3/1/2024# Servisi'"_s;
    }
    void ceviri()
    {
        QFETCH(QString, deyim);
        QFETCH(QString, sqlite);
        QCOMPARE(SQLiteDeyimi(deyim), sqlite);
    }

    void ilkDosyaVeSutunSirasi()
    {
        QVERIFY(Sütun(Deyim::TümPersonel()).isEmpty());
        QVERIFY(Sütun(u"SELECT KurumAdi FROM KurumTablosu"_s, u"KurumAdi"_s).isEmpty());
        TabloKümesi mesai = Veritabanı.TabloAç(u"MesaiSüreleriTablosu"_s);
        QVERIFY(mesai.Alan(u"HaftaIciSuresi"_s).toInt() > 0);
        QVERIFY(mesai.Alan(u"HaftaSonuSuresi"_s).toInt() > 0);
        mesai.SonrakineGeç();
        QVERIFY(mesai.EOF_());

        Ekle(u"1"_s, u"Bir"_s, A);
        Ekle(u"4711"_s, u"Ayşe Öztürk"_s, u"İdari"_s, u"7"_s);
        const QStringList nolar = Sütun(Deyim::TümPersonel(), u"Nosu"_s);
        const qint32 nosu = nolar[1].toInt();
        QVERIFY(nolar[0].toInt() > 0 && nosu > nolar[0].toInt());
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        QCOMPARE(k.Alan(0).toInt(), nosu);
        QCOMPARE(k.Alan(1).toLongLong(), 4711);
        QCOMPARE(k.Alan(2).toString(), u"Ayşe Öztürk"_s);
        QCOMPARE(k.Alan(3).toString(), u"Memur"_s);
        QCOMPARE(k.Alan(4).toString(), u"İdari"_s);
        QCOMPARE(k.Alan(5).toString(), u"7"_s);
        QCOMPARE(HataNumarası([&] { k.Alan(6); }), 3265);
        k.SonrakineGeç();
        QVERIFY(k.EOF_() && !k.BOF_());
        QCOMPARE(HataNumarası([&] { k.Alan(0); }), HataNo::GeçerliKayıtYok);
        QCOMPARE(HataNumarası([&] { k.SonrakineGeç(); }), HataNo::GeçerliKayıtYok);
        // Registry numbers go up and a deleted one is never given again.
        Veritabanı.Çalıştır(Deyim::PersoneliSil(nosu));
        Ekle(u"3"_s, u"Üç"_s, A, u"9"_s);
        QVERIFY(Sütun(Deyim::TümPersonel(), u"Nosu"_s)[1].toInt() > nosu);
    }

    // Statements 2 to 8 with texts the translation layer must leave alone.
    void metinlerDokunulmadanKalir_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("diyez") << u"Oda #12 # B"_s;
        QTest::newRow("tarih gibi") << u"Yazı/İşleri #3/1/2024#"_s;
        QTest::newRow("deyim gibi") << u"DELETE * FROM SELECT DISTINCT Servisi"_s;
        QTest::newRow("yorum") << u"a -- b; c /* d */"_s;
        QTest::newRow("türkçe") << u"Şükrü Çağlayan’ın \"İĞNE\" ışığı"_s;
    }
    void metinlerDokunulmadanKalir()
    {
        QFETCH(QString, metin);
        Ekle(u"900"_s, u"Diğer"_s, u"Başka"_s);
        Ekle(u"901"_s, metin, metin, u"5"_s);
        const qint32 nosu = Sütun(Deyim::TümPersonel(), u"Nosu"_s)[1].toInt();
        QCOMPARE(Sütun(Deyim::ServisPersoneli(metin)), QStringList{metin});
        QVERIFY(Sütun(Deyim::Servisler(), u"Servisi"_s).contains(metin));
        // Not a calendar day: translated as a date it would be refused.
        const QString yeni = metin + u" #2/30/2024#"_s;
        Veritabanı.Çalıştır(Deyim::PersonelGüncelle(u"902"_s, yeni, metin, yeni, u"6"_s, nosu));
        QCOMPARE(Sütun(Deyim::PersonelAyrıntısı(nosu), u"Servisi"_s), QStringList{yeni});
        QCOMPARE(Sütun(Deyim::PersonelAyrıntısı(nosu), u"Unvani"_s), QStringList{metin});
        QVERIFY(Sütun(Deyim::SicilArama(u"901"_s)).isEmpty());
        Veritabanı.Çalıştır(Deyim::PersoneliSil(nosu));
        QCOMPARE(Sütun(Deyim::TümPersonel()), QStringList{u"Diğer"_s});
    }

    // A value that would end its quotes or stand bare as a number never becomes a statement, so
    // one save can never insert a second row nobody checked.
    void deyimTirnakliDegeriReddeder_data()
    {
        QTest::addColumn<QString>("sicil");
        QTest::addColumn<QString>("ad");
        const QString iki = u"ayşe', 'a', 'b', '1'), (99, 'ikinci"_s;
        QTest::newRow("adda tırnak") << u"7"_s << u"ali o'brien"_s;
        QTest::newRow("ikinci kayıt") << u"7"_s << iki;
        QTest::newRow("sicilde deyim") << u"7, 'x', 'y', 'z', '1'), (8"_s << iki;
        QTest::newRow("boş sicil") << QString() << u"Ali"_s;
    }
    void deyimTirnakliDegeriReddeder()
    {
        QFETCH(QString, sicil);
        QFETCH(QString, ad);
        QCOMPARE(HataNumarası([&] { Deyim::PersonelEkle(sicil, ad, A, A, A); }), 3075);
        QCOMPARE(HataNumarası([&] { Deyim::PersonelGüncelle(sicil, ad, A, A, A, 1); }), 3075);
        QCOMPARE(HataNumarası([&] { Deyim::ServisPersoneli(ad); }), sicil.isEmpty() ? 0 : 3075);
    }

    // Services in Turkish order, one of each however its letters were typed, and found in any
    // letter case, but ç is not c and ı is not i.
    void servislerTurkceSiradaVeHarfBuyuklugunden()
    {
        const QStringList sıralı = {u"cem"_s,  u"Çiçek"_s, u"Gül"_s,   u"Ğ servisi"_s, u"Ilgaz"_s,
                                    u"ışık"_s, u"İpek"_s,  u"irmak"_s, u"Oya"_s,       u"Ömer"_s,
                                    u"Su"_s,   u"Şule"_s,  u"Ufuk"_s,  u"Üzüm"_s,      u"zeytin"_s};
        const QStringList ikinciler = {u"ÇİÇEK"_s, u"ipek"_s, u"IŞIK"_s, u"şule"_s, u"Cem"_s};
        int sicil = 0;
        for (int i : {13, 2, 9, 0, 14, 5, 11, 7, 1, 12, 3, 10, 6, 4, 8})
            Ekle(QString::number(++sicil), sıralı[i], sıralı[i]);
        for (const QString& s : ikinciler)
            Ekle(QString::number(++sicil), s, s);
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QStringList servisler = Sütun(Deyim::Servisler(), u"Servisi"_s);
        for (QString& s : servisler)
            s = türkçe.toLower(s);
        QCOMPARE(servisler, türkçe.toLower(sıralı.join(u'|')).split(u'|'));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"ÇİÇEK"_s)).size(), 2);
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"IŞIK"_s)).size(), 2);
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"İRMAK"_s)).size(), 1);
        QVERIFY(Sütun(Deyim::ServisPersoneli(u"cicek"_s)).isEmpty());
        QVERIFY(Sütun(Deyim::ServisPersoneli(u"ilgaz"_s)).isEmpty());
    }

    void siraNolarSayiDegerineGoreSiralanir()
    {
        const QStringList adlar = {u"On"_s,  u"İki"_s,   u"Yüz"_s, u"Boş"_s,
                                   u"Bir"_s, u"Dokuz"_s, u"Üç"_s,  u"Sıfır İki"_s};
        const QStringList sıralar = {u"10"_s, u"2"_s,  u"100"_s, QString(),
                                     u"1"_s,  u"09"_s, u"3"_s,   u"002"_s};
        for (int i = 0; i < adlar.size(); ++i)
            Ekle(QString::number(i + 1), adlar[i], u"Servis"_s, sıralar[i]);
        // A row written before order numbers were kept reads as an empty order number.
        Veritabanı.Çalıştır(QStringLiteral("INSERT INTO PersonelBilgileriTablosu (Sicili, "
                                           "AdiSoyadi, Unvani, Servisi) VALUES (99, 'Eski', "
                                           "'Memur', 'Servis')"));
        QCOMPARE(Sütun(Deyim::TümPersonel()),
                 QStringList({u"Eski"_s, u"Boş"_s, u"Bir"_s, u"Sıfır İki"_s, u"İki"_s, u"Üç"_s,
                              u"Dokuz"_s, u"On"_s, u"Yüz"_s}));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(u"servis"_s), u"SiraNo"_s).mid(0, 4),
                 QStringList({QString(), QString(), u"1"_s, u"002"_s}));
        QVERIFY(Veritabanı.KayıtKümesiAç(Deyim::TümPersonel()).Alan(u"SiraNo"_s).isNull());
    }

    void tatillerVeTabloKumesi()
    {
        TabloKümesi t = Veritabanı.TabloAç(u"TatilTarihleriTablosu"_s);
        const QList<QDate> günler = {QDate(2024, 2, 29), QDate(2024, 3, 1), QDate(2024, 3, 31),
                                     QDate(2024, 3, 18), QDate(2024, 4, 1), QDate(2024, 3, 18)};
        for (int i = 0; i < günler.size(); ++i) {
            t.YeniEkle();
            t.AlanıAyarla(u"TatilTarihi"_s, günler[i]);
            QCOMPARE(HataNumarası([&] { t.Güncelle(); }), i == 5 ? HataNo::YinelenenDeğer : 0);
        }
        SonuçKümesi k =
            Veritabanı.KayıtKümesiAç(Deyim::TatilAralığı(QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QCOMPARE(k.Alan(0).typeId(), QMetaType::QDate);
        QCOMPARE(
            Sütun(Deyim::TatilAralığı(QDate(2024, 3, 1), QDate(2024, 3, 31)), u"TatilTarihi"_s),
            QStringList({u"2024-03-01"_s, u"2024-03-18"_s, u"2024-03-31"_s}));
        Veritabanı.Çalıştır(Deyim::TatilSil(QDate(2024, 3, 18)));
        QCOMPARE(
            Sütun(Deyim::TatilAralığı(QDate(2024, 1, 1), QDate(2024, 12, 31)), u"TatilTarihi"_s),
            QStringList({u"2024-02-29"_s, u"2024-03-01"_s, u"2024-03-31"_s, u"2024-04-01"_s}));

        TabloKümesi kurum = Veritabanı.TabloAç(u"KurumTablosu"_s);
        QVERIFY(kurum.EOF_());
        QCOMPARE(HataNumarası([&] { kurum.AlanıAyarla(u"KurumAdi"_s, u"X"_s); }), 3020);
        kurum.YeniEkle();
        kurum.AlanıAyarla(u"KurumAdi"_s, u"Şişli"_s);
        kurum.Güncelle();
        kurum = Veritabanı.TabloAç(u"KurumTablosu"_s);
        kurum.Düzenle();
        kurum.AlanıAyarla(u"KurumAdi"_s, u"Çankaya"_s);
        kurum.Güncelle();
        QCOMPARE(kurum.Alan(u"KurumAdi"_s).toString(), u"Çankaya"_s);
        QCOMPARE(Sütun(u"SELECT KurumAdi FROM KurumTablosu"_s, u"KurumAdi"_s),
                 QStringList{u"Çankaya"_s});
        QCOMPARE(HataNumarası([] { Veritabanı.TabloAç(u"YokTablosu"_s); }), 3078);
    }

    void deyimHatalari_data()
    {
        QTest::addColumn<QString>("deyim");
        QTest::addColumn<int>("numara");
        const QString sil = u"DELETE * FROM TatilTarihleriTablosu WHERE TatilTarihi="_s;
        QTest::newRow("olmayan gün") << sil + u"#2/30/2024#"_s << 3075;
        QTest::newRow("beş basamaklı yıl") << sil + u"#1/3/20244#"_s << 3075;
        QTest::newRow("iki basamaklı yıl") << sil + u"#1/3/99#"_s << 3075;
        QTest::newRow("iki deyim")
            << u"DELETE * FROM KurumTablosu; DELETE * FROM KurumTablosu"_s << 3075;
        QTest::newRow("sonda boşluk") << u"DELETE * FROM KurumTablosu; \r\n\t"_s << 0;
        QTest::newRow("olmayan tablo") << u"DELETE * FROM YokTablosu"_s << 3075;
        QTest::newRow("zorunlu alan")
            << u"INSERT INTO KurumTablosu (KurumAdi) VALUES (NULL)"_s << 3162;
    }
    void deyimHatalari()
    {
        QFETCH(QString, deyim);
        QFETCH(int, numara);
        QCOMPARE(HataNumarası([&] { Veritabanı.Çalıştır(deyim); }), numara);
        QCOMPARE(
            Sütun(u"SELECT HaftaIciSuresi FROM MesaiSüreleriTablosu"_s, u"HaftaIciSuresi"_s).size(),
            1);
    }

    void acilisKilitVeDoluDiskHatalari()
    {
        const QString yol = ortam->VeritabanıYolu();
        const QString klasör = ortam->ProgramKlasörü();
        Veritabanı.Kapat();
        QCOMPARE(HataNumarası([] { Veritabanı.Çalıştır(Deyim::PersoneliSil(1)); }),
                 HataNo::NesneAyarlanmamış);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + u"yok/Tsr.vtb"_s); }),
                 HataNo::GeçersizYol);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + u"Yok.vtb"_s); }),
                 HataNo::DosyaAçılamıyor);
        QFile çöp(klasör + u"Çöp.vtb"_s);
        QVERIFY(çöp.open(QIODevice::WriteOnly));
        çöp.write(QByteArray(4096, 'x'));
        çöp.close();
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(çöp.fileName()); }), HataNo::DosyaAçılamıyor);
        QCOMPARE(QFileInfo(çöp.fileName()).size(), 4096);
        QVERIFY(!Veritabanı.AçıkMı());

        // Another program holding the file, as it would with a connection of its own.
        sqlite3* başka = nullptr;
        sqlite3_open(QFile::encodeName(yol).constData(), &başka);
        QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(yol); }), HataNo::ÖzelKullanımda);
        sqlite3_exec(başka, "COMMIT; BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        Veritabanı.Aç(yol);
        QCOMPARE(HataNumarası([] { Ekle(u"1"_s, u"A"_s, u"B"_s); }), HataNo::KilitliKayıt);
        sqlite3_exec(başka, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(başka);

        Ekle(u"5"_s, u"Ali Kaya"_s, A);
        if (!ortam->VeritabanınıDoluDiskeTaşı())
            QSKIP("tmpfs bağlanamadı");
        const QString uzun(1500, QLatin1Char('x'));
        QCOMPARE(HataNumarası([&] { Ekle(u"6"_s, uzun, uzun, uzun); }), HataNo::DiskDolu);
        QCOMPARE(Sütun(Deyim::TümPersonel()), QStringList{u"Ali Kaya"_s});
    }
};

QTEST_GUILESS_MAIN(TestVeritabani)
#include "TestVeritabanı.moc"
