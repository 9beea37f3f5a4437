// A printer removed from the spooler while the printer choice is open: the ones after it move
// up the list. Pressing OK ends in the error question rather than a crash or a sheet sent to
// the printer that took the removed one's place; a mark goes only with a sheet the spooler
// took, and the next run offers the printers that are left.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <sqlite3.h>

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

    void seciliYaziciKaldirildi()
    {
        const size_t önce = sunucu->İşleriBekle(0).size();
        İşaretle(0);
        İşaretle(2);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Yazdır([this](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            liste->setFocus();
            QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(liste->currentText(), sunucu->Kuyruk(1));
            QVERIFY2(sunucu->KuyruğuKaldır(1), "lpadmin -x");
            Tamam(seçme);
        });
        // The chosen printer is no longer in the list the dialog's choice points into.
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 9")));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        // A mark goes only with a sheet the spooler took; nothing went to the removed queue.
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(0);
        const size_t basılan = işler.size() - önce;
        QCOMPARE(size_t(!İşaretli(0)) + size_t(!İşaretli(2)), basılan);
        QVERIFY(!İşaretli(1));
        for (size_t i = önce; i < işler.size(); ++i)
            QVERIFY(işler[i].kuyruk != sunucu->Kuyruk(1));

        // The next run offers what is left and prints there without a word.
        İşaretle(1);
        Yazdır([this](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            QCOMPARE(liste->findText(sunucu->Kuyruk(1)), -1);
            QCOMPARE(liste->currentText(), sunucu->Kuyruk(0));
            Tamam(seçme);
        });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const std::vector<CupsSunucusu::İş> sonra = sunucu->İşleriBekle(int(işler.size()) + 1);
        QCOMPARE(sonra.size(), işler.size() + 1);
        QCOMPARE(sonra.back().kuyruk, sunucu->Kuyruk(0));
        QVERIFY(!İşaretli(1));

        char* hata = nullptr;
        QString sonuç;
        sqlite3_exec(
            Veritabanı.Tutamaç(), "PRAGMA integrity_check",
            [](void* s, int, char** d, char**) {
                *static_cast<QString*>(s) += QString::fromUtf8(d[0]);
                return 0;
            },
            &sonuç, &hata);
        sqlite3_free(hata);
        QCOMPARE(sonuç, QStringLiteral("ok"));
    }

    // The current printer removed: the one after it takes its place in the list, and must not
    // get the sheets meant for the removed one.
    void gecerliYaziciKaldirildi()
    {
        İşaretle(0);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Yazdır([this](QDialog* seçme) {
            auto* liste = seçme->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
            QCOMPARE(liste->currentText(), sunucu->Kuyruk(0));
            QVERIFY2(sunucu->KuyruğuKaldır(0), "lpadmin -x");
            Tamam(seçme);
        });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 9")));
        QVERIFY(!ortam->bitişKodu);
        // The removed queue's jobs leave the spooler's list with it: none may be on the other.
        for (const CupsSunucusu::İş& iş : sunucu->İşleriBekle(0))
            QVERIFY(iş.kuyruk != sunucu->Kuyruk(2));
        QVERIFY(İşaretli(0));
    }
};

QTEST_MAIN(TestYaziciKaybi)
#include "TestYazıcıKaybı.moc"
