// The start of the program: Main's program-wide values and main window in their order, and the
// single-copy guard.

#include "common/OrtakDeğişkenlerModülü.h"
#include "destek/CupsSunucusu.h"
#include "destek/TestOrtamı.h"
#include "startup/BaşlangıçModülü.h"
#include "startup/TekKopyaKoruması.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBaslangic : public QObject
{
    Q_OBJECT

    QTemporaryDir soketler; // the single-copy sockets of this test stay in a folder of its own

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(soketler.path())); }

    // A running copy, minimised, is brought to the front and nothing else done; without a database
    // no later value is set and no window opens; else the main window answers later copies.
    void mainSirasi_data()
    {
        QTest::addColumn<int>("durum");
        QTest::newRow("ilk kopya") << 0;
        QTest::newRow("başka kopya çalışıyor") << 1;
        QTest::newRow("veritabanı yok") << 2;
    }
    void mainSirasi()
    {
        QFETCH(int, durum);
        qDeleteAll(QApplication::topLevelWidgets());
        TestOrtamı ortam;
        auto* çalışan = new QWidget;
        çalışan->setWindowTitle(u"Velnora - Tessaro 1.01"_s);
        if (durum == 1) {
            çalışan->showMinimized();
            TekKopyaKoruması::Dinle(çalışan->windowTitle(), çalışan);
        }
        QVERIFY(durum != 2 || QFile::remove(ortam.VeritabanıYolu()));
        std::optional<CupsSunucusu> yazıcı; // asked for beside the building of the window
        if (durum == 0)
            yazıcı.emplace(QStringList{u"A"_s});
        YazıcıVar = false;
        ProgramKlasörü.clear();
        AyarUygulamaAdı.clear();
        VurguRengi = QColor();

        Main();

        QCOMPARE(ortam.gösterilen.size(), size_t(durum == 2 ? 1 : 0));
        QCOMPARE(ortam.bitişKodu, durum ? std::optional<int>(0) : std::nullopt);
        QCOMPARE(ProgramBaşlığı, çalışan->windowTitle());
        QCOMPARE(ProgramKlasörü, durum == 1 ? QString() : ortam.ProgramKlasörü());
        QCOMPARE(AyarUygulamaAdı, durum ? QString() : u"Velnora\\Tessaro"_s);
        QCOMPARE(VurguRengi, durum ? QColor() : QColor(10, 80, 220));
        QCOMPARE(YazıcıVar, durum == 0);
        QCOMPARE(QApplication::topLevelWidgets().size(), durum ? 1 : 2);
        QTRY_COMPARE(çalışan->isVisible() && !çalışan->isMinimized(), durum == 1);
        QCOMPARE(TekKopyaKoruması::ÇalışanıÖneGetir(ProgramBaşlığı), durum != 2);
    }
};

QTEST_MAIN(TestBaslangic)
#include "TestBaşlangıç.moc"
