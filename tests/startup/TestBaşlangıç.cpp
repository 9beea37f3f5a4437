// The start of the program: Main's program-wide values and main window in their order, and the
// single-copy guard, also against a copy of the built program.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
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

    std::optional<QTemporaryDir> soketler; // each row's single-copy lock and socket, its own

private Q_SLOTS:
    void init() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(soketler.emplace().path())); }

    // A running copy, minimised, is brought to the front and nothing else done; without a database
    // no later value is set and no window opens; else the main window, restored from the backup,
    // answers later copies: the built program, started at the question, waits for it and ends.
    void mainSirasi_data()
    {
        QTest::addColumn<int>("durum");
        QTest::newRow("ilk kopya, yedekten") << 0;
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
            QVERIFY(TekKopyaKoruması::AdıSahiplen(çalışan->windowTitle()));
            TekKopyaKoruması::Dinle(çalışan->windowTitle(), çalışan);
        }
        QVERIFY(durum != 2 || QFile::remove(ortam.VeritabanıYolu()));
        std::optional<CupsSunucusu> yazıcı; // asked for beside the building of the window
        if (durum == 0)
            yazıcı.emplace(QStringList{u"A"_s});
        YazıcıVar = false;
        QProcess ikinci;
        const QString program = ortam.ProgramKlasörü() + u"Tessaro"_s;
        if (durum == 0) {
            QVERIFY(QDir().mkpath(QFileInfo(ortam.YedekYolu()).path()));
            QVERIFY(QFile::rename(ortam.VeritabanıYolu(), ortam.YedekYolu()));
            QVERIFY(QFile::copy(qEnvironmentVariable("TESSARO_PROGRAM"), program));
            MesajKutusuUygulamasınıAyarla([&](const Mesaj&) {
                ikinci.start(program);
                QTest::qWait(2000); // past its first look for a running copy
                return Yanıt::Evet;
            });
        }
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
        QTRY_COMPARE(çalışan->isMinimized(), false);
        QCOMPARE(çalışan->isVisible(), durum == 1);
        QCOMPARE(TekKopyaKoruması::ÇalışanıÖneGetir(ProgramBaşlığı), durum != 2);
        if (durum == 0) {
            QTRY_COMPARE_WITH_TIMEOUT(ikinci.state(), QProcess::NotRunning, 20000);
            ortam.Çalıştır(Deyim::PersonelEkle(u"1"_s, u"Ayşe IŞIK"_s, {}, {}, {}));
            ortam.VeritabanınıAç();
            QCOMPARE(Sütun(Deyim::TümPersonel(), u"AdiSoyadi"_s), QStringList{u"Ayşe IŞIK"_s});
        }
    }
};

QTEST_MAIN(TestBaslangic)
#include "TestBaşlangıç.moc"
