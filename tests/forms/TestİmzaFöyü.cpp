// The sheet on the recording printer (4 mm a line, 2 mm a letter, 2.5 mm in bold, A4): the
// layout drawing by drawing for each month length with its Sunday and holiday rows, the font
// on shorter paper, and the trapped errors.
#include "destek/KayıtYazıcısı.h"
#include "destek/TestOrtamı.h"
#include "forms/İmzaFöyü.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
FöyBilgileri Bilgiler(int ay, int yıl)
{
    return {u"ÇAĞLAYAN DEVLET HASTANESİ"_s,
            u"OCAK"_s,
            ay,
            2024,
            QString::number(yıl),
            u"1234"_s,
            u"Ayşe YILMAZ"_s,
            u"Hemşire"_s,
            u"Acil"_s,
            u"7"_s,
            [](const QDate& t) { return t.day() == 10 || t.day() == 16 || t.day() == 20; }};
}

qreal Mm(qreal v)
{
    return qRound(v * 100) / 100.0;
}

// One drawing per entry: its points to 0.01 mm and its text, a bold one marked with "*".
QStringList Özetler(const std::vector<Çizim>& çizimler)
{
    QStringList özet;
    for (const Çizim& ç : çizimler) {
        const QString baş = u"%1,%2"_s.arg(Mm(ç.baş.x())).arg(Mm(ç.baş.y()));
        if (ç.tür == Çizim::Metin)
            özet << baş + u' ' + ç.metin + (ç.kalın ? u"*"_s : QString());
        else
            özet << baş + u" %1,%2"_s.arg(Mm(ç.son.x())).arg(Mm(ç.son.y()));
    }
    return özet;
}

// The frame, each bar from where the last ended; the title centred as measured in regular
// weight; the person block; the table header centred in its columns; and, after the day rows,
// the column lines down to the frame's bottom and the hours block.
const QStringList Baş = u"5,5 205,5|205,5 205,287|205,287 5,287|5,287 5,5|52,9 ÇAĞLAYAN DEVLET "
                        u"HASTANESİ MESAİ İMZA FÖYÜ - OCAK 2024*|5,15.8 205,15.8|10,17.8 Sicili|"
                        u"35,17.8 :|37,17.8 1234*|10,21.8 Adı Soyadı|35,21.8 :|37,21.8 Ayşe "
                        u"YILMAZ*|10,25.8 Ünvanı|35,25.8 :|37,25.8 Hemşire*|10,29.8 Birimi|35,29.8 "
                        u":|37,29.8 Acil*|10,33.8 Sıra No|35,33.8 :|37,33.8 7*|5,39.8 205,39.8|"
                        u"13.75,41.8 TARİH*|57.92,41.8 GİRİŞ*|116.25,41.8 ÇIKIŞ*|172.08,41.8 "
                        u"KONTROL*|5,47.8 205,47.8"_s.split(u'|');
const QStringList Son = u"35,39.8 35,287|93.33,39.8 93.33,287|151.67,39.8 151.67,287|155,22 Hafta "
                        u"İçi*|172,22 :*|174,22 8 Saat|155,26 Hafta Sonu*|172,26 :*|174,26 8 "
                        u"Saat"_s.split(u'|');
// Type is narrower than the recorder's 2 mm a letter: with a colon of 1 mm, a text placed
// after one shows whether it was placed or merely followed.
class Yazıcı : public KayıtYazıcısı
{
    qreal MetinÖlç(const QString& metin) override
    {
        return metin == u":" ? 1 : KayıtYazıcısı::MetinÖlç(metin);
    }
};
} // namespace

class TestImzaFoyu : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;

