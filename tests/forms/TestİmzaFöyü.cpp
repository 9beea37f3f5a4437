// The sheet on the recording printer (4 mm a line, 2 mm a letter, 2.5 mm in bold, A4): drawing
// by drawing for each month length, with and without the trapped errors.
#include "destek/KayıtYazıcısı.h"
#include "destek/TestOrtamı.h"
#include "forms/İmzaFöyü.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
FöyBilgileri Bilgiler(int ay, const QString& yıl, const QString& kurum)
{
    const QStringList m = u"OCAK|1234|Ayşe YILMAZ|Hemşire|Acil|7"_s.split(u'|');
    FöyBilgileri b{kurum, m[0], ay, 2024, yıl, m[1], m[2], m[3], m[4], m[5], {}};
    b.tatilMi = [](const QDate& t) { return t.day() % 10 == 0 || t.day() == 16; };
    return b;
}

QString Yer(QPointF p)
{
    return u"%1,%2"_s.arg(qRound(p.x() * 100) / 100.0).arg(qRound(p.y() * 100) / 100.0);
}

// One entry a drawing: its points to 0.01 mm, or a text's corner, the text and "*" for bold.
// Below a title a mm taller than one line, moved up by a (all but the frame's bottom).
QStringList Özetler(std::vector<Çizim> çizimler, qreal a)
{
    QStringList özet;
    for (Çizim& ç : çizimler) {
        for (QPointF* p : {&ç.baş, &ç.son})
            if (p->y() > 10 + a && p->y() != 287)
                p->ry() -= a;
        özet << Yer(ç.baş) + u' ' +
                    (ç.tür != Çizim::Metin ? Yer(ç.son) : ç.metin + (ç.kalın ? u"*"_s : QString()));
    }
    return özet;
}

// A colon narrower than 2 mm shows a text after it that is not placed by itself.
class Yazıcı : public KayıtYazıcısı
{
    qreal MetinÖlç(const QString& m) override { return m == u":" ? 1 : KayıtYazıcısı::MetinÖlç(m); }
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
        QTest::addColumn<QString>("yıl");
        QTest::addColumn<int>("ay");
        QTest::addColumn<QString>("kurum");
        QTest::addColumn<QString>("hata"); // a text the printer fails on, or the error shown
        const QString ad = u"ÇAĞLAYAN DEVLET HASTANESİ"_s;
        QTest::newRow("Mart 2024") << u"2024"_s << 3 << ad << QString();
        QTest::newRow("Şubat 2023, üç satırlı ad")
            << u"2023"_s << 2 << u"T.C.\r\nANKARA\n"_s + ad << QString();
        QTest::newRow("Şubat 2024, yazıcı hatası") << u"2024"_s << 2 << ad << u"TARİH"_s;
        QTest::newRow("Nisan 2024, saatlerin kaydı yok") << u"2024"_s << 4 << ad << u"3021"_s;
        QTest::newRow("yıl sayı değil") << u"20x4"_s << 4 << ad << u"13"_s;
    }
    // The frame, each bar from where the last ended; each title line centred as measured in
    // regular weight; below them the person block and the hours; the header; a row a day, a
    // Sunday's or holiday's mark in each signature column; the column lines. A failed drawing is
    // silent but false; hours or a year that cannot be read are shown once, and nothing drawn.
    void sayfa()
    {
        QFETCH(QString, yıl);
        QFETCH(int, ay);
        QFETCH(QString, kurum);
        QFETCH(QString, hata);
        QStringList başlık = QString(kurum).remove(u'\r').split(u'\n');
        başlık.last() += u" MESAİ İMZA FÖYÜ - OCAK 2024"_s;
        QStringList beklenen =
            u"5,5 205,5|205,5 205,287|205,287 5,287|5,287 5,5|5,15.8 205,15.8|"
            u"10,17.8 Sicili|35,17.8 :|37,17.8 1234*|10,21.8 Adı Soyadı|35,21.8 :|"
            u"37,21.8 Ayşe YILMAZ*|10,25.8 Ünvanı|35,25.8 :|37,25.8 Hemşire*|10,29.8 Birimi|"
            u"35,29.8 :|37,29.8 Acil*|10,33.8 Sıra No|35,33.8 :|37,33.8 7*|5,39.8 205,39.8|"
            u"13.75,41.8 TARİH*|57.92,41.8 GİRİŞ*|116.25,41.8 ÇIKIŞ*|172.08,41.8 KONTROL*|"
            u"5,47.8 205,47.8"_s.split(u'|');
        for (int i = 0; i < başlık.size(); ++i)
            beklenen.insert(4 + i,
                            Yer({105.0 - başlık[i].size(), 9 + 4.0 * i}) + u' ' + başlık[i] + u'*');
        for (QDate t(yıl.toInt(), ay, 1); t.month() == ay; t = t.addDays(1)) {
            const qreal üst = 50.4 + 8.1 * (t.day() - 1);
            const QString tarih = QLocale::system().toString(t, QLocale::ShortFormat);
            beklenen << Yer({20.0 - tarih.size(), üst}) + u' ' + tarih;
            const QString işaret = t.dayOfWeek() == Qt::Sunday           ? u"PAZAR"_s
                                   : Bilgiler(ay, yıl, kurum).tatilMi(t) ? u"TATİL"_s
                                                                         : QString();
            for (int i = 0; i < 3 && !işaret.isEmpty(); ++i)
                beklenen << Yer({35 + (i + 0.5) * 175 / 3 - işaret.size(), üst}) + u' ' + işaret;
            beklenen << Yer({5, üst + 5.4}) + u' ' + Yer({205, üst + 5.5});
        }
        beklenen << u"35,39.8 35,287|93.33,39.8 93.33,287|151.67,39.8 151.67,287|"
                    u"155,22 Hafta İçi*|172,22 :*|174,22 8 Saat|155,26 Hafta Sonu*|172,26 :*|"
                    u"174,26 8 Saat"_s.split(u'|');
        Yazıcı y;
        if (hata == u"TARİH") {
            y.hataVer = [](const Çizim& ç) { return ç.metin == u"TARİH"; };
            beklenen.removeOne(u"13.75,41.8 TARİH*"_s);
        }
        if (hata == u"3021")
            ortam->Çalıştır(u"DELETE * FROM MesaiSüreleriTablosu"_s);
        beklenen = hata.toInt() ? QStringList() : beklenen << u"0,0 0,0"_s; // the document's end
        İmzaFöyü föy(y, Bilgiler(ay, yıl, kurum));
        QCOMPARE(föy.Yazdır(), hata.isEmpty());
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(ortam->gösterilen.size(), size_t(hata.toInt() > 0));
        if (hata.toInt())
            QVERIFY(ortam->gösterilen[0].metin.contains(hata));
        föy.Yazdır(); // the same sheet again on the same printer: nothing was left bold for it
        QCOMPARE(Özetler(y.çizimler, 4 * (başlık.size() - 1)), beklenen + beklenen);
    }
};

QTEST_MAIN(TestImzaFoyu)
#include "TestİmzaFöyü.moc"
