// The start of the program: the operating-system gate over Windows version records, Main's
// program-wide values and main window, Main's early end when a copy already runs, and Qt's own
// texts in Turkish.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "startup/BaşlangıçModülü.h"
#include "startup/QtÇevirisi.h"
#include "startup/TekKopyaKoruması.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

Q_DECLARE_METATYPE(SistemKararı)

namespace {

const QString metin15 = QStringLiteral("Program, bilgisayarınızda kurulu olmadığı için "
                                       "başlatılamıyor. Lütfen, kurulum programını çalıştırınız!");
const QString metin20 = QStringLiteral("Program'ın çalışabilmesi için bilgisayarınızda NT 4.0 ile "
                                       "'Servis Pack 3' ya da daha yüksek bir sürümün yüklü olması "
                                       "gerekiyor.");

QWidget* BaşlıklıPencere(const QString& başlık)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == başlık && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

class TestBaslangic : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    std::optional<QTemporaryDir> soketler;
    QByteArray eskiTmp;

    void ProgramDeğerleriniSil()
    {
        ProgramBaşlığı.clear();
        ProgramKlasörü.clear();
        AyarUygulamaAdı.clear();
        VurguRengi = QColor();
        YazıcıVar = false;
    }

private Q_SLOTS:
    void init()
    {
        ortam.emplace();
        // The single-copy sockets of this test stay in a folder of its own.
        soketler.emplace();
        eskiTmp = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(soketler->path()));
    }
    void cleanup()
    {
        QList<QPointer<QWidget>> pencereler;
        for (QWidget* w : QApplication::topLevelWidgets())
            pencereler << w;
        for (const QPointer<QWidget>& w : pencereler)
            delete w.data();
        ortam.reset();
        if (eskiTmp.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", eskiTmp);
        soketler.reset();
    }

    void isletimSistemiKapisi_data()
    {
        QTest::addColumn<int>("platform");
        QTest::addColumn<int>("ana");
        QTest::addColumn<uint>("yapı");
        QTest::addColumn<QString>("paket");
        QTest::addColumn<SistemKararı>("karar");
        const auto Satır = [](const char* ad, int platform, int ana, uint yapı, const char* paket,
                              SistemKararı karar) {
            QTest::newRow(ad) << platform << ana << yapı << QString::fromUtf8(paket) << karar;
        };
        Satır("Windows 95 yapı 1110", 1, 4, 0x04000456u, "", SistemKararı::Metin15);
        Satır("Windows 95 yapı 1111", 1, 4, 0x04000457u, "", SistemKararı::Geçer);
        Satır("NT 3.51", 2, 3, 1057u, "Service Pack 5", SistemKararı::Metin20);
        Satır("NT 4 paketsiz", 2, 4, 1381u, "", SistemKararı::Metin20);
        Satır("NT 4 SP2", 2, 4, 1381u, "Service Pack 2", SistemKararı::Metin20);
        Satır("NT 4 SP3", 2, 4, 1381u, "Service Pack 3", SistemKararı::Geçer);
        Satır("NT 4 SP6a", 2, 4, 1381u, "Service Pack 6a", SistemKararı::Geçer);
        QTest::newRow("NT 4 boş karakterden sonra SP3")
            << 2 << 4 << 1381u << QStringLiteral("Beta\0Service Pack 3") << SistemKararı::Metin20;
        Satır("Windows 2000", 2, 5, 2195u, "", SistemKararı::Geçer);
        Satır("başka sistem", 0, 6, 0u, "", SistemKararı::Geçer);
    }
    void isletimSistemiKapisi()
    {
        QFETCH(int, platform);
        QFETCH(int, ana);
        QFETCH(uint, yapı);
        QFETCH(QString, paket);
        QFETCH(SistemKararı, karar);
        İşletimSistemiDenetle({platform, ana, 0, yapı, paket});
        if (karar == SistemKararı::Geçer) {
            QVERIFY(ortam->gösterilen.empty());
            QVERIFY(!ortam->bitişKodu);
            return;
        }
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& m = ortam->gösterilen[0];
        QCOMPARE(m.metin, karar == SistemKararı::Metin15 ? metin15 : metin20);
        QCOMPARE(m.simge, MesajSimgesi::Kritik);
        QCOMPARE(m.başlık, QStringLiteral("Tessaro"));
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
    }

    void mainDegerleriAtarVeAnaPencereyiAcar()
    {
        ProgramDeğerleriniSil();
        Main();

        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(!ortam->bitişKodu);
        QCOMPARE(ProgramBaşlığı, QStringLiteral("Velnora - Tessaro 1.01"));
        QCOMPARE(ProgramKlasörü, ortam->ProgramKlasörü());
        QCOMPARE(AyarUygulamaAdı, QStringLiteral("Velnora\\Tessaro"));
        QCOMPARE(VurguRengi, QColor(10, 80, 220));
        QCOMPARE(YazıcıVar, !QPrinterInfo::availablePrinters().isEmpty());
        QVERIFY(Veritabanı.AçıkMı());
        QVERIFY(QFileInfo::exists(ortam->YedekYolu()));
        QVERIFY(BaşlıklıPencere(ProgramBaşlığı));
        const std::unique_ptr<QSettings> ayarlar = AyarlarıAç();
        QCOMPARE(ayarlar->organizationName(), QStringLiteral("Velnora"));
        QCOMPARE(ayarlar->applicationName(), QStringLiteral("Tessaro"));
        // The window answers a later copy from now on.
        QVERIFY(TekKopyaKoruması::ÇalışanıÖneGetir(ProgramBaşlığı));
    }

    void baskaKopyaVarkenMainHicbirSeyYapmadanBiter()
    {
        QWidget çalışan;
        çalışan.setWindowTitle(QStringLiteral("Velnora - Tessaro 1.01"));
        çalışan.show();
        TekKopyaKoruması::Dinle(çalışan.windowTitle(), &çalışan);
        ProgramDeğerleriniSil();

        Main();

        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(ProgramKlasörü.isEmpty());
        QVERIFY(AyarUygulamaAdı.isEmpty());
        QVERIFY(!Veritabanı.AçıkMı());
        QVERIFY(!QFileInfo::exists(ortam->ProgramDosyaları() + QStringLiteral("Velnora")));
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
    }

    void veritabaniYoksaMainAnaPencereyiAcmaz()
    {
        QVERIFY(QFile::remove(ortam->VeritabanıYolu()));
        ProgramDeğerleriniSil();

        Main();

        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].simge, MesajSimgesi::Kritik);
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
        QVERIFY(AyarUygulamaAdı.isEmpty());
        QVERIFY(!VurguRengi.isValid());
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // Kept last: the catalogue stays installed for the rest of the run.
    void qtMetinleriTurkcedir()
    {
        QVERIFY(QtTürkçeMetinleriniYükle());
        QMessageBox kutu(QMessageBox::Question, QStringLiteral("Tessaro"), QStringLiteral("?"),
                         QMessageBox::Ok | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(kutu.button(QMessageBox::Ok)->text(), QStringLiteral("Tamam"));
        QCOMPARE(kutu.button(QMessageBox::Yes)->text(), QStringLiteral("&Evet"));
        QCOMPARE(kutu.button(QMessageBox::No)->text(), QStringLiteral("&Hayır"));

        QLineEdit kutucuk;
        std::unique_ptr<QMenu> menü(kutucuk.createStandardContextMenu());
        QStringList metinler;
        for (QAction* a : menü->actions())
            if (!a->isSeparator())
                metinler << a->text().section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(metinler, (QStringList{QStringLiteral("&Geri al"), QStringLiteral("&Yinele"),
                                        QStringLiteral("Ke&s"), QStringLiteral("&Kopyala"),
                                        QStringLiteral("Ya&pıştır"), QStringLiteral("Sil"),
                                        QStringLiteral("Tümünü Seç")}));
    }
};

QTEST_MAIN(TestBaslangic)
#include "TestBaşlangıç.moc"
