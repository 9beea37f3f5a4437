// The printer object on real paint devices: the measures of its font in millimetres, the
// current-position rules, the 3-dot pen and the bars of rectangles without height, a new
// document after the end of one, and the printer error of a device that cannot be opened.

#include "common/Hata.h"
#include "common/YazıcıNesnesi.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
constexpr qreal NoktaMm = 300 / 25.4; // a 300 dpi page

int Nokta(qreal mm)
{
    return qRound(mm * NoktaMm);
}
} // namespace

class TestYaziciNesnesi : public QObject
{
    Q_OBJECT

    QImage sayfa{Nokta(100), Nokta(60), QImage::Format_RGB32};
    bool Koyu(qreal x, qreal y) const { return qGray(sayfa.pixel(Nokta(x), Nokta(y))) < 128; }

private Q_SLOTS:
    void init()
    {
        sayfa.setDotsPerMeterX(qRound(300 / 0.0254));
        sayfa.setDotsPerMeterY(qRound(300 / 0.0254));
        sayfa.fill(Qt::white);
    }

    // Liberation Sans 8.25 pt, measured as Qt measures it; 31 day rows (pitch h + 4.1) below
    // the header rule (19.8 + 7h) fit an A4 frame even with 8 mm kept at top and bottom.
    void yaziTipiVeOlculer()
    {
        const QFont yazıTipi = YazıcıNesnesi::VarsayılanYazıTipi();
        QCOMPARE(QFontInfo(yazıTipi).family(), u"Liberation Sans"_s);
        QCOMPARE(yazıTipi.pointSizeF(), 8.25);
        YazıcıNesnesi y(&sayfa);
        QVERIFY(qAbs(y.Genişlik() - 100) < 0.1 && qAbs(y.Yükseklik() - 60) < 0.1);
        const QString metin = u"MESAİ İMZA FÖYÜ"_s;
        const qreal beklenen = QFontMetricsF(yazıTipi, &sayfa).horizontalAdvance(metin) / NoktaMm;
        QVERIFY(qAbs(y.MetinGenişliği(metin) - beklenen) < 0.001);
        const float satır = y.SatırYüksekliği();
        QVERIFY2(satır > 3.1f && satır < 3.4f, qPrintable(QString::number(satır)));
        QVERIFY(19.8 + 7 * satır + 31 * (satır + 4.1) <= 297 - 16 - 10);
        y.KalınYazı(true);
        QVERIFY(y.KalınMı() && y.MetinGenişliği(metin) > beklenen + 0.1);
    }

    // Texts move the position along or to the next line and hang from it; lines and bars end
    // where they were drawn. A bar of no height is as thick as the pen. After the end of a
    // document the device is free for another painter, and the next drawing starts a new one.
    void konumKalemVeCubuklar()
    {
        YazıcıNesnesi y(&sayfa);
        y.KalemGenişliğiniAyarla(3);
        y.XAyarla(10);
        y.YAyarla(2);
        y.Yaz(u"TARİH"_s);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(10 + y.MetinGenişliği(u"TARİH"_s), 2));
        y.SatırYaz(u"TARİH"_s);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(0, 2 + y.SatırYüksekliği()));
        y.Çizgi(95, 5, 95, 30);
        y.Çizgi(95, 55);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(95, 55));
        y.DoluDikdörtgen(10, 20, 90, 20);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(90, 20));
        y.BelgeyiBitir();
        QPainter başka;
        QVERIFY(başka.begin(&sayfa) && başka.end());
        y.DoluDikdörtgen(10, 40, 90, 40.5f);
        y.BelgeyiBitir();
        int bar = 0, üstte = 0, hücrede = 0;
        for (int nokta = Nokta(15); nokta < Nokta(25); ++nokta)
            bar += qGray(sayfa.pixel(Nokta(50), nokta)) < 128;
        QCOMPARE(bar, 3);
        QVERIFY(Koyu(50, 40) && Koyu(50, 40.4) && Koyu(95, 45) && !Koyu(97, 45));
        for (qreal x = 10; x < 20; x += 0.1) {
            for (qreal mm = 0; mm < 1.9; mm += 0.1)
                üstte += Koyu(x, mm);
            for (qreal mm = 2; mm < 2 + y.SatırYüksekliği(); mm += 0.1)
                hücrede += Koyu(x, mm);
        }
        QVERIFY(üstte == 0 && hücrede > 20);
    }

    // The position still follows the drawing asked for; the error is kept until reset.
    void acilamayanAygitYaziciHatasi()
    {
        QTemporaryDir klasör;
        QPdfWriter yazıcı(klasör.path() + u"/olmayan/klasor/sayfa.pdf"_s);
        YazıcıNesnesi y(&yazıcı);
        QVERIFY(!y.YazıcıHatasıOlduMu());
        try {
            y.DoluDikdörtgen(5, 5, 100, 5);
            QFAIL("hata bekleniyordu");
        } catch (const Hata& hata) {
            QCOMPARE(hata.Numara(), HataNo::YazıcıHatası);
        }
        QVERIFY(y.YazıcıHatasıOlduMu());
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(100, 5));
        y.HataKaydınıSıfırla();
        QVERIFY(!y.YazıcıHatasıOlduMu());
    }
};

QTEST_MAIN(TestYaziciNesnesi)
#include "TestYazıcıNesnesi.moc"
