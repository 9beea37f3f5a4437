// The single-copy guard with real processes of the built program: a second launch ends at once,
// silently, with status 0, after bringing the running window to the front; a copy with another
// title is not found; a socket left by a crashed copy does not block the next start.

#include "destek/ProgramKopyası.h"
#include "startup/TekKopyaKoruması.h"

#include <QProcess>
#include <QTest>
#include <QWidget>
#include <memory>
#include <optional>

namespace {
const QString başlık = QStringLiteral("Velnora - Tessaro 1.01");
}

class TestTekKopya : public QObject
{
    Q_OBJECT

    std::optional<ProgramKopyası> kopya;
    QByteArray eskiTmp;

    std::unique_ptr<QProcess> Başlat()
    {
        auto süreç = std::make_unique<QProcess>();
        süreç->setProcessEnvironment(kopya->Ortam());
        süreç->setWorkingDirectory(kopya->ProgramKlasörü());
        süreç->start(kopya->Program(), {});
        return süreç;
    }

    // Starts a copy that must end by itself, and checks it ended silently with status 0.
    void SessizceBitmeli()
    {
        auto ikinci = Başlat();
        QVERIFY(ikinci->waitForStarted(10000));
        QTRY_COMPARE_WITH_TIMEOUT(ikinci->state(), QProcess::NotRunning, 20000);
        QCOMPARE(ikinci->exitStatus(), QProcess::NormalExit);
        QCOMPARE(ikinci->exitCode(), 0);
        QCOMPARE(QString::fromLocal8Bit(ikinci->readAllStandardOutput()), QString());
        QCOMPARE(QString::fromLocal8Bit(ikinci->readAllStandardError()), QString());
    }

private Q_SLOTS:
    void initTestCase()
    {
        kopya.emplace();
        if (!kopya->Hazır())
            QSKIP("TESSARO_PROGRAM ile derlenmiş program verilmedi");
        // Windows of this test answer on the same socket folder as the program copies.
        eskiTmp = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(kopya->SoketKlasörü()));
    }
    void cleanupTestCase()
    {
        eskiTmp.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", eskiTmp);
        kopya.reset();
    }

    // A window of this run, minimised, is the running copy: a later start raises it.
    void kucultulmusPencereOneGelir()
    {
        QWidget çalışan;
        çalışan.setWindowTitle(başlık);
        çalışan.show();
        QVERIFY(QTest::qWaitForWindowExposed(&çalışan));
        çalışan.showMinimized();
        QTRY_VERIFY(çalışan.isMinimized());
        TekKopyaKoruması::Dinle(başlık, &çalışan);

        SessizceBitmeli();

        QTRY_VERIFY(!çalışan.isMinimized());
        QTRY_VERIFY(çalışan.isActiveWindow());
    }

    // A copy with another title is not the program; one killed leaves its socket behind, and
    // neither keeps the next start from running and answering later ones.
    void baskaBaslikVeCokenKopyaEngelOlmaz()
    {
        QWidget başka;
        başka.setWindowTitle(QStringLiteral("Velnora - Tessaro 1.02"));
        başka.showMinimized();
        TekKopyaKoruması::Dinle(başka.windowTitle(), &başka);

        auto çöken = Başlat();
        QTRY_VERIFY_WITH_TIMEOUT(kopya->Dinliyor(başlık), 20000);
        QVERIFY(başka.isMinimized());
        çöken->kill();
        QVERIFY(çöken->waitForFinished(5000));
        QVERIFY(!kopya->Dinliyor(başlık));

        auto yeni = Başlat();
        QTRY_VERIFY_WITH_TIMEOUT(kopya->Dinliyor(başlık), 20000);
        SessizceBitmeli();
        QCOMPARE(yeni->state(), QProcess::Running);
        QVERIFY(kopya->Dinliyor(başlık));
        yeni->kill();
        yeni->waitForFinished(5000);
    }
};

QTEST_MAIN(TestTekKopya)
#include "TestTekKopya.moc"
