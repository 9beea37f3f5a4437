// A printer removed from the spooler while the printer choice is open. The dialog keeps the
// list it opened with, so its entries still name the printers they show; pressing OK on the
// removed one is a message and a cancelled run: nothing printed anywhere, every mark kept, and
// the next run offers the printers that are left and prints there.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "data/Deyimler.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <functional>

class TestYaziciKaybi : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;

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
        for (int i = 0; i < 3; ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(
                QString::number(10 + i), QStringLiteral("Kişi %1 KAYA").arg(i),
                QStringLiteral("Memur"), QStringLiteral("Acil"), QString::number(i + 1)));
        ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"));
        YazıcıVar = true;
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    // Rows run in order on one spooler: the first removes B after choosing it, the second
    // removes the current printer A with the dialog open on it.
    void kaldirilanYaziciyaBasilmaz_data()
    {
        QTest::addColumn<int>("aşağı");
        QTest::addColumn<int>("kaldırılan");
        QTest::newRow("seçilen") << 1 << 1;
        QTest::newRow("geçerli") << 0 << 0;
    }
    void kaldirilanYaziciyaBasilmaz()
    {
        QFETCH(int, aşağı);
        QFETCH(int, kaldırılan);
        const QString ad = sunucu->Kuyruk(kaldırılan);
        // A removed queue's jobs leave the spooler's list with it: count those of the others.
        const auto başkaİşler = [&] {
            const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(0);
            return std::count_if(işler.begin(), işler.end(),
                                 [&](const CupsSunucusu::İş& iş) { return iş.kuyruk != ad; });
        };
        const auto önce = başkaİşler();
        İşaretle(0);
        İşaretle(2);
        Yazdır([&](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            liste->setFocus();
            for (int i = 0; i < aşağı; ++i)
                QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(liste->currentText(), ad);
            QVERIFY2(sunucu->KuyruğuKaldır(kaldırılan), "lpadmin -x");
            Tamam(seçme);
        });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Yazıcı bulunamadı!"));
        QVERIFY(ortam->gösterilen[0].metin.contains(ad));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QCOMPARE(başkaİşler(), önce);
        QVERIFY(İşaretli(0) && İşaretli(2));

        QString kalan;
        Yazdır([&](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            QCOMPARE(liste->findText(ad), -1);
            liste->setCurrentIndex(0);
            kalan = liste->currentText();
            Tamam(seçme);
        });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(int(önce) + 2);
        QCOMPARE(başkaİşler(), önce + 2);
        QCOMPARE(işler.back().kuyruk, kalan);
        QCOMPARE(işler[işler.size() - 2].kuyruk, kalan);
        QVERIFY(!İşaretli(0) && !İşaretli(2));
    }
};

QTEST_MAIN(TestYaziciKaybi)
#include "TestYazıcıKaybı.moc"
