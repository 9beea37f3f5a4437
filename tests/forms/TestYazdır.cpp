// The two print windows on their own, over a private cupsd with two cups-pdf queues: the
// printer choice dialog (its list, connection box, and how it is left), and the progress
// window's run over the marked entries of a list. The whole run from the main window's print
// button is tested with the main window.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "destek/CupsSunucusu.h"
#include "destek/KayıtYazıcısı.h"
#include "destek/TestOrtamı.h"
#include "forms/YazdırFormu.h"
#include "forms/YazıcıSeçmeFormu.h"
#include "forms/İmzaFöyü.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestYazdir : public QObject
{
    Q_OBJECT

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;
    QWidget pencere;

private Q_SLOTS:
    void initTestCase()
    {
        // Before anything asks for printers: the process then sees only these queues.
        sunucu =
            std::make_unique<CupsSunucusu>(QStringList{QStringLiteral("A"), QStringLiteral("B")});
        if (!sunucu->Hazır())
            QSKIP(qPrintable(QStringLiteral("özel yazdırma sunucusu yok: ") + sunucu->Neden()));
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        pencere.show();
        QVERIFY(QTest::qWaitForWindowActive(&pencere));
    }
    void cleanupTestCase()
    {
        ortam.reset();
        sunucu.reset();
    }

    // The installed printers in the platform's order, the current one preselected with its
    // connection shown; the connection follows the arrow without choosing anything yet.
    void secmeFormununListesi()
    {
        YazıcıSeçmeFormu form(&pencere);
        form.show();
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        auto* liste = form.findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"));
        auto* bağlantı = form.findChild<QLineEdit*>(QStringLiteral("BağlantıNoktasıKutusu"));
        const QList<QPrinterInfo> yazıcılar = QPrinterInfo::availablePrinters();
        QCOMPARE(liste->count(), 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(liste->itemText(i), yazıcılar.at(i).printerName());
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
        QCOMPARE(liste->currentText(), GeçerliYazıcıAdı());
        QCOMPARE(bağlantı->text(), sunucu->AygıtAdresi(0));
        liste->setFocus();
        const int öteki = 1 - liste->currentIndex();
        QTest::keyClick(liste, öteki == 1 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(bağlantı->text(),
                 QStringLiteral("cups-pdf:/") + yazıcılar.at(öteki).printerName());
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
    }

    // Esc and the cancel button call the run off; the close box lets it go on. Either way a
    // printer only moved to in the list is not chosen.
    void secmeFormuBirakilinca_data()
    {
        QTest::addColumn<int>("yol");
        QTest::addColumn<bool>("iptal");
        QTest::newRow("Esc") << 0 << true;
        QTest::newRow("İptal") << 1 << true;
        QTest::newRow("kapatma") << 2 << false;
    }
    void secmeFormuBirakilinca()
    {
        QFETCH(int, yol);
        YazıcıSeçimiİptal = false;
        YazıcıSeçmeFormu form(&pencere);
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(form.findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu")),
                            Qt::Key_Down);
            if (yol == 0)
                QTest::keyClick(&form, Qt::Key_Escape);
            else if (yol == 1)
                QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("İptalDüğmesi")),
                                  Qt::LeftButton);
            else
                form.close();
        });
        form.exec();
        QTEST(YazıcıSeçimiİptal, "iptal");
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
    }

    // Only the marked entries are made current, in order, each as its sheet is drawn under the
    // visible progress window; the one whose sheet failed keeps its mark, without a message.
    void yalnizBasilamayaninIsaretiKalir()
    {
        QListWidget liste(&pencere);
        for (int i = 0; i < 8; ++i) {
            auto* öğe = new QListWidgetItem(QStringLiteral("Kişi %1").arg(i), &liste);
            öğe->setCheckState(i == 2 || i == 5 || i == 7 ? Qt::Checked : Qt::Unchecked);
        }
        KayıtYazıcısı kayıt;
        kayıt.hataVer = [](const Çizim& ç) { return ç.metin == QStringLiteral("Kişi 5"); };
        YazıcıNesnesiniAyarla(&kayıt);
        std::vector<int> basılanlar;
        YazdırFormu form(
            &liste,
            [&](int satır) {
                liste.setCurrentRow(satır, QItemSelectionModel::NoUpdate);
                return true;
            },
            [&] {
                const auto* ilerleme = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (ilerleme && ilerleme->isVisible() &&
                    ilerleme->windowTitle() == QStringLiteral("Yazdırılıyor..."))
                    basılanlar.push_back(liste.currentRow());
                FöyBilgileri b;
                b.ayAdı = QStringLiteral("OCAK");
                b.ayNo = 1;
                b.tarihYılı = QStringLiteral("2024");
                b.başlıkYılı = 2024;
                b.adıSoyadı = liste.currentItem()->text();
                b.tatilMi = [](const QDate&) { return false; };
                return İmzaFöyü(GeçerliYazıcı(), b).Yazdır();
            },
            &pencere);
        form.exec();
        YazıcıNesnesiniAyarla(nullptr);
        QVERIFY(!form.isVisible());
        QCOMPARE(basılanlar, (std::vector<int>{2, 5, 7}));
        QCOMPARE(kayıt.BelgeSayısı(), 3);
        QVERIFY(ortam->gösterilen.empty());
        for (int i = 0; i < 8; ++i)
            QCOMPARE(liste.item(i)->checkState() == Qt::Checked, i == 5);
    }
};

QTEST_MAIN(TestYazdir)
#include "TestYazdır.moc"
