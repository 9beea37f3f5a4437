// The database file and the connection: schema, every statement form through the translation
// layer against a real file, Turkish order, order numbers, the duplicate holiday and the engine
// error numbers.

#include "common/Hata.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/DeyimÇevirici.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <optional>
#include <sqlite3.h>

namespace {

void Ekle(const QString& sicil, const QString& ad, const QString& servis, const QString& sıra,
          const QString& ünvan = QStringLiteral("Memur"))
{
    Veritabanı.Çalıştır(Deyim::PersonelEkle(sicil, ad, ünvan, servis, sıra));
}

// One column of every row of a SELECT, as text.
QStringList Sütun(const QString& seçim, const QString& sütun)
{
    QStringList sonuç;
    SonuçKümesi küme = Veritabanı.KayıtKümesiAç(seçim);
    while (!küme.EOF_()) {
        sonuç << küme.Alan(sütun).toString();
        küme.SonrakineGeç();
    }
    küme.Kapat();
    return sonuç;
}

qint32 NosuBul(const QString& ad)
{
    SonuçKümesi küme = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel());
    while (!küme.EOF_()) {
        if (küme.Alan(QStringLiteral("AdiSoyadi")).toString() == ad)
            return küme.Alan(QStringLiteral("Nosu")).toInt();
        küme.SonrakineGeç();
    }
    return -1;
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

// A second connection of its own, as another program would hold one.
struct BaşkaBağlantı
{
    explicit BaşkaBağlantı(const QString& yol)
    {
        sqlite3_open(QFile::encodeName(yol).constData(), &b);
    }
    ~BaşkaBağlantı() { sqlite3_close(b); }
    bool Çalıştır(const char* deyim)
    {
        return sqlite3_exec(b, deyim, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    sqlite3* b = nullptr;
};

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

    void ilkDosyaDortTabloyuVeBirMesaiSatiriniTutar()
    {
        QCOMPARE(
            Sütun(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' "
                                 "AND name NOT LIKE 'sqlite%' ORDER BY name"),
                  QStringLiteral("name")),
            QStringList({QStringLiteral("KurumTablosu"), QStringLiteral("MesaiSüreleriTablosu"),
                         QStringLiteral("PersonelBilgileriTablosu"),
                         QStringLiteral("TatilTarihleriTablosu")}));
        SonuçKümesi boş = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel());
        QVERIFY(boş.EOF_() && boş.BOF_());
        QCOMPARE(HataNumarası([&] { boş.SonrakineGeç(); }), HataNo::GeçerliKayıtYok);
        boş.Kapat();
        QVERIFY(
            Sütun(QStringLiteral("SELECT KurumAdi FROM KurumTablosu"), QStringLiteral("KurumAdi"))
                .isEmpty());
        TabloKümesi mesai = Veritabanı.TabloAç(QStringLiteral("MesaiSüreleriTablosu"));
        QVERIFY(!mesai.EOF_());
        QVERIFY(mesai.Alan(QStringLiteral("HaftaIciSuresi")).toInt() > 0);
        QVERIFY(mesai.Alan(QStringLiteral("HaftaSonuSuresi")).toInt() > 0);
        mesai.SonrakineGeç();
        QVERIFY(mesai.EOF_());
    }

    void tumSutunlarSirasiylaOkunur()
    {
        Ekle(QStringLiteral("4711"), QStringLiteral("Ayşe Öztürk"), QStringLiteral("İdari İşler"),
             QStringLiteral("7"), QStringLiteral("Şef"));
        const qint32 nosu = NosuBul(QStringLiteral("Ayşe Öztürk"));
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        QVERIFY(!k.EOF_() && !k.BOF_());
        QCOMPARE(k.Alan(0).toInt(), nosu);
        QCOMPARE(k.Alan(1).toLongLong(), 4711);
        QCOMPARE(k.Alan(2).toString(), QStringLiteral("Ayşe Öztürk"));
        QCOMPARE(k.Alan(3).toString(), QStringLiteral("Şef"));
        QCOMPARE(k.Alan(4).toString(), QStringLiteral("İdari İşler"));
        QCOMPARE(k.Alan(5).toString(), QStringLiteral("7"));
        QCOMPARE(HataNumarası([&] { k.Alan(6); }), 3265);
        k.SonrakineGeç();
        QVERIFY(k.EOF_());
        QCOMPARE(HataNumarası([&] { k.Alan(0); }), HataNo::GeçerliKayıtYok);
    }

