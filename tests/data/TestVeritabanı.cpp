// The database connection against a real file: the translation of statements, the engine error
// numbers and the two kinds of record set.

#include "common/Hata.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/DeyimÇevirici.h"
#include "data/PersonelDökümü.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QCollator>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

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

private Q_SLOTS:

    // The SQLite text of a statement, or the error number when it is run on the database.
    void deyimler_data()
    {
        QTest::addColumn<QString>("deyim");
        QTest::addColumn<QString>("sonuç");
        const auto Satır = [](const char* ad, const QString& deyim, const QString& sonuç) {
            QTest::newRow(ad) << deyim << sonuç;
        };
        Satır("DELETE *", u"DELETE * FROM T WHERE Nosu=1 "_s, u"DELETE FROM T WHERE Nosu=1 "_s);
        Satır("tarih", u"SELECT 1 WHERE G BETWEEN #12/31/9999# AND #1/2/100#"_s,
              u"SELECT 1 WHERE G BETWEEN '9999-12-31' AND '0100-01-02'"_s);
        // A quote right beside a date would read as an escaped quote and join the texts.
        Satır("bitişik tarih", u"#1/2/2024#'a'#1/3/2024#'b'"_s,
              u"'2024-01-02' 'a' '2024-01-03' 'b'"_s);
        Satır("türkçe sütunlar",
              u"SELECT 1 WHERE KurumAdi='k' OR Servisi='s' ORDER BY AdiSoyadi, Unvani, SiraNo"_s,
              u"SELECT 1 WHERE KurumAdi COLLATE TR='k' OR Servisi COLLATE TR='s' ORDER BY "
              u"AdiSoyadi COLLATE TR, Unvani COLLATE TR, SiraNo COLLATE TR_SIRA"_s);
        Satır("boş ve kaçışlı metin", u"SELECT 1 WHERE Servisi='' OR Unvani='o''n Servisi'"_s,
              u"SELECT 1 WHERE Servisi COLLATE TR='' OR Unvani COLLATE TR='o''n Servisi'"_s);
        Satır("metin", u"SELECT 'DELETE * #3/1/2024# Servisi'"_s,
              u"SELECT 'DELETE * #3/1/2024# Servisi'"_s);
        const QString sil = u"DELETE * FROM TatilTarihleriTablosu WHERE TatilTarihi="_s;
        Satır("olmayan gün", sil + u"#2/30/2024#"_s, u"3075"_s);
        Satır("boş karakterli yıl", sil + u"#3/1/202"_s + QChar(0) + u"4#"_s, u"3075"_s);
        Satır("sonunda boşluklar", u"DELETE * FROM KurumTablosu; \r\n\t"_s, u"0"_s);
        Satır("iki deyim", u"DELETE * FROM KurumTablosu; DELETE * FROM KurumTablosu"_s, u"3075"_s);
        Satır(
            "yinelenen gün",
            u"INSERT INTO TatilTarihleriTablosu (TatilTarihi) VALUES (#1/1/2024#), (#1/1/2024#)"_s,
            u"3022"_s);
        Satır("zorunlu alan", u"INSERT INTO KurumTablosu (KurumAdi) VALUES (NULL)"_s, u"3162"_s);
        Satır("salt okunur dosyada sözdizimi", u"SELECT * FROM"_s, u"3075"_s);
    }
    void deyimler()
    {
        QFETCH(QString, deyim);
        QFETCH(QString, sonuç);
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        if (QByteArray(QTest::currentDataTag()).startsWith("salt okunur"))
            QVERIFY(ortam.VeritabanınıSaltOkunurYap());
        if (sonuç.front().isDigit())
            QCOMPARE(HataNumarası([&] { Veritabanı.Çalıştır(deyim); }), sonuç.toInt());
        else
            QCOMPARE(SQLiteDeyimi(deyim), sonuç);
    }

    void kayitKumeleri()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        // Staff by the value of their order numbers; no value made into a statement that would
        // end its quotes or stand bare as a number, so a save cannot add a row nobody checked.
        Veritabanı.Çalıştır(Deyim::PersonelEkle(u"1"_s, u"Ayşe"_s, {}, {}, u"10"_s));
        Veritabanı.Çalıştır(Deyim::PersonelEkle(u"2"_s, u"Can"_s, {}, {}, u"9"_s));
        Veritabanı.Çalıştır(Deyim::PersonelEkle(u"3"_s, u"Deniz"_s, {}, {}, u"b"_s));
        Veritabanı.Çalıştır(Deyim::PersonelEkle(u"4"_s, u"Ece"_s, {}, {}, u"A"_s));
        QCOMPARE(Sütun(Deyim::TümPersonel(),
                       u"AdiSoyadi"_s), // texts first, in Turkish order, then the numbers
                 QStringList({u"Ece"_s, u"Deniz"_s, u"Can"_s, u"Ayşe"_s}));
        for (const QString& sicil : {u"7, 'x', 'y', 'z', '1'), (8"_s, QString(), u"7"_s})
            QCOMPARE(HataNumarası([&] { Deyim::PersonelEkle(sicil, u"o'n"_s, {}, {}, {}); }), 3075);
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel());
        QCOMPARE(HataNumarası([&] { k.Alan(3); }), 3265);
        QCOMPARE(HataNumarası([&] { k.Tamsayı(3); }), 3265);
        for (int i = 0; i < 4; ++i)
            k.SonrakineGeç();
        QCOMPARE(HataNumarası([&] { k.Alan(0); }), HataNo::GeçerliKayıtYok);
        TabloKümesi t = Veritabanı.TabloAç(u"TatilTarihleriTablosu"_s);
        QCOMPARE(HataNumarası([&] { t.AlanıAyarla(u"TatilTarihi"_s, QDate()); }), 3020);
        t.YeniEkle();
        t.AlanıAyarla(u"TatilTarihi"_s, QDate(2024, 2, 29));
        t.Güncelle();
        QCOMPARE(
            Veritabanı.KayıtKümesiAç(Deyim::TatilAralığı(QDate(2024, 2, 29), QDate(2024, 2, 29)))
                .Alan(0),
            QVariant(QDate(2024, 2, 29)));
        // A quote in a table name stays inside the name.
        QCOMPARE(HataNumarası([] { Veritabanı.TabloAç(u"Yok\"Tablosu"_s); }), 3078);
    }

    // Each pair compared in the database and by Qt's collator: bytes SQLite may hand over (cut,
    // three-byte, past the stack buffer), words, and each character placed by table, in texts.
    void turkceSira()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        QCollator tr(QLocale(QLocale::Turkish, QLocale::Turkey));
        tr.setCaseSensitivity(Qt::CaseInsensitive);
        QString harfler = u"çÇğĞıİöÖşŞüÜ"_s;
        for (char16_t c = 0x20; c < 0x7F; ++c)
            harfler += QChar(c);
        QStringList sözcükler =
            u"Işık ışik isim İSİM € Resmî Resmîa Resmîb Resmi s\u0327a"_s.split(u' ') +
            harfler.split(QString(), Qt::SkipEmptyParts);
        QRandomGenerator rastgele(7);
        while (sözcükler.size() < 400) {
            sözcükler << QString();
            for (int n = rastgele.bounded(6); n >= 0; --n)
                sözcükler.last() += harfler[rastgele.bounded(int(harfler.size()))];
        }
        QList<QByteArray> metinler = {"e\xc3", "e\xc3(", "e\xe2\x82", QByteArray(65, 'a'),
                                      QByteArray(64, 'A') + 'b'};
        for (const QString& m : sözcükler)
            metinler << m.toUtf8();
        Veritabanı.Çalıştır(u"CREATE TEMP TABLE M (m TEXT)"_s);
        for (const QByteArray& m : metinler)
            Veritabanı.Çalıştır(u"INSERT INTO M VALUES (CAST(X'%1' AS TEXT))"_s.arg(
                QString::fromLatin1(m.toHex())));
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(
            u"SELECT a.m, b.m, (a.m COLLATE TR > b.m) - (a.m COLLATE TR < b.m) FROM M a, M b"_s);
        for (; !k.EOF_(); k.SonrakineGeç()) {
            const int sıra = tr.compare(k.Alan(0).toString(), k.Alan(1).toString());
            if (k.Alan(2).toInt() != (sıra > 0) - (sıra < 0))
                QFAIL(qPrintable(k.Alan(0).toString() + u" ~ "_s + k.Alan(1).toString()));
        }
    }

    // The load's one scan orders as statements 3 and 1 do, over ties and case variants: people
    // of one order number in the table's order, the department met first for its variants.
    void personelDokumu()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        const QStringList servisler =
            u"'a' 'A' 'ış' 'IŞ' 'İş' 'iş' 'Resmî' 'RESMÎ' 'resmi' '-' '_' '' NULL"_s.split(u' ');
        const QStringList sıralar =
            u"'1' '01' '001' '10' '2' 'a' 'A' 'ı' 'I' '' NULL"_s.split(u' ');
        QRandomGenerator rastgele(3);
        auto biri = [&](const QStringList& l) { return l[rastgele.bounded(int(l.size()))]; };
        Veritabanı.İşlemİçinde([&] {
            for (int i = 0; i < 400; ++i)
                ortam.Çalıştır(u"INSERT INTO PersonelBilgileriTablosu (AdiSoyadi, Servisi, SiraNo) "
                               u"VALUES ('%1', %2, %3)"_s.arg(i)
                                   .arg(biri(servisler), biri(sıralar)));
        });
        const std::optional<PersonelDökümü> döküm = PersonelDökümüOku();
        QVERIFY(döküm);
        QCOMPARE(döküm->servisler, Sütun(Deyim::Servisler(), u"Servisi"_s));
        QStringList adlar;
        for (const PersonelSatırı& kişi : döküm->kişiler)
            adlar << kişi.adıSoyadı;
        QCOMPARE(adlar, Sütun(Deyim::TümPersonel(), u"AdiSoyadi"_s));
        ortam.Çalıştır(u"UPDATE PersonelBilgileriTablosu SET Servisi = X'41' WHERE Nosu = 9"_s);
        QVERIFY(!PersonelDökümüOku());
    }
};

QTEST_GUILESS_MAIN(TestVeritabani)
#include "TestVeritabanı.moc"
