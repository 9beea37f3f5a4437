// The two print windows on their own, over a private cupsd with two cups-pdf queues: the
// printer choice dialog (its list, connection box, keys, and how it is left), and the progress
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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QStringList Adlar = {
    QStringLiteral("Ahmet KAYA"),   QStringLiteral("Ayşe YILMAZ"), QStringLiteral("Burak ÇELİK"),
    QStringLiteral("Cemile ŞAHİN"), QStringLiteral("Deniz ÖZ"),    QStringLiteral("Elif DOĞAN"),
    QStringLiteral("Fatih ARSLAN"), QStringLiteral("Gül IŞIK"),    QStringLiteral("Hakan ÜNAL"),
    QStringLiteral("İrem KILIÇ"),
};

// The dialog's controls, found by their names.
struct Denetimler
{
    explicit Denetimler(QWidget* form)
        : Çerçeve(form->findChild<QGroupBox*>(QStringLiteral("Çerçeve"))),
          Etiket0(form->findChild<QLabel*>(QStringLiteral("Etiket0"))),
          Etiket1(form->findChild<QLabel*>(QStringLiteral("Etiket1"))),
          YazıcıAdlarıKutusu(form->findChild<QComboBox*>(QStringLiteral("YazıcıAdlarıKutusu"))),
          BağlantıNoktasıKutusu(
              form->findChild<QLineEdit*>(QStringLiteral("BağlantıNoktasıKutusu"))),
          TamamDüğmesi(form->findChild<QPushButton*>(QStringLiteral("TamamDüğmesi"))),
          İptalDüğmesi(form->findChild<QPushButton*>(QStringLiteral("İptalDüğmesi")))
    {
    }
    QGroupBox* Çerçeve;
    QLabel* Etiket0;
    QLabel* Etiket1;
    QComboBox* YazıcıAdlarıKutusu;
    QLineEdit* BağlantıNoktasıKutusu;
    QPushButton* TamamDüğmesi;
    QPushButton* İptalDüğmesi;
};

} // namespace

