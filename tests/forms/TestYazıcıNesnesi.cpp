// The printer object on real paint devices: the current-position rules, the measures of the
// font in millimetres, the 3-dot pen and the bars of rectangles without height, a new
// document after the end of one, and the printer error of a device that cannot be opened.

#include "common/Hata.h"
#include "common/YazıcıNesnesi.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int Çözünürlük = 300; // dots per inch of the test image
constexpr qreal NoktaMm = Çözünürlük / 25.4;

QImage Sayfa(qreal genişlikMm, qreal yükseklikMm)
{
    QImage sayfa(qRound(genişlikMm * NoktaMm), qRound(yükseklikMm * NoktaMm), QImage::Format_RGB32);
    sayfa.setDotsPerMeterX(qRound(Çözünürlük / 0.0254));
    sayfa.setDotsPerMeterY(qRound(Çözünürlük / 0.0254));
    sayfa.fill(Qt::white);
    return sayfa;
}

bool Koyu(const QImage& sayfa, int x, int y)
{
    return qGray(sayfa.pixel(x, y)) < 128;
}

int Nokta(qreal mm)
{
    return qRound(mm * NoktaMm);
}

} // namespace

class TestYaziciNesnesi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void yaziTipiVeOlculer()
    {
        const QFont yazıTipi = YazıcıNesnesi::VarsayılanYazıTipi();
        QCOMPARE(QFontInfo(yazıTipi).family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(yazıTipi.pointSizeF(), 8.25);

        QImage sayfa = Sayfa(100, 60);
        YazıcıNesnesi y(&sayfa);
        QVERIFY(qAbs(y.Genişlik() - 100) < 0.1);
        QVERIFY(qAbs(y.Yükseklik() - 60) < 0.1);
        const QString metin = QStringLiteral("MESAİ İMZA FÖYÜ");
        const qreal beklenen = QFontMetricsF(yazıTipi, &sayfa).horizontalAdvance(metin) / NoktaMm;
        QVERIFY(qAbs(y.MetinGenişliği(metin) - beklenen) < 0.001);
        const float satır = y.SatırYüksekliği();
        QVERIFY2(satır > 3.1f && satır < 3.4f, qPrintable(QString::number(satır)));
        // 31 day rows (pitch h + 4.1) below the header rule (19.8 + 7h) stay within an A4
        // frame even when the printer keeps 8 mm at the top and the bottom.
        QVERIFY(19.8 + 7 * satır + 31 * (satır + 4.1) <= 297 - 16 - 10);

        const float normal = y.MetinGenişliği(metin);
        y.KalınYazı(true);
        QVERIFY(y.KalınMı());
        QVERIFY(y.MetinGenişliği(metin) > normal);
        y.KalınYazı(false);
        QCOMPARE(y.MetinGenişliği(metin), normal);
    }

    // Texts move the position along or to the next line; lines and bars end where they were
    // drawn. A bar of no height is as thick as the pen (3 dots), a text hangs from its position.
    void konumKalemVeCubuklar()
    {
        QImage sayfa = Sayfa(100, 60);
        YazıcıNesnesi y(&sayfa);
        y.KalemGenişliğiniAyarla(3);
        y.XAyarla(10);
        y.YAyarla(2);
        const QString metin = QStringLiteral("TARİH");
        y.Yaz(metin);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(10 + y.MetinGenişliği(metin), 2));
        y.SatırYaz(metin);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(0, 2 + y.SatırYüksekliği()));
        y.Çizgi(95, 5, 95, 30);
        y.Çizgi(95, 55);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(95, 55));
        y.DoluDikdörtgen(10, 20, 90, 20);
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(90, 20));
        y.DoluDikdörtgen(10, 40, 90, 40.5f);
        y.BelgeyiBitir();

        int koyu = 0;
        for (int yy = Nokta(15); yy < Nokta(25); ++yy)
            koyu += Koyu(sayfa, Nokta(50), yy);
        QCOMPARE(koyu, 3);
        for (int yy = Nokta(40); yy <= Nokta(40.5); ++yy)
            QVERIFY(Koyu(sayfa, Nokta(50), yy));
        // The second line started at the end of the first.
        QVERIFY(Koyu(sayfa, Nokta(95), Nokta(45)) && !Koyu(sayfa, Nokta(97), Nokta(45)));
        int üstteMürekkep = 0;
        int hücredeMürekkep = 0;
        for (int x = Nokta(10); x < Nokta(20); ++x) {
            for (int yy = 0; yy < Nokta(2); ++yy)
                üstteMürekkep += Koyu(sayfa, x, yy);
            for (int yy = Nokta(2); yy < Nokta(2 + y.SatırYüksekliği()); ++yy)
                hücredeMürekkep += Koyu(sayfa, x, yy);
        }
        QCOMPARE(üstteMürekkep, 0);
        QVERIFY(hücredeMürekkep > 50);
    }

    void belgeBitinceYenisiBaslar()
    {
        QImage sayfa = Sayfa(50, 50);
        YazıcıNesnesi y(&sayfa);
        y.Çizgi(5, 10, 45, 10);
        y.BelgeyiBitir();
        // The device is free again: another painter can work on it between documents.
        QPainter başka;
        QVERIFY(başka.begin(&sayfa));
        başka.end();
        y.Çizgi(5, 30, 45, 30);
        y.BelgeyiBitir();
        QVERIFY(Koyu(sayfa, Nokta(25), Nokta(10)));
        QVERIFY(Koyu(sayfa, Nokta(25), Nokta(30)));
    }

    void acilamayanAygitYaziciHatasi()
    {
        QTemporaryDir klasör;
        QPdfWriter yazıcı(klasör.path() + QStringLiteral("/olmayan/klasor/sayfa.pdf"));
        YazıcıNesnesi y(&yazıcı);
        QVERIFY(!y.YazıcıHatasıOlduMu());
        try {
            y.DoluDikdörtgen(5, 5, 100, 5);
            QFAIL("hata bekleniyordu");
        } catch (const Hata& hata) {
            QCOMPARE(hata.Numara(), HataNo::YazıcıHatası);
        }
        QVERIFY(y.YazıcıHatasıOlduMu());
        // The position still follows the drawing asked for.
        QCOMPARE(QPointF(y.X(), y.Y()), QPointF(100, 5));
        y.HataKaydınıSıfırla();
        QVERIFY(!y.YazıcıHatasıOlduMu());
    }
};

QTEST_MAIN(TestYaziciNesnesi)
#include "TestYazıcıNesnesi.moc"
