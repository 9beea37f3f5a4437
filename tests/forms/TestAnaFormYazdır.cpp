// Printing from the main window, end to end, over a private cupsd with three queues: the sheet
// of every marked person drawn from the window's boxes and period, the jobs the spooler
// receives, and the runs that print nothing: cancelled, refused by the queue, or aimed at a
// printer removed while the choice was open.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/KayıtYazıcısı.h"
#include "destek/SayfaResmi.h"
#include "destek/TestMenüsü.h"
#include "destek/TestOrtamı.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cups/ipp.h>

namespace {
const char* const Kişiler[] = {"Ahmet Kaya", "Ayşe Yılmaz", "Burak Çelik",  "Cemile Şahin",
                               "Deniz Öz",   "Elif Doğan",  "Fatih Arslan", "Gül Işık",
                               "Hakan Ünal", "İrem Kılıç"};

bool MetinVar(const std::vector<Çizim>& ç, const QString& metin)
{
    return std::any_of(ç.begin(), ç.end(), [&](const Çizim& m) { return m.metin == metin; });
}

} // namespace

class TestAnaFormYazdir : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;

    // Moves the printer choice down by aşağı entries, then presses OK.
    static std::function<void(QDialog*)> Seç(int aşağı)
    {
        return [aşağı](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            liste->setFocus();
            for (int i = 0; i < qAbs(aşağı); ++i)
                QTest::keyClick(liste, aşağı > 0 ? Qt::Key_Down : Qt::Key_Up);
            Tamam(seçme);
        };
    }
    void Dönem(int ay, int yıl)
    {
        D<DüğmeliKutu>("YılKutusu")->SetValue(yıl);
        D<QComboBox>("AyKutusu")->setCurrentIndex(ay - 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        sunucu = std::make_unique<CupsSunucusu>(
            QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        if (!sunucu->Hazır())
            QSKIP(qPrintable(QStringLiteral("özel yazdırma sunucusu yok: ") + sunucu->Neden()));
    }
    void cleanupTestCase() { sunucu.reset(); }

    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        for (int i = 0; i < 10; ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(
                QString::number(100 + i), QString::fromUtf8(Kişiler[i]), QStringLiteral("Memur"),
                QStringLiteral("Acil"), QString::number(i + 1)));
        ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"));
        YazıcıVar = true;
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        YazıcıNesnesiniAyarla(nullptr);
        form.reset();
        ortam.reset();
    }

    // February 2024 with a holiday added in the calendar dialog: the window's own set is not
    // rebuilt by the dialog, the run rebuilds it, so the very next sheet marks the day.
    void foyPencereninBilgileriyle()
    {
        Dönem(2, 2024);
        QTimer::singleShot(0, this, [] {
            QWidget* takvim = QApplication::activeModalWidget();
            QVERIFY(takvim && QTest::qWaitForWindowActive(takvim));
            for (QLabel* gün : takvim->findChildren<QLabel*>())
                if (gün->objectName().startsWith(QStringLiteral("GünEtiketi")) &&
                    gün->text() == QStringLiteral("14"))
                    QTest::mouseClick(gün, Qt::LeftButton);
            QTest::mouseClick(takvim->findChild<QPushButton*>(QStringLiteral("ListeyeEkleDüğmesi")),
                              Qt::LeftButton);
            QTest::mouseClick(takvim->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(D<QPushButton>("TatilBelirleDüğmesi"), Qt::LeftButton);
        QVERIFY(!form->TatilMi(QDate(2024, 2, 14)));

        KayıtYazıcısı kayıt;
        bool düğmeKapalıydı = false;
        kayıt.hataVer = [&](const Çizim&) {
            düğmeKapalıydı = !D<QPushButton>("YazdırDüğmesi")->isEnabled();
            return false;
        };
        YazıcıNesnesiniAyarla(&kayıt);
        İşaretle(3);
        Yazdır(Seç(0));
        QCOMPARE(kayıt.BelgeSayısı(), 1);
        const std::vector<Çizim> ç = kayıt.Belge(0);
        QVERIFY(MetinVar(ç, QStringLiteral("ÇAĞLAYAN HASTANESİ MESAİ İMZA FÖYÜ - ŞUBAT 2024")));
        for (const QString& değer : {QStringLiteral("103"), QString::fromUtf8(Kişiler[3]),
                                     QStringLiteral("Memur"), QStringLiteral("Acil")})
            QVERIFY2(MetinVar(ç, değer), qPrintable(değer));
        // 29 day rows; the holiday's row says so in its three columns.
        QCOMPARE(std::count_if(ç.begin(), ç.end(),
                               [](const Çizim& m) {
                                   return m.tür == Çizim::Dikdörtgen &&
                                          qAbs(m.son.y() - m.baş.y() - 0.1) < 0.005;
                               }),
                 29);
        QCOMPARE(std::count_if(ç.begin(), ç.end(),
                               [](const Çizim& m) { return m.metin == QStringLiteral("TATİL"); }),
                 3);
        QVERIFY(düğmeKapalıydı && D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QVERIFY(!İşaretli(3));
    }

    // The year's official holidays added from the calendar's menu reach the very next sheet:
    // in May 2026, 1 and 19 May and the four days of Kurban Bayramı, three columns each.
    void resmiTatillerFoydeTatil()
    {
        Dönem(5, 2026);
        QTimer::singleShot(0, this, [] {
            QWidget* takvim = QApplication::activeModalWidget();
            QVERIFY(takvim && QTest::qWaitForWindowActive(takvim));
            QCOMPARE(MenüdenSeç(takvim->findChild<QWidget*>(QStringLiteral("Altlık"))),
                     QStringLiteral("2026 Yılının Resmî Tatillerini Ekle"));
            QMetaObject::invokeMethod(takvim, "reject", Qt::QueuedConnection);
        });
        QTest::mouseClick(D<QPushButton>("TatilBelirleDüğmesi"), Qt::LeftButton);
        KayıtYazıcısı kayıt;
        YazıcıNesnesiniAyarla(&kayıt);
        İşaretle(0);
        Yazdır(Seç(0));
        const std::vector<Çizim> ç = kayıt.Belge(0);
        QCOMPARE(std::count_if(ç.begin(), ç.end(),
                               [](const Çizim& m) { return m.metin == QStringLiteral("TATİL"); }),
                 18);
    }

    // One job per marked person, in list order, each made current as it goes; the last stays.
    void ucKisiUcIsSirayla()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        Dönem(1, 2024);
        for (int satır : {5, 2, 9})
            İşaretle(satır);
        std::vector<int> güncelOlanlar;
        connect(Liste(), &QListWidget::currentRowChanged, this,
                [&](int satır) { güncelOlanlar.push_back(satır); });
        Yazdır(Seç(0));
        disconnect(Liste(), &QListWidget::currentRowChanged, this, nullptr);
        QCOMPARE(güncelOlanlar, (std::vector<int>{2, 5, 9}));
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(int(önce) + 3);
        QCOMPARE(işler.size(), önce + 3);
        for (int i = 0; i < 3; ++i) {
            const CupsSunucusu::İş& iş = işler.at(önce + i);
            QCOMPARE(iş.başlık, Liste()->item(güncelOlanlar[i])->text() +
                                    QStringLiteral(" - Mesai İmza Föyü"));
            QCOMPARE(iş.durum, int(IPP_JSTATE_COMPLETED));
            QCOMPARE(CupsSunucusu::SayfaSayısı(iş.dosya), 1);
        }
        for (int i = 0; i < 10; ++i)
            QVERIFY(!İşaretli(i));
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), Liste()->item(9)->text());
        // The page as it came out of the spooler: the frame, the three rules and the 31 row
        // bars, and the five vertical lines, all inside the page.
        const QImage resim =
            PdfResmi(işler.at(önce).dosya, 100, ortam->ProgramKlasörü() + QStringLiteral("is.png"));
        const std::vector<int> yatay = YatayÇizgiler(resim, 0.8);
        QCOMPARE(yatay.size(), size_t(36));
        QVERIFY(yatay.front() > 0 && yatay.back() < resim.height() - 1);
        const std::vector<int> dikey = DikeyÇizgiler(resim, 0.6);
        QCOMPARE(dikey.size(), size_t(5));
        QVERIFY(dikey.front() > 0 && dikey.back() < resim.width() - 1);
    }

    // Another program removed the middle person's record: the error is shown, the user goes on,
    // and the two readable people get one sheet each; the vanished one is neither printed with
    // the previous person's details nor unmarked.
    void okunamayanKayitBasilmaz()
    {
        KayıtYazıcısı kayıt;
        YazıcıNesnesiniAyarla(&kayıt);
        for (int satır : {1, 3, 5})
            İşaretle(satır);
        ortam->Çalıştır(Deyim::PersoneliSil(Liste()->item(3)->data(Qt::UserRole).toInt()));
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Yazdır(Seç(0));
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(kayıt.BelgeSayısı(), 2);
        QVERIFY(MetinVar(kayıt.Belge(0), QString::fromUtf8(Kişiler[1])));
        QVERIFY(MetinVar(kayıt.Belge(1), QString::fromUtf8(Kişiler[5])));
        QVERIFY(!İşaretli(1) && İşaretli(3) && !İşaretli(5));
    }

    // The printer chosen is the one printed on, and the next choice opens on it.
    void secilenYaziciKalir()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        İşaretle(0);
        Yazdır(Seç(1));
        İşaretle(4);
        QString açılışta;
        Yazdır([&](QDialog* seçme) {
            açılışta =
                seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"))->currentText();
            Tamam(seçme);
        });
        QCOMPARE(açılışta, sunucu->Kuyruk(1));
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(int(önce) + 2);
        QCOMPARE(işler.size(), önce + 2);
        QCOMPARE(işler.at(önce).kuyruk, sunucu->Kuyruk(1));
        QCOMPARE(işler.at(önce + 1).kuyruk, sunucu->Kuyruk(1));
        İşaretle(4);
        Yazdır(Seç(-1));
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
    }

    // A run that prints nothing keeps every mark and ends no program; the next press offers
    // the choice again and prints. A removed printer is a message (the dialog keeps the list it
    // opened with) and is gone from the next choice. Rows run in order on one spooler: B is
    // removed after being chosen, then A while it is the current printer.
    void basilmayanIsIsaretleriKorur_data()
    {
        QTest::addColumn<QString>("olay");
        QTest::addColumn<int>("aşağı");
        QTest::newRow("iptal") << "iptal" << 0;
        QTest::newRow("kuyruk reddeder") << "ret" << 0;
        QTest::newRow("seçilen kaldırıldı") << "kaldır" << 1;
        QTest::newRow("geçerli kaldırıldı") << "kaldır" << 0;
    }
    void basilmayanIsIsaretleriKorur()
    {
        QFETCH(QString, olay);
        QFETCH(int, aşağı);
        const bool kaldır = olay == QStringLiteral("kaldır");
        const int sıra = kaldır ? aşağı : 0;
        const QString ad = kaldır ? sunucu->Kuyruk(sıra) : QString();
        // A removed queue's jobs leave the spooler's list with it: count those of the others.
        const auto başkaİşler = [&] {
            const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(0);
            return size_t(
                std::count_if(işler.begin(), işler.end(),
                              [&](const CupsSunucusu::İş& iş) { return iş.kuyruk != ad; }));
        };
        const size_t önce = başkaİşler();
        const bool ret = olay == QStringLiteral("ret");
        if (ret)
            sunucu->İşKabulü(0, false);
        İşaretle(0);
        İşaretle(2);
        Yazdır([&](QDialog* seçme) {
            if (olay == QStringLiteral("iptal"))
                return QTest::keyClick(seçme, Qt::Key_Escape);
            if (kaldır)
                QVERIFY2(sunucu->KuyruğuKaldır(sıra), "lpadmin -x");
            Seç(aşağı)(seçme);
        });
        if (ret)
            sunucu->İşKabulü(0, true);
        QCOMPARE(ortam->gösterilen.size(), size_t(kaldır));
        QVERIFY(!kaldır || (ortam->gösterilen[0].başlık == QStringLiteral("Yazıcı bulunamadı!") &&
                            ortam->gösterilen[0].metin.contains(ad)));
        QVERIFY(!ortam->bitişKodu && !YazıcıSeçimiİptal);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QCOMPARE(başkaİşler(), önce);
        QVERIFY(İşaretli(0) && İşaretli(2));

        QString kalan;
        Yazdır([&](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            QVERIFY(!kaldır || liste->findText(ad) < 0);
            liste->setCurrentIndex(0);
            kalan = liste->currentText();
            Tamam(seçme);
        });
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(int(önce) + 2);
        QCOMPARE(başkaİşler(), önce + 2);
        QCOMPARE(işler.back().kuyruk, kalan);
        QCOMPARE(işler[işler.size() - 2].kuyruk, kalan);
        QVERIFY(!İşaretli(0) && !İşaretli(2));
    }
};

QTEST_MAIN(TestAnaFormYazdir)
#include "TestAnaFormYazdır.moc"