class TestYazdir : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Before anything asks for printers: the process then sees only these queues.
        sunucu =
            std::make_unique<CupsSunucusu>(QStringList{QStringLiteral("A"), QStringLiteral("B")});
        if (!sunucu->Hazır())
            QSKIP(qPrintable(QStringLiteral("özel yazdırma sunucusu yok: ") + sunucu->Neden()));
        QCOMPARE(YüklüYazıcılar().size(), 2);
    }

    void cleanupTestCase() { sunucu.reset(); }

    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        pencere = std::make_unique<QWidget>();
        liste = new QListWidget(pencere.get());
        liste->addItems(Adlar);
        for (int i = 0; i < liste->count(); ++i) {
            liste->item(i)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                     Qt::ItemIsUserCheckable);
            liste->item(i)->setCheckState(Qt::Unchecked);
        }
        pencere->show();
        QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
        güncelOlanlar.clear();
        basılanlar.clear();
        connect(liste, &QListWidget::currentRowChanged, this,
                [this](int satır) { güncelOlanlar.push_back(satır); });
        YazıcıSeçimiİptal = false;
    }

    void cleanup()
    {
        YazıcıNesnesiniAyarla(nullptr);
        pencere.reset();
        ortam.reset();
    }

    void secmeFormununGorunusu()
    {
        YazıcıSeçmeFormu form(pencere.get());
        form.show();
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), &form);
        const Denetimler d(&form);
        QCOMPARE(form.windowTitle(), QStringLiteral("Yazıcı Seç"));
        QCOMPARE(form.size(), QSize(392, 187));
        QCOMPARE(d.Çerçeve->title(), QStringLiteral("Yazıcı "));
        QCOMPARE(d.Etiket0->text(), QStringLiteral("Yazıcı &Adı :"));
        QCOMPARE(d.Etiket1->text(), QStringLiteral("&Bağlantı Yeri :"));
        QCOMPARE(d.TamamDüğmesi->text(), QStringLiteral("Tamam"));
        QCOMPARE(d.İptalDüğmesi->text(), QStringLiteral("İptal (Esc)"));
        QVERIFY(!d.TamamDüğmesi->autoDefault() && !d.İptalDüğmesi->autoDefault());
        QVERIFY(d.BağlantıNoktasıKutusu->isReadOnly());
        // Both captions are whole in their places, ending where their fields begin.
        for (QLabel* etiket : {d.Etiket0, d.Etiket1}) {
            const QString görünen = etiket->text().remove(QLatin1Char('&'));
            QVERIFY2(etiket->fontMetrics().horizontalAdvance(görünen) <= etiket->width(),
                     qPrintable(görünen));
            QCOMPARE(etiket->mapTo(&form, QPoint(etiket->width(), 0)).x(), 8 + 20 + 74);
        }

        // The installed printers in the platform's order, each with its index; the current
        // one preselected with its connection shown.
        const QList<QPrinterInfo> yazıcılar = QPrinterInfo::availablePrinters();
        QCOMPARE(d.YazıcıAdlarıKutusu->count(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(d.YazıcıAdlarıKutusu->itemText(i), yazıcılar.at(i).printerName());
            QCOMPARE(d.YazıcıAdlarıKutusu->itemData(i).toInt(), i);
        }
        QCOMPARE(d.YazıcıAdlarıKutusu->currentText(), GeçerliYazıcıAdı());
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
        QCOMPARE(d.BağlantıNoktasıKutusu->text(), sunucu->AygıtAdresi(0));

        // Alt+B reaches the connection box, Alt+A the list; the arrow picks the other
        // printer, and its connection follows.
        QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d.BağlantıNoktasıKutusu);
        QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), d.YazıcıAdlarıKutusu);
        const int öteki = 1 - d.YazıcıAdlarıKutusu->currentIndex();
        QTest::keyClick(d.YazıcıAdlarıKutusu, öteki == 1 ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(d.YazıcıAdlarıKutusu->currentIndex(), öteki);
        QCOMPARE(d.BağlantıNoktasıKutusu->text(),
                 QStringLiteral("cups-pdf:/") + yazıcılar.at(öteki).printerName());
        // Nothing was chosen yet.
        QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
    }

    void secmeFormuIptalVeKapatma()
    {
        // Esc is the cancel button: the run is called off, the printer stays.
        {
            YazıcıSeçmeFormu form(pencere.get());
            QTimer::singleShot(0, &form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QTest::keyClick(Denetimler(&form).YazıcıAdlarıKutusu, Qt::Key_Down);
                QTest::keyClick(&form, Qt::Key_Escape);
            });
            form.exec();
            QVERIFY(YazıcıSeçimiİptal);
            QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
        }
        YazıcıSeçimiİptal = false;
        {
            YazıcıSeçmeFormu form(pencere.get());
            QTimer::singleShot(0, &form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QTest::mouseClick(Denetimler(&form).İptalDüğmesi, Qt::LeftButton);
            });
            form.exec();
            QVERIFY(YazıcıSeçimiİptal);
        }
        YazıcıSeçimiİptal = false;
        // Closed through the window's close box: the run goes on with the current printer.
        {
            YazıcıSeçmeFormu form(pencere.get());
            QTimer::singleShot(0, &form, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&form));
                QTest::keyClick(Denetimler(&form).YazıcıAdlarıKutusu, Qt::Key_Down);
                form.close();
            });
            form.exec();
            QVERIFY(!YazıcıSeçimiİptal);
            QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
        }
    }

    void yalnizBasilamayaninIsaretiKalir()
    {
        // On a recording printer that fails the sheet of one person only.
        KayıtYazıcısı kayıt;
        kayıt.hataVer = [](const Çizim& ç) { return ç.metin == Adlar.at(5); };
        YazıcıNesnesiniAyarla(&kayıt);
        for (int satır : {2, 5, 7})
            İşaretle(satır);
        bool pencereGörünüyordu = false;
        YazdırFormu form(
            liste,
            [this](int satır) {
                liste->setCurrentRow(satır, QItemSelectionModel::NoUpdate);
                return true;
            },
            [&] {
                const auto* ilerleme = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                pencereGörünüyordu =
                    ilerleme && ilerleme->isVisible() &&
                    ilerleme->windowTitle() == QStringLiteral("Yazdırılıyor...") &&
                    ilerleme->findChild<QLabel*>(QStringLiteral("Etiket"))->text() ==
                        QStringLiteral("Mesai cetvelleriniz yazdırılıyor. Lütfen, bekleyiniz!");
                return Yazdır();
            },
            pencere.get());
        form.exec();
        QVERIFY(pencereGörünüyordu);
        // The message stands whole in its two lines, beside the icon.
        const auto* etiket = form.findChild<QLabel*>(QStringLiteral("Etiket"));
        QVERIFY(etiket->wordWrap());
        QVERIFY(
            etiket->fontMetrics()
                .boundingRect(QRect(0, 0, etiket->width(), 1000), Qt::TextWordWrap, etiket->text())
                .height() <= etiket->height());
        QVERIFY(!form.findChild<QLabel*>(QStringLiteral("SimgeKutusu"))->pixmap().isNull());
        QVERIFY(!form.isVisible());
        // Only the marked entries were made current, each as its sheet was drawn.
        QCOMPARE(basılanlar, (std::vector<int>{2, 5, 7}));
        QCOMPARE(güncelOlanlar, (std::vector<int>{2, 5, 7}));
        QCOMPARE(kayıt.BelgeSayısı(), 3);
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(İşaretliler(), std::vector<int>{5});
    }

private:
    void İşaretle(int satır) { liste->item(satır)->setCheckState(Qt::Checked); }
    std::vector<int> İşaretliler() const
    {
        std::vector<int> satırlar;
        for (int i = 0; i < liste->count(); ++i)
            if (liste->item(i)->checkState() == Qt::Checked)
                satırlar.push_back(i);
        return satırlar;
    }

    // The sheet of the list's current entry on the current printer.
    bool Yazdır()
    {
        const int satır = liste->currentRow();
        basılanlar.push_back(satır);
        FöyBilgileri b;
        b.kurumAdı = QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ");
        b.ayAdı = QStringLiteral("OCAK");
        b.ayNo = 1;
        b.başlıkYılı = 2024;
        b.tarihYılı = QStringLiteral("2024");
        b.adıSoyadı = liste->item(satır)->text();
        b.tatilMi = [](const QDate&) { return false; };
        return İmzaFöyü(GeçerliYazıcı(), b).Yazdır();
    }

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> pencere;
    QListWidget* liste = nullptr;
    std::vector<int> güncelOlanlar;
    std::vector<int> basılanlar;
};

QTEST_MAIN(TestYazdir)
#include "TestYazdır.moc"
