// The printer object on real paint devices: the measures of its font in millimetres, where a
// text hangs, and the printer error of a device that cannot be opened. The rest of what it
// draws is checked on printed sheets.

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

private Q_SLOTS:
    // Liberation Sans 8.25 pt, measured as Qt measures it; 31 day rows (pitch h + 4.1) below
    // the header rule (19.8 + 7h) fit an A4 frame even with 8 mm kept at top and bottom.
    void yaziTipiVeOlculer()
    {
        const QFont yazıTipi = YazıcıNesnesi::VarsayılanYazıTipi();
        QCOMPARE(QFontInfo(yazıTipi).family(), u"Liberation Sans"_s);
        QCOMPARE(yazıTipi.pointSizeF(), 8.25);
        QImage sayfa(Nokta(100), Nokta(60), QImage::Format_RGB32);
        sayfa.setDotsPerMeterX(qRound(300 / 0.0254));
        sayfa.setDotsPerMeterY(qRound(300 / 0.0254));
        sayfa.fill(Qt::white);
        YazıcıNesnesi y(&sayfa);
        QVERIFY(qAbs(y.Genişlik() - 100) < 0.1 && qAbs(y.Yükseklik() - 60) < 0.1);
        const QString metin = u"MESAİ İMZA FÖYÜ"_s;
        const qreal beklenen = QFontMetricsF(yazıTipi, &sayfa).horizontalAdvance(metin) / NoktaMm;
        QVERIFY(qAbs(y.MetinGenişliği(metin) - beklenen) < 0.001);
        const float satır = y.SatırYüksekliği();
        QVERIFY2(satır > 3.1f && satır < 3.4f, qPrintable(QString::number(satır)));
        QVERIFY(19.8 + 7 * satır + 31 * (satır + 4.1) <= 297 - 16 - 10);
        // A text hangs from its position: ink in its cell, none above it.
        y.XAyarla(10);
        y.YAyarla(2);
        y.Yaz(metin);
        y.BelgeyiBitir();
        int üstte = 0, hücrede = 0;
        for (int x = Nokta(10); x < Nokta(20); ++x)
            for (int nokta = 0; nokta < Nokta(2 + satır); ++nokta)
                (nokta < Nokta(2) ? üstte : hücrede) += qGray(sayfa.pixel(x, nokta)) < 128;
        QVERIFY(üstte == 0 && hücrede > 50);
        y.KalınYazı(true);
        QVERIFY(y.KalınMı() && y.MetinGenişliği(metin) > beklenen + 0.1);
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
