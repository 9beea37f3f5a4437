// The institution name dialog driven through its real widgets, checked against Tsr.vtb and
// KurumAdı.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/KurumBilgisiGirişiFormu.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class KurumBilgisiTesti : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<KurumBilgisiGirişiFormu> form;
    QPlainTextEdit* kutu = nullptr;

    // Opens the dialog on the stored name ad (none: empty) and types metin over the selection.
    void Aç(const QString& ad = {}, const QString& metin = {})
    {
        if (!ad.isEmpty() && KurumAdı != ad)
            ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu VALUES ('%1')").arg(ad));
        KurumAdı = ad;
        form = std::make_unique<KurumBilgisiGirişiFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        kutu = form->findChild<QPlainTextEdit*>(QStringLiteral("KurumBilgisiKutusu"));
        QCOMPARE(kutu->textCursor().selectedText(), ad);
        QCOMPARE(form->findChild<QLabel*>()->palette().color(QPalette::WindowText), VurguRengi);
        KlavyedenYaz(kutu, metin);
        QVERIFY(form->isVisible()); // Enter started a new line, it pressed no button
    }
    void Tıkla(const char* düğme)
    {
        QTest::mouseClick(form->findChild<QPushButton*>(QString::fromUtf8(düğme)), Qt::LeftButton);
    }
    static QString Saklı()
    {
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(
            QStringLiteral("SELECT group_concat(KurumAdi, '|') FROM KurumTablosu"));
        return k.Alan(0).toString();
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    void duzeltmeVeEnAzBesKarakter_data()
    {
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<QString>("görünen"); // the box's text once it is left
        QTest::addColumn<bool>("kaydedilir");
        QTest::newRow("dört karakter") << QStringLiteral("abcd") << QStringLiteral("ABCD") << false;
        QTest::newRow("boşluklar sayılmaz")
            << QStringLiteral("  abc  ") << QStringLiteral("ABC") << false;
        QTest::newRow("satır sonu sayılır")
            << QStringLiteral(" ab\ncd ") << QStringLiteral("AB\nCD") << true;
        QTest::newRow("türkçe harfler, kesme işareti")
            << QStringLiteral("  ilçe milli eğitim'in ") << QStringLiteral("İLÇE MİLLİ EĞİTİM’İN")
            << true;
    }
    // Saved with the access key Alt+K, which leaves the focus in the box: the text must still be
    // put right before it is checked and stored. A short name keeps the dialog open, the focus
    // back in the box.
    void duzeltmeVeEnAzBesKarakter()
    {
        QFETCH(QString, yazılan);
        QFETCH(QString, görünen);
        QFETCH(bool, kaydedilir);
        Aç({}, yazılan);
        QTest::keyClick(kutu, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible() || !ortam->gösterilen.empty());
        QCOMPARE(form->isVisible(), !kaydedilir);
        QCOMPARE(kutu->toPlainText(), görünen);
        QCOMPARE(Saklı(), kaydedilir ? görünen : QString());
        QCOMPARE(KurumAdı, kaydedilir ? görünen : QString());
        if (!kaydedilir) {
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].metin,
                     QStringLiteral("Kurum bilgisinin en az 5 karakter olması gerekiyor!"));
            QCOMPARE(QApplication::focusWidget(), kutu);
        }
    }

    // The first save adds the row, later ones edit it; Esc and "Vazgeç" keep the old name.
    void kayitVeVazgec()
    {
        for (const char* ad : {"milli eğitim", "sağlık"}) {
            Aç(KurumAdı, QString::fromUtf8(ad));
            Tıkla("KaydetDüğmesi");
        }
        QCOMPARE(Saklı(), QStringLiteral("SAĞLIK"));
        Aç(KurumAdı, QStringLiteral("yeni kurum"));
        QTest::keyClick(kutu, Qt::Key_Escape);
        Aç(KurumAdı, QStringLiteral("başka kurum"));
        Tıkla("VazgeçDüğmesi");
        QCOMPARE(Saklı() + KurumAdı, QStringLiteral("SAĞLIKSAĞLIK"));
    }

    // At most 200 characters, typed or pasted; pasting from the context menu inserts at the
    // cursor, and neither the menu nor another window in between selects the text.
    void sinirVeYapistirma()
    {
        Aç(QStringLiteral("MİLLİ EĞİTİM"), QString(205, u'a'));
        QCOMPARE(kutu->toPlainText(), QString(200, u'a'));
        QTest::keyClick(kutu, Qt::Key_Backspace);
        QApplication::clipboard()->setText(QStringLiteral("çey"));
        QTest::keyClick(kutu, Qt::Key_Backspace);
        QTest::keyClick(kutu, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(kutu->toPlainText(), QString(198, u'a') + QStringLiteral("çe"));
        QTest::keyClick(kutu, Qt::Key_Backspace);
        const QPoint yer = kutu->cursorRect().center();
        QContextMenuEvent olay(QContextMenuEvent::Mouse, yer, kutu->viewport()->mapToGlobal(yer));
        QApplication::sendEvent(kutu->viewport(), &olay);
        auto* menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menü);
        for (QAction* eylem : menü->actions())
            if (eylem->text().contains(QStringLiteral("Paste")))
                QTest::mouseClick(menü, Qt::LeftButton, {}, menü->actionGeometry(eylem).center());
        QCOMPARE(kutu->toPlainText(), QString(198, u'a') + QStringLiteral("çç"));
        QWidget öteki;
        öteki.show();
        öteki.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&öteki));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QVERIFY(kutu->hasFocus() && !kutu->textCursor().hasSelection());
    }

    // The file refusing writes under the open dialog, read-only or on a full disk: after
    // "go on" the dialog stays open with the name typed, the old one in force.
    void yazilamayanKayitPencereyiAcikTutar_data()
    {
        QTest::addColumn<QString>("eskiAd"); // empty: the first save, which adds the row
        QTest::addColumn<bool>("doluDisk");
        QTest::newRow("salt okunur, ilk kayıt") << QString() << false;
        QTest::newRow("dolu disk, düzenleme") << QStringLiteral("ESKİ KURUM") << true;
    }
    void yazilamayanKayitPencereyiAcikTutar()
    {
        QFETCH(QString, eskiAd);
        QFETCH(bool, doluDisk);
        Aç(eskiAd, QStringLiteral("yeni kurum"));
        if (doluDisk && !ortam->VeritabanınıDoluDiskeTaşı())
            QSKIP("tmpfs bağlanamadı");
        QVERIFY(doluDisk || ortam->VeritabanınıSaltOkunurYap());
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Tıkla("KaydetDüğmesi");
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(doluDisk ? QStringLiteral("Hata Kodu: 3026")
                                                             : QStringLiteral("Hata Kodu: 3027")));
        QVERIFY(!ortam->bitişKodu && form->isVisible());
        QCOMPARE(kutu->toPlainText(), QStringLiteral("YENİ KURUM"));
        QCOMPARE(Saklı() + KurumAdı, eskiAd + eskiAd);
    }
};

QTEST_MAIN(KurumBilgisiTesti)
#include "TestKurumBilgisiGirişiFormu.moc"