    void nosuMotorcaVerilirVeYenidenKullanilmaz()
    {
        Ekle(QStringLiteral("1"), QStringLiteral("Bir"), QStringLiteral("A"), QStringLiteral("1"));
        Ekle(QStringLiteral("2"), QStringLiteral("İki"), QStringLiteral("A"), QStringLiteral("2"));
        const qint32 ilk = NosuBul(QStringLiteral("Bir"));
        const qint32 ikinci = NosuBul(QStringLiteral("İki"));
        QVERIFY(ilk > 0);
        QVERIFY(ikinci > ilk);
        Veritabanı.Çalıştır(Deyim::PersoneliSil(ikinci));
        Ekle(QStringLiteral("3"), QStringLiteral("Üç"), QStringLiteral("A"), QStringLiteral("3"));
        QVERIFY(NosuBul(QStringLiteral("Üç")) > ikinci);
    }

    // Statements 2 to 8 with texts the translation layer must leave alone.
    void deyimlerMetniDegistirmez_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("diyez") << QStringLiteral("Oda #12");
        QTest::newRow("iki diyez") << QStringLiteral("A # B # C");
        QTest::newRow("tarih gibi") << QStringLiteral("#3/1/2024#");
        QTest::newRow("eğik çizgi") << QStringLiteral("Yazı/İşleri 3/1/2024");
        QTest::newRow("DELETE *") << QStringLiteral("DELETE * FROM PersonelBilgileriTablosu");
        QTest::newRow("sözcükler") << QStringLiteral("SELECT DISTINCT Servisi ORDER BY WHERE");
        QTest::newRow("yorum ve noktalı virgül") << QStringLiteral("a -- b; c /* d */");
        QTest::newRow("türkçe") << QStringLiteral("Şükrü Çağlayan’ın İĞNE ışığı");
        QTest::newRow("çift tırnak") << QStringLiteral("\"Kalite\" Birimi");
    }
    void deyimlerMetniDegistirmez()
    {
        QFETCH(QString, metin);
        Ekle(QStringLiteral("900"), QStringLiteral("Diğer Kişi"), QStringLiteral("Başka"),
             QStringLiteral("1"));
        Veritabanı.Çalıştır(
            Deyim::PersonelEkle(QStringLiteral("901"), metin, metin, metin, QStringLiteral("5")));
        const qint32 nosu = NosuBul(metin);
        QVERIFY(nosu > 0);

        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        QCOMPARE(k.Alan(QStringLiteral("AdiSoyadi")).toString(), metin);
        QCOMPARE(k.Alan(QStringLiteral("Unvani")).toString(), metin);
        QCOMPARE(k.Alan(QStringLiteral("Servisi")).toString(), metin);
        k.Kapat();

        QCOMPARE(Sütun(Deyim::ServisPersoneli(metin), QStringLiteral("AdiSoyadi")),
                 QStringList{metin});
        QVERIFY(Sütun(Deyim::Servisler(), QStringLiteral("Servisi")).contains(metin));
        QCOMPARE(Sütun(Deyim::SicilArama(QStringLiteral("901")), QStringLiteral("Sicili")),
                 QStringList{QStringLiteral("901")});

        // Not a calendar day: translated as a date it would be refused.
        const QString yeniSiz = metin + QStringLiteral(" #2/30/2024#");
        Veritabanı.Çalıştır(Deyim::PersonelGüncelle(QStringLiteral("902"), yeniSiz, metin, yeniSiz,
                                                    QStringLiteral("6"), nosu));
        k = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        QCOMPARE(k.Alan(1).toLongLong(), 902);
        QCOMPARE(k.Alan(2).toString(), yeniSiz);
        QCOMPARE(k.Alan(3).toString(), metin);
        QCOMPARE(k.Alan(4).toString(), yeniSiz);
        QCOMPARE(k.Alan(5).toString(), QStringLiteral("6"));
        k.Kapat();
        QVERIFY(
            Sütun(Deyim::SicilArama(QStringLiteral("901")), QStringLiteral("Sicili")).isEmpty());

        Veritabanı.Çalıştır(Deyim::PersoneliSil(nosu));
        QCOMPARE(Sütun(Deyim::TümPersonel(), QStringLiteral("AdiSoyadi")),
                 QStringList{QStringLiteral("Diğer Kişi")});
    }

    // A value that would end its quotes or stand bare as a number never becomes a statement, so
    // one save can never insert a second row nobody checked.
    void deyimTirnakliDegeriReddeder_data()
    {
        QTest::addColumn<QString>("sicil");
        QTest::addColumn<QString>("ad");
        const QString iki = QStringLiteral("ayşe', 'a', 'b', '1'), (99, 'ikinci");
        QTest::newRow("adda tırnak") << QStringLiteral("7") << QStringLiteral("ali o'brien");
        QTest::newRow("ikinci kayıt") << QStringLiteral("7") << iki;
        QTest::newRow("sicilde deyim") << QStringLiteral("7, 'x', 'y', 'z', '1'), (8") << iki;
        QTest::newRow("boş sicil") << QString() << QStringLiteral("Ali");
    }
    void deyimTirnakliDegeriReddeder()
    {
        QFETCH(QString, sicil);
        QFETCH(QString, ad);
        const auto Numarası = [](const std::function<void()>& kur) {
            try {
                kur();
            } catch (const Hata& h) {
                return h.Numara();
            }
            return 0;
        };
        const QString a = QStringLiteral("a");
        QCOMPARE(Numarası([&] { Deyim::PersonelEkle(sicil, ad, a, a, a); }),
                 HataNo::SözdizimiHatası);
        QCOMPARE(Numarası([&] { Deyim::PersonelGüncelle(sicil, ad, a, a, a, 1); }),
                 HataNo::SözdizimiHatası);
        QCOMPARE(Numarası([&] { Deyim::ServisPersoneli(ad); }),
                 sicil.isEmpty() ? 0 : HataNo::SözdizimiHatası);
    }

    void tatilAraligiVeSilme()
    {
        TabloKümesi t = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
        for (const QDate& g : {QDate(2024, 2, 29), QDate(2024, 3, 1), QDate(2024, 3, 31),
                               QDate(2024, 3, 18), QDate(2024, 4, 1), QDate(2023, 3, 10)}) {
            t.YeniEkle();
            t.AlanıAyarla(QStringLiteral("TatilTarihi"), g);
            t.Güncelle();
        }
        t.Kapat();
        QCOMPARE(Deyim::TatilAralığı(QDate(2024, 3, 1), QDate(2024, 3, 31)),
                 QStringLiteral("SELECT TatilTarihi FROM TatilTarihleriTablosu WHERE TatilTarihi "
                                "BETWEEN #3/1/2024# AND #3/31/2024# ORDER BY TatilTarihi ASC"));
        SonuçKümesi k =
            Veritabanı.KayıtKümesiAç(Deyim::TatilAralığı(QDate(2024, 3, 1), QDate(2024, 3, 31)));
        QList<QDate> günler;
        while (!k.EOF_()) {
            QCOMPARE(k.Alan(0).typeId(), QMetaType::QDate);
            günler << k.Alan(QStringLiteral("TatilTarihi")).toDate();
            k.SonrakineGeç();
        }
        k.Kapat();
        QCOMPARE(günler, (QList<QDate>{QDate(2024, 3, 1), QDate(2024, 3, 18), QDate(2024, 3, 31)}));

        Veritabanı.Çalıştır(Deyim::TatilSil(QDate(2024, 3, 18)));
        QCOMPARE(Sütun(Deyim::TatilAralığı(QDate(2023, 1, 1), QDate(2024, 12, 31)),
                       QStringLiteral("TatilTarihi")),
                 (QStringList{QStringLiteral("2023-03-10"), QStringLiteral("2024-02-29"),
                              QStringLiteral("2024-03-01"), QStringLiteral("2024-03-31"),
                              QStringLiteral("2024-04-01")}));
    }

    void ayniTatilIkinciKezEklenemez()
    {
        TabloKümesi t = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
        t.YeniEkle();
        t.AlanıAyarla(QStringLiteral("TatilTarihi"), QDate(2025, 10, 29));
        t.Güncelle();
        t.YeniEkle();
        t.AlanıAyarla(QStringLiteral("TatilTarihi"), QDate(2025, 10, 29));
        QCOMPARE(HataNumarası([&] { t.Güncelle(); }), HataNo::YinelenenDeğer);
        t.Kapat();
        QCOMPARE(Sütun(Deyim::TatilAralığı(QDate(2025, 1, 1), QDate(2025, 12, 31)),
                       QStringLiteral("TatilTarihi")),
                 QStringList{QStringLiteral("2025-10-29")});
    }

    void tabloKumesiEklerVeDuzenler()
    {
        TabloKümesi kurum = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        QVERIFY(kurum.EOF_());
        kurum.YeniEkle();
        kurum.AlanıAyarla(QStringLiteral("KurumAdi"), QStringLiteral("Şişli Belediyesi"));
        kurum.Güncelle();
        kurum.Kapat();

        kurum = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        QCOMPARE(kurum.Alan(QStringLiteral("KurumAdi")).toString(),
                 QStringLiteral("Şişli Belediyesi"));
        kurum.Düzenle();
        kurum.AlanıAyarla(QStringLiteral("KurumAdi"), QStringLiteral("Çankaya Belediyesi"));
        kurum.Güncelle();
        QCOMPARE(kurum.Alan(QStringLiteral("KurumAdi")).toString(),
                 QStringLiteral("Çankaya Belediyesi"));
        kurum.Kapat();
        QCOMPARE(
            Sütun(QStringLiteral("SELECT KurumAdi FROM KurumTablosu"), QStringLiteral("KurumAdi")),
            QStringList{QStringLiteral("Çankaya Belediyesi")});

        TabloKümesi mesai = Veritabanı.TabloAç(QStringLiteral("MesaiSüreleriTablosu"));
        QCOMPARE(HataNumarası([&] { mesai.AlanıAyarla(QStringLiteral("HaftaIciSuresi"), 7); }),
                 3020);
        mesai.Düzenle();
        mesai.AlanıAyarla(QStringLiteral("HaftaIciSuresi"), 9);
        mesai.AlanıAyarla(QStringLiteral("HaftaSonuSuresi"), 5);
        mesai.Güncelle();
        mesai.Kapat();
        mesai = Veritabanı.TabloAç(QStringLiteral("MesaiSüreleriTablosu"));
        QCOMPARE(mesai.Alan(QStringLiteral("HaftaIciSuresi")).toInt(), 9);
        QCOMPARE(mesai.Alan(QStringLiteral("HaftaSonuSuresi")).toInt(), 5);
        QCOMPARE(HataNumarası([] { Veritabanı.TabloAç(QStringLiteral("YokTablosu")); }), 3078);
    }

    void servislerTurkceSiradadir()
    {
        const QStringList sıralı = {
            QStringLiteral("cem"),       QStringLiteral("Çiçek"), QStringLiteral("Gül"),
            QStringLiteral("Ğ servisi"), QStringLiteral("Ilgaz"), QStringLiteral("ışık"),
            QStringLiteral("İpek"),      QStringLiteral("irmak"), QStringLiteral("Oya"),
            QStringLiteral("Ömer"),      QStringLiteral("Su"),    QStringLiteral("Şule"),
            QStringLiteral("Ufuk"),      QStringLiteral("Üzüm"),  QStringLiteral("zeytin")};
        const QList<int> karışık = {13, 2, 9, 0, 14, 5, 11, 7, 1, 12, 3, 10, 6, 4, 8};
        for (int i : karışık)
            Ekle(QString::number(i + 1), QStringLiteral("Kişi %1").arg(i), sıralı[i],
                 QStringLiteral("1"));
        QCOMPARE(Sütun(Deyim::Servisler(), QStringLiteral("Servisi")), sıralı);
    }

    void servisKarsilastirmasiHarfBuyukluguneBakmaz_data()
    {
        QTest::addColumn<QString>("kayıtlı");
        QTest::addColumn<QString>("aranan");
        QTest::addColumn<bool>("bulunur");
        QTest::newRow("MUHASEBE/Muhasebe")
            << QStringLiteral("MUHASEBE") << QStringLiteral("Muhasebe") << true;
        QTest::newRow("İDARE/idare") << QStringLiteral("İDARE") << QStringLiteral("idare") << true;
        QTest::newRow("IŞIK/ışık") << QStringLiteral("IŞIK") << QStringLiteral("ışık") << true;
        QTest::newRow("ÇAĞRI/çağrı") << QStringLiteral("ÇAĞRI") << QStringLiteral("çağrı") << true;
        QTest::newRow("Çay/cay") << QStringLiteral("Çay") << QStringLiteral("cay") << false;
        QTest::newRow("ılık/ilik") << QStringLiteral("ılık") << QStringLiteral("ilik") << false;
    }
    void servisKarsilastirmasiHarfBuyukluguneBakmaz()
    {
        QFETCH(QString, kayıtlı);
        QFETCH(QString, aranan);
        QFETCH(bool, bulunur);
        Ekle(QStringLiteral("1"), QStringLiteral("Kişi"), kayıtlı, QStringLiteral("1"));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(aranan), QStringLiteral("AdiSoyadi")).size(),
                 bulunur ? 1 : 0);
    }

    void ayriServislerHarfBuyukluguneBakmadanBirlesir()
    {
        int sicil = 0;
        for (const char* s :
             {"Muhasebe", "MUHASEBE", "muhasebe", "İdare", "idare", "İDARE", "Işık", "ışık"}) {
            ++sicil;
            Ekle(QString::number(sicil), QStringLiteral("K%1").arg(sicil), QString::fromUtf8(s),
                 QStringLiteral("1"));
        }
        const QStringList servisler = Sütun(Deyim::Servisler(), QStringLiteral("Servisi"));
        const QLocale türkçe(QLocale::Turkish, QLocale::Turkey);
        QCOMPARE(servisler.size(), 3);
        QCOMPARE(türkçe.toLower(servisler[0]), QStringLiteral("ışık"));
        QCOMPARE(türkçe.toLower(servisler[1]), QStringLiteral("idare"));
        QCOMPARE(türkçe.toLower(servisler[2]), QStringLiteral("muhasebe"));
    }

    void siraNolarSayiDegerineGoreSiralanir()
    {
        const QList<QPair<QString, QString>> kişiler = {
            {QStringLiteral("On"), QStringLiteral("10")},
            {QStringLiteral("İki"), QStringLiteral("2")},
            {QStringLiteral("Yüz"), QStringLiteral("100")},
            {QStringLiteral("Boş"), QString()},
            {QStringLiteral("Bir"), QStringLiteral("1")},
            {QStringLiteral("Dokuz"), QStringLiteral("09")},
            {QStringLiteral("Üç"), QStringLiteral("3")},
            {QStringLiteral("Sıfır İki"), QStringLiteral("002")}};
        int sicil = 1;
        for (const auto& [ad, sıra] : kişiler)
            Ekle(QString::number(sicil++), ad, QStringLiteral("Servis"), sıra);
        // A row written before order numbers were kept reads as an empty order number.
        Veritabanı.Çalıştır(
            QStringLiteral("INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, "
                           "Unvani, Servisi) VALUES (99, 'Eski', 'Memur', 'Servis')"));
        QCOMPARE(
            Sütun(Deyim::TümPersonel(), QStringLiteral("AdiSoyadi")),
            (QStringList{QStringLiteral("Eski"), QStringLiteral("Boş"), QStringLiteral("Bir"),
                         QStringLiteral("Sıfır İki"), QStringLiteral("İki"), QStringLiteral("Üç"),
                         QStringLiteral("Dokuz"), QStringLiteral("On"), QStringLiteral("Yüz")}));
        QCOMPARE(Sütun(Deyim::ServisPersoneli(QStringLiteral("servis")), QStringLiteral("SiraNo")),
                 (QStringList{QString(), QString(), QStringLiteral("1"), QStringLiteral("002"),
                              QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("09"),
                              QStringLiteral("10"), QStringLiteral("100")}));
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel());
        QVERIFY(k.Alan(QStringLiteral("SiraNo")).isNull());
    }

    void yanlisDeyimlerReddedilir_data()
    {
        QTest::addColumn<QString>("deyim");
        QTest::addColumn<int>("numara");
        QTest::newRow("olmayan gün")
            << QStringLiteral("DELETE * FROM TatilTarihleriTablosu WHERE TatilTarihi=#2/30/2024#")
            << 3075;
        QTest::newRow("beş basamaklı yıl")
            << QStringLiteral("DELETE * FROM TatilTarihleriTablosu WHERE TatilTarihi=#1/3/20244#")
            << 3075;
        QTest::newRow("iki deyim")
            << QStringLiteral("DELETE * FROM KurumTablosu; DELETE * FROM MesaiSüreleriTablosu")
            << 3075;
        QTest::newRow("olmayan tablo") << QStringLiteral("DELETE * FROM YokTablosu") << 3075;
        QTest::newRow("zorunlu alan")
            << QStringLiteral("INSERT INTO KurumTablosu (KurumAdi) VALUES (NULL)") << 3162;
    }
    void yanlisDeyimlerReddedilir()
    {
        QFETCH(QString, deyim);
        QFETCH(int, numara);
        QCOMPARE(HataNumarası([&] { Veritabanı.Çalıştır(deyim); }), numara);
        QCOMPARE(Sütun(QStringLiteral("SELECT HaftaIciSuresi FROM MesaiSüreleriTablosu"),
                       QStringLiteral("HaftaIciSuresi"))
                     .size(),
                 1);
    }

    // A date literal touching a quoted text must not join with it into one text through an
    // escaped quote.
    void bitisikTarihMetinleriBirlestirmez()
    {
        QCOMPARE(SQLiteDeyimi(QStringLiteral("SELECT 'a'#1/2/2024#'b'")),
                 QStringLiteral("SELECT 'a' '2024-01-02' 'b'"));
    }

    void acilisHatalariMotorNumaralariylaBildirilir()
    {
        Veritabanı.Kapat();
        const QString klasör = ortam->ProgramKlasörü();
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + QStringLiteral("yok/Tsr.vtb")); }),
                 HataNo::GeçersizYol);
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(klasör + QStringLiteral("Yok.vtb")); }),
                 HataNo::DosyaAçılamıyor);
        QFile çöp(klasör + QStringLiteral("Çöp.vtb"));
        QVERIFY(çöp.open(QIODevice::WriteOnly));
        çöp.write(QByteArray(4096, 'x'));
        çöp.close();
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(çöp.fileName()); }), HataNo::DosyaAçılamıyor);
        QCOMPARE(QFileInfo(çöp.fileName()).size(), 4096);
        QVERIFY(!Veritabanı.AçıkMı());
        QCOMPARE(HataNumarası([] { Veritabanı.Çalıştır(Deyim::PersoneliSil(1)); }),
                 HataNo::NesneAyarlanmamış);
    }

    void kilitliDosyaMotorNumaralariylaBildirilir()
    {
        BaşkaBağlantı başka(ortam->VeritabanıYolu());
        QVERIFY(başka.Çalıştır("BEGIN IMMEDIATE"));
        QCOMPARE(HataNumarası([] {
                     Ekle(QStringLiteral("1"), QStringLiteral("A"), QStringLiteral("B"),
                          QStringLiteral("1"));
                 }),
                 HataNo::KilitliKayıt);
        QVERIFY(başka.Çalıştır("COMMIT"));
        Veritabanı.Kapat();
        QVERIFY(başka.Çalıştır("BEGIN EXCLUSIVE"));
        QCOMPARE(HataNumarası([&] { Veritabanı.Aç(ortam->VeritabanıYolu()); }),
                 HataNo::ÖzelKullanımda);
        QVERIFY(başka.Çalıştır("ROLLBACK"));
        Veritabanı.Aç(ortam->VeritabanıYolu());
        QVERIFY(Veritabanı.AçıkMı());
    }

    void doluDiskKendiNumarasiylaBildirilir()
    {
        Ekle(QStringLiteral("5"), QStringLiteral("Ali Kaya"), QStringLiteral("Acil"),
             QStringLiteral("1"));
        if (!ortam->VeritabanınıDoluDiskeTaşı())
            QSKIP("tmpfs bağlanamadı");
        const QString uzun(1500, QLatin1Char('x'));
        QCOMPARE(
            HataNumarası([&] { Ekle(QStringLiteral("6"), uzun, uzun, QStringLiteral("1"), uzun); }),
            HataNo::DiskDolu);
        QCOMPARE(Sütun(Deyim::TümPersonel(), QStringLiteral("AdiSoyadi")),
                 QStringList{QStringLiteral("Ali Kaya")});
    }

    void dosyaSqliteKabuguylaOkunur()
    {
        const QString kabuk = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
        if (kabuk.isEmpty())
            QSKIP("sqlite3 kabuğu kurulu değil");
        Ekle(QStringLiteral("12"), QStringLiteral("Gül Şahin"), QStringLiteral("Muhasebe"),
             QStringLiteral("10"));
        Ekle(QStringLiteral("13"), QStringLiteral("Ali Can"), QStringLiteral("Muhasebe"),
             QStringLiteral("2"));
        TabloKümesi t = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
        t.YeniEkle();
        t.AlanıAyarla(QStringLiteral("TatilTarihi"), QDate(2024, 4, 23));
        t.Güncelle();
        t.Kapat();
        QProcess süreç;
        süreç.start(kabuk,
                    {ortam->VeritabanıYolu(),
                     QStringLiteral("SELECT * FROM PersonelBilgileriTablosu ORDER BY SiraNo; "
                                    "SELECT * FROM TatilTarihleriTablosu;")});
        QVERIFY(süreç.waitForFinished(10000));
        QCOMPARE(süreç.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(süreç.readAllStandardError()), QString());
        const QString çıktı = QString::fromUtf8(süreç.readAllStandardOutput());
        QCOMPARE(çıktı, QStringLiteral("1|12|Gül Şahin|Memur|Muhasebe|10\n"
                                       "2|13|Ali Can|Memur|Muhasebe|2\n"
                                       "2024-04-23\n"));
    }
};

QTEST_GUILESS_MAIN(TestVeritabani)
#include "TestVeritabanı.moc"
