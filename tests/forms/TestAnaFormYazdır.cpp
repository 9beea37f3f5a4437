// Printing from the main window, end to end: the print button, the printer choice, the holiday
// set rebuilt before the run, the sheet of every marked person drawn from the window's boxes
// and period, and the jobs a private cupsd receives.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/KayıtYazıcısı.h"
#include "destek/SayfaResmi.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cups/ipp.h>

namespace {

const char* const Kişiler[] = {"Ahmet Kaya", "Ayşe Yılmaz", "Burak Çelik",  "Cemile Şahin",
                               "Deniz Öz",   "Elif Doğan",  "Fatih Arslan", "Gül Işık",
                               "Hakan Ünal", "İrem Kılıç"};

} // namespace

class TestAnaFormYazdir : public AnaFormTesti
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        sunucu =
            std::make_unique<CupsSunucusu>(QStringList{QStringLiteral("A"), QStringLiteral("B")});
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
        QCOMPARE(Liste()->count(), 10);
    }

    void cleanup()
    {
        YazıcıNesnesiniAyarla(nullptr);
        form.reset();
        ortam.reset();
    }

    void foyPencereninBilgileriyle()
    {
        // February 2024, and a holiday entered after the month was chosen: the run rebuilds
        // the month's holidays before the sheet is drawn.
        Dönem(2, 2024);
        ortam->Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES (#2/14/2024#)"));
        KayıtYazıcısı kayıt;
        bool düğmeKapalıydı = false;
        kayıt.hataVer = [&](const Çizim&) {
            düğmeKapalıydı = !D<QPushButton>("YazdırDüğmesi")->isEnabled();
            return false;
        };
        YazıcıNesnesiniAyarla(&kayıt);
        İşaretle(3);
        Yazdır([this](QDialog* seçme) { Tamam(seçme); });

        QCOMPARE(kayıt.BelgeSayısı(), 1);
        const std::vector<Çizim> ç = kayıt.Belge(0);
        const auto metinVar = [&](const QString& metin) {
            return std::any_of(ç.begin(), ç.end(),
                               [&](const Çizim& m) { return m.metin == metin; });
        };
        QVERIFY(metinVar(QStringLiteral("ÇAĞLAYAN HASTANESİ MESAİ İMZA FÖYÜ - ŞUBAT 2024")));
        for (const QString& değer :
             {QStringLiteral("103"), QString::fromUtf8(Kişiler[3]), QStringLiteral("Memur"),
              QStringLiteral("Acil"), QStringLiteral("4")})
            QVERIFY2(metinVar(değer), qPrintable(değer));
        // 29 rows for February 2024; the 14th marked as a holiday.
        int çubuk = 0;
        int tatil = 0;
        for (const Çizim& m : ç) {
            çubuk += m.tür == Çizim::Dikdörtgen && qAbs(m.son.y() - m.baş.y() - 0.1) < 0.005;
            tatil += m.metin == QStringLiteral("TATİL");
        }
        QCOMPARE(çubuk, 29);
        QCOMPARE(tatil, 3);
        QVERIFY(düğmeKapalıydı);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QVERIFY(!İşaretli(3));
    }

    // A holiday added in the calendar dialog is marked on the very next run, with nothing
    // reopened or reselected in between.
    void takvimdeEklenenTatilSonrakiIsteBasilir()
    {
        Dönem(3, 2024);
        QTimer::singleShot(0, this, [] {
            QWidget* takvim = QApplication::activeModalWidget();
            QVERIFY(takvim);
            QVERIFY(QTest::qWaitForWindowActive(takvim));
            // 16 March 2024, a Saturday.
            for (QLabel* gün : takvim->findChildren<QLabel*>())
                if (gün->objectName().startsWith(QStringLiteral("GünEtiketi")) &&
                    gün->text() == QStringLiteral("16"))
                    QTest::mouseClick(gün, Qt::LeftButton);
            QTest::mouseClick(takvim->findChild<QPushButton*>(QStringLiteral("ListeyeEkleDüğmesi")),
                              Qt::LeftButton);
            QTest::mouseClick(takvim->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(D<QPushButton>("TatilBelirleDüğmesi"), Qt::LeftButton);
        QVERIFY(!form->TatilMi(QDate(2024, 3, 16)));

        KayıtYazıcısı kayıt;
        YazıcıNesnesiniAyarla(&kayıt);
        İşaretle(0);
        Yazdır([](QDialog* seçme) { Tamam(seçme); });
        QCOMPARE(kayıt.BelgeSayısı(), 1);
        const std::vector<Çizim> ç = kayıt.Belge(0);
        QCOMPARE(std::count_if(ç.begin(), ç.end(),
                               [](const Çizim& m) { return m.metin == QStringLiteral("TATİL"); }),
                 3);
    }

    void ucKisiUcIsSirayla()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        Dönem(1, 2024);
        for (int satır : {5, 2, 9})
            İşaretle(satır);
        std::vector<int> güncelOlanlar;
        connect(Liste(), &QListWidget::currentRowChanged, this,
                [&](int satır) { güncelOlanlar.push_back(satır); });
        Yazdır([this](QDialog* seçme) { Tamam(seçme); });
        disconnect(Liste(), &QListWidget::currentRowChanged, this, nullptr);
        QCOMPARE(güncelOlanlar, (std::vector<int>{2, 5, 9}));

        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(int(önce) + 3);
        QCOMPARE(işler.size(), önce + 3);
        const int sıra[] = {2, 5, 9};
        for (int i = 0; i < 3; ++i) {
            const CupsSunucusu::İş& iş = işler.at(önce + i);
            QCOMPARE(iş.başlık,
                     Liste()->item(sıra[i])->text() + QStringLiteral(" - Mesai İmza Föyü"));
            QCOMPARE(iş.durum, int(IPP_JSTATE_COMPLETED));
            QCOMPARE(CupsSunucusu::SayfaSayısı(iş.dosya), 1);
        }
        for (int i = 0; i < 10; ++i)
            QVERIFY(!İşaretli(i));
        // The last printed person stays current, in the boxes.
        QCOMPARE(Liste()->currentRow(), 9);
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), Liste()->item(9)->text());

        // The page as it came out of the spooler: the frame, the three rules and the 31 row
        // bars of the month, and the five vertical lines, all inside the page.
        const QImage resim =
            PdfResmi(işler.at(önce).dosya, 100, ortam->ProgramKlasörü() + QStringLiteral("is.png"));
        QVERIFY(!resim.isNull());
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
        const int nosu = Liste()->item(3)->data(Qt::UserRole).toInt();
        ortam->Çalıştır(QStringLiteral("DELETE FROM PersonelBilgileriTablosu WHERE Nosu=") +
                        QString::number(nosu));
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Yazdır([this](QDialog* seçme) { Tamam(seçme); });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(kayıt.BelgeSayısı(), 2);
        for (int belge : {0, 1}) {
            const std::vector<Çizim> ç = kayıt.Belge(belge);
            const QString kişi = QString::fromUtf8(Kişiler[belge == 0 ? 1 : 5]);
            QVERIFY(
                std::any_of(ç.begin(), ç.end(), [&](const Çizim& m) { return m.metin == kişi; }));
        }
        QVERIFY(!İşaretli(1) && İşaretli(3) && !İşaretli(5));
    }

    void reddedilenIsinIsaretiKalir()
    {
        // The queue refuses jobs: both sheets fail silently and keep their marks.
        const size_t önce = sunucu->İşleriBekle(0).size();
        sunucu->İşKabulü(0, false);
        İşaretle(1);
        İşaretle(3);
        Yazdır([this](QDialog* seçme) { Tamam(seçme); });
        sunucu->İşKabulü(0, true);
        QVERIFY(ortam->gösterilen.empty());
        QVERIFY(İşaretli(1) && İşaretli(3));
        QCOMPARE(sunucu->İşleriBekle(0).size(), önce);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());

        // Printed again once the printer takes jobs, the marks go.
        Yazdır([this](QDialog* seçme) { Tamam(seçme); });
        QVERIFY(!İşaretli(1) && !İşaretli(3));
        QCOMPARE(sunucu->İşleriBekle(int(önce) + 2).size(), önce + 2);
    }

    void iptalBasmazVeIsaretlerKalir()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        İşaretle(1);
        İşaretle(7);
        Yazdır([](QDialog* seçme) { QTest::keyClick(seçme, Qt::Key_Escape); });
        QVERIFY(İşaretli(1) && İşaretli(7));
        QVERIFY(!YazıcıSeçimiİptal);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        // The next press shows the choice again, and prints.
        bool gösterildi = false;
        Yazdır([&](QDialog* seçme) {
            gösterildi = true;
            Tamam(seçme);
        });
        QVERIFY(gösterildi);
        QCOMPARE(sunucu->İşleriBekle(int(önce) + 2).size(), önce + 2);
        QVERIFY(!İşaretli(1) && !İşaretli(7));
    }

    void secilenYaziciKalir()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        İşaretle(0);
        Yazdır([this](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            liste->setFocus();
            QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(liste->currentText(), sunucu->Kuyruk(1));
            Tamam(seçme);
        });
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
        // The first printer again for whatever follows.
        İşaretle(4);
        Yazdır([](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            liste->setFocus();
            QTest::keyClick(liste, Qt::Key_Up);
            Tamam(seçme);
        });
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
    }

private:
    void Dönem(int ay, int yıl)
    {
        D<DüğmeliKutu>("YılKutusu")->SetValue(yıl);
        D<QComboBox>("AyKutusu")->setCurrentIndex(ay - 1);
    }

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;
};

QTEST_MAIN(TestAnaFormYazdir)
#include "TestAnaFormYazdır.moc"
