// The printer object on a device that cannot be opened: the drawing fails with a printer error,
// the position still follows what was asked, and the error is kept until reset. What it draws
// is checked on printed sheets.

#include "common/Hata.h"
#include "common/YazıcıNesnesi.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestYaziciNesnesi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void acilamayanAygitYaziciHatasi()
    {
        QTemporaryDir klasör;
        QPdfWriter yazıcı(klasör.path() + u"/olmayan/klasor/sayfa.pdf"_s);
        YazıcıNesnesi y(&yazıcı);
        QVERIFY(!y.YazıcıHatasıOlduMu());
        // The font at which 31 day rows fit an A4 sheet: a line of about 3.26 mm.
        QVERIFY2(qAbs(y.SatırYüksekliği() - 3.26f) < 0.1f,
                 qPrintable(QString::number(y.SatırYüksekliği())));
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
