// The start of the program: the operating-system gate, Main's program-wide values and main
// window in their order, the single-copy guard, and Qt's own texts in Turkish.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "startup/BaşlangıçModülü.h"
#include "startup/QtÇevirisi.h"
#include "startup/TekKopyaKoruması.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

class TestBaslangic : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    QTemporaryDir soketler; // the single-copy sockets of this test stay in a folder of its own

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_RUNTIME_DIR", QFile::encodeName(soketler.path())); }
    void init() { ortam.emplace(); }
    void cleanup()
    {
        qDeleteAll(QApplication::topLevelWidgets());
        ortam.reset();
    }

    void isletimSistemiKapisi_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("ana");
        QTest::addColumn<uint>("yapı");
        QTest::addColumn<QString>("paket");
        QTest::addColumn<QString>("metin");
        const QString m15 = u"Program, bilgisayarınızda kurulu olmadığı için başlatılamıyor. "
                            u"Lütfen, kurulum programını çalıştırınız!"_s;
        const QString m20 = u"Program'ın çalışabilmesi için bilgisayarınızda NT 4.0 ile 'Servis "
                            u"Pack 3' ya da daha yüksek bir sürümün yüklü olması gerekiyor."_s;
        QTest::newRow("95 yapı 1110") << 1 << 4 << 0x04000456u << QString() << m15;
        QTest::newRow("95 yapı 1111") << 1 << 4 << 0x04000457u << QString() << QString();
        QTest::newRow("NT 3.51") << 2 << 3 << 1057u << u"Service Pack 5"_s << m20;
        QTest::newRow("NT 4 SP2") << 2 << 4 << 1381u << u"Service Pack 2"_s << m20;
        QTest::newRow("NT 4 SP3") << 2 << 4 << 1381u << u"Service Pack 3"_s << QString();
        QTest::newRow("NT 4 SP6a") << 2 << 4 << 1381u << u"Service Pack 6a"_s << QString();
        QTest::newRow("NT 4 boş karakterden sonra SP3")
            << 2 << 4 << 1381u << QStringLiteral("Beta\0Service Pack 3") << m20;
        QTest::newRow("Windows 2000") << 2 << 5 << 2195u << QString() << QString();
        QTest::newRow("başka sistem") << 0 << 6 << 0u << QString() << QString();
    }
    void isletimSistemiKapisi()
    {
        QFETCH(int, platform);
        QFETCH(int, ana);
        QFETCH(uint, yapı);
        QFETCH(QString, paket);
        QFETCH(QString, metin);
        İşletimSistemiDenetle({platform, ana, 0, yapı, paket});
        QCOMPARE(ortam->gösterilen.size(), size_t(metin.isEmpty() ? 0 : 1));
        QCOMPARE(ortam->bitişKodu, metin.isEmpty() ? std::nullopt : std::optional<int>(0));
        for (const Mesaj& m : ortam->gösterilen)
            QVERIFY(m.metin == metin && m.simge == MesajSimgesi::Kritik &&
                    m.başlık == u"Tessaro"_s);
    }

    // A running copy is brought to the front and nothing else is done; without a database no
    // later value is set and no window opens.
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
        auto* çalışan = new QWidget;
        if (durum == 1) {
            çalışan->setWindowTitle(u"Velnora - Tessaro 1.01"_s);
            çalışan->showMinimized();
            TekKopyaKoruması::Dinle(çalışan->windowTitle(), çalışan);
        }
        if (durum == 2)
            QVERIFY(QFile::remove(ortam->VeritabanıYolu()));
        ProgramKlasörü.clear();
        AyarUygulamaAdı.clear();
        VurguRengi = QColor();

        Main();

        QCOMPARE(ortam->gösterilen.size(), size_t(durum == 2 ? 1 : 0));
        QCOMPARE(ortam->bitişKodu, durum ? std::optional<int>(0) : std::nullopt);
        QCOMPARE(ProgramBaşlığı, u"Velnora - Tessaro 1.01"_s);
        QCOMPARE(ProgramKlasörü, durum == 1 ? QString() : ortam->ProgramKlasörü());
        QCOMPARE(AyarUygulamaAdı, durum ? QString() : u"Velnora\\Tessaro"_s);
        QCOMPARE(VurguRengi, durum ? QColor() : QColor(10, 80, 220));
        QCOMPARE(Veritabanı.AçıkMı(), !durum);
        QCOMPARE(QFileInfo::exists(ortam->YedekYolu()), !durum);
        QCOMPARE(QApplication::topLevelWidgets().size(), durum ? 1 : 2);
        QTRY_COMPARE(çalışan->isVisible() && !çalışan->isMinimized(), durum == 1);
        // The main window answers a later copy from now on.
        QCOMPARE(TekKopyaKoruması::ÇalışanıÖneGetir(ProgramBaşlığı), durum != 2);
    }

    // Kept last: the catalogue stays installed for the rest of the run.
    void qtMetinleriTurkcedir()
    {
        QVERIFY(QtTürkçeMetinleriniYükle());
        QMessageBox kutu(QMessageBox::Question, u"Tessaro"_s, u"?"_s,
                         QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(kutu.button(QMessageBox::Ok)->text(), u"Tamam"_s);
        QCOMPARE(kutu.button(QMessageBox::Yes)->text(), u"&Evet"_s);
        QCOMPARE(kutu.button(QMessageBox::No)->text(), u"&Hayır"_s);
    }
};

QTEST_MAIN(TestBaslangic)
#include "TestBaşlangıç.moc"