private Q_SLOTS:
    void init() { ortam.emplace().VeritabanınıAç(); }
    void cleanup() { ortam.reset(); }

    void sayfa_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<int>("ay");
        QTest::newRow("Mart 2024") << 2024 << 3;
        QTest::newRow("Şubat 2023") << 2023 << 2;
        QTest::newRow("Şubat 2024") << 2024 << 2;
        QTest::newRow("Nisan 2024") << 2024 << 4;
    }
    void sayfa()
    {
        QFETCH(int, yıl);
        QFETCH(int, ay);
        FöyBilgileri b = Bilgiler(ay, yıl);
        QList<QDate> sorulan;
        b.tatilMi = [&](const QDate& t) { return sorulan << t, Bilgiler(ay, yıl).tatilMi(t); };
        Yazıcı y;
        QVERIFY(İmzaFöyü(y, b).Yazdır());
        QCOMPARE(y.BelgeSayısı(), 1);
        const QStringList ç = Özetler(y.Belge(0));
        QCOMPARE(ç.mid(0, Baş.size()), Baş);
        QCOMPARE(ç.mid(ç.size() - Son.size()), Son);
        // A row: its date centred in the date column, a Sunday's or holiday's mark centred in each
        // signature column, and its bar 0.1 mm high.
        QStringList satırlar;
        for (QDate t(yıl, ay, 1); t.month() == ay; t = t.addDays(1)) {
            const qreal üst = 50.4 + 8.1 * (t.day() - 1);
            const QString tarih = QLocale::system().toString(t, QLocale::ShortFormat);
            satırlar << u"%1,%2 %3"_s.arg(Mm(20 - tarih.size())).arg(Mm(üst)).arg(tarih);
            const bool pazar = t.dayOfWeek() == Qt::Sunday;
            QCOMPARE(sorulan.removeAll(t), qsizetype(!pazar));
            const QString işaret = pazar ? u"PAZAR"_s : b.tatilMi(t) ? u"TATİL"_s : QString();
            for (int i = 0; i < 3 && !işaret.isEmpty(); ++i)
                satırlar << u"%1,%2 %3"_s.arg(Mm(35 + (i + 0.5) * 175 / 3 - işaret.size()))
                                .arg(Mm(üst))
                                .arg(işaret);
            satırlar << u"5,%1 205,%2"_s.arg(Mm(üst + 5.4)).arg(Mm(üst + 5.5));
        }
        QCOMPARE(ç.mid(Baş.size(), ç.size() - Baş.size() - Son.size()), satırlar);
    }

    // The default size stays wherever the rows fit; a smaller one only as small as needed.
    void kagidaSigar_data()
    {
        QTest::addColumn<QSizeF>("alan");
        QTest::addColumn<bool>("küçülür");
        QTest::newRow("A4") << QSizeF(210, 288.5) << false;
        QTest::newRow("A4, geniş kenarlar") << QSizeF(190, 271.6) << true;
        QTest::newRow("Letter, geniş kenarlar") << QSizeF(190.5, 254) << true;
    }
    void kagidaSigar()
    {
        QFETCH(QSizeF, alan);
        KayıtYazıcısı y(alan, 3.26, true);
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        const qreal alt = y.çizimler[1].son.y();
        const float h = y.SatırYüksekliği();
        QTEST(h < 3.26f, "küçülür");
        qreal sonÇubuk = 0;
        for (const Çizim& ç : y.Belge(0)) {
            QVERIFY(ç.tür != Çizim::Metin || ç.baş.y() + h < alt);
            if (ç.tür == Çizim::Dikdörtgen)
                sonÇubuk = ç.son.y();
        }
        QVERIFY(sonÇubuk < alt && (h >= 3.26f || sonÇubuk > alt - 2));
    }

    // A missing hours record is reported once and the sheet goes on; a printer failure, at a
    // drawing or when the spooler refuses the job at its end, is silent but makes the result
    // false. Either way the whole sheet is drawn and ended, and the next one starts clean.
    void hatalar_data()
    {
        QTest::addColumn<QString>("kusur");
        QTest::newRow("saat kaydı yok") << u"DELETE * FROM MesaiSüreleriTablosu"_s;
        QTest::newRow("yazıcı hatası") << u"TARİH"_s;
        QTest::newRow("belge sonu") << QString();
    }
    void hatalar()
    {
        QFETCH(QString, kusur);
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        const bool kayıt = kusur.startsWith(u"DELETE");
        if (kayıt)
            ortam->Çalıştır(kusur);
        else
            y.hataVer = [&](const Çizim& ç) {
                return kusur.isEmpty() ? ç.tür == Çizim::BelgeSonu : ç.metin == kusur;
            };
        QCOMPARE(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır(), kayıt);
        QCOMPARE(ortam->gösterilen.size(), size_t(kayıt));
        QVERIFY(!kayıt || ortam->gösterilen[0].metin.contains(u"3021"));
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(y.BelgeSayısı(), kusur.isEmpty() ? 1 : 2); // a failed drawing is not recorded
        QCOMPARE(y.Belge(1).size() + (kusur == u"TARİH"), y.Belge(0).size());
        QCOMPARE(y.Belge(1).back().metin, kayıt ? u"0 Saat"_s : u"8 Saat"_s);
        y.hataVer = {};
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
    }
};

QTEST_MAIN(TestImzaFoyu)
#include "TestİmzaFöyü.moc"
