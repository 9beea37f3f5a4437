// The institution name dialog driven through its real widgets, checked against Tsr.vtb and
// KurumAdı.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/KurumBilgisiGirişiFormu.h"

#include <QClipboard>
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
    void Aç(const QString& ad, const QString& metin)
    {
        if (!ad.isEmpty() && KurumAdı != ad)
            ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu VALUES ('%1')").arg(ad));
        KurumAdı = ad;
        form = std::make_unique<KurumBilgisiGirişiFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        kutu = form->findChild<QPlainTextEdit*>(QStringLiteral("KurumBilgisiKutusu"));
        QCOMPARE(kutu->textCursor().selectedText(), ad);
        KlavyedenYaz(kutu, metin);
        QVERIFY(form->isVisible()); // Enter started a new line, it pressed no button
    }
    void Tıkla(const char* düğme)
    {
        QTest::mouseClick(form->findChild<QPushButton*>(QString::fromUtf8(düğme)), Qt::LeftButton);
    }
    // The stored rows, the name in force and the box's text.
    QString Durum() const
    {
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(
            QStringLiteral("SELECT group_concat(KurumAdi, '|') FROM KurumTablosu"));
        return k.Alan(0).toString() + u'/' + KurumAdı + u'/' + kutu->toPlainText();
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

    // Saved with the access key Alt+K, which leaves the focus in the box: the text is put
    // right before it is checked and stored. A short name keeps the dialog open with the focus
    // in the box; so does the file refusing the write (read-only, or a full disk).
    void kaydetmek_data()
    {
        QTest::addColumn<QString>("eski");
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<int>("engel"); // 1: read-only, 2: full disk
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("durum");
        const QString yeni = QStringLiteral("yeni kurum");
        QTest::newRow("kısa") << QString() << QStringLiteral("  abc  ") << 0
                              << QStringLiteral(
                                     "Kurum bilgisinin en az 5 karakter olması gerekiyor!")
                              << QStringLiteral("//ABC");
        QTest::newRow("düzeltme") << QString() << QStringLiteral(" ilçe milli eğitim'in ") << 0
                                  << QString()
                                  << QStringLiteral("İLÇE MİLLİ EĞİTİM’İN/İLÇE MİLLİ "
                                                    "EĞİTİM’İN/İLÇE MİLLİ EĞİTİM’İN");
        QTest::newRow("salt okunur") << QString() << yeni << 1 << QStringLiteral("Hata Kodu: 3027")
                                     << QStringLiteral("//YENİ KURUM");
        QTest::newRow("dolu disk")
            << QStringLiteral("ESKİ") << yeni << 2 << QStringLiteral("Hata Kodu: 3026")
            << QStringLiteral("ESKİ/ESKİ/YENİ KURUM");
    }
    void kaydetmek()
    {
        QFETCH(QString, eski);
        QFETCH(QString, yazılan);
        QFETCH(int, engel);
        QFETCH(QString, mesaj);
        QFETCH(QString, durum);
        Aç(eski, yazılan);
        if (engel == 2 && !ortam->VeritabanınıDoluDiskeTaşı())
            QSKIP("tmpfs bağlanamadı");
        QVERIFY(engel != 1 || ortam->VeritabanınıSaltOkunurYap());
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::keyClick(kutu, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible() || !ortam->gösterilen.empty());
        QCOMPARE(Durum(), durum);
        QCOMPARE(form->isVisible(), !mesaj.isEmpty());
        QCOMPARE(ortam->gösterilen.size(), size_t(!mesaj.isEmpty()));
        QVERIFY(mesaj.isEmpty() || ortam->gösterilen[0].metin.contains(mesaj));
        QVERIFY(!ortam->bitişKodu && (mesaj.isEmpty() || engel || kutu->hasFocus()));
    }

    // The first save adds the row, later ones edit it; Esc and "Vazgeç" keep the old name. At
    // most 200 characters are taken; pasting from the context menu inserts at the cursor, and
    // neither the menu nor another window in between selects the text.
    void kayitVazgecVeYapistirma()
    {
        for (const char* ad : {"milli eğitim", "sağlık"}) {
            Aç(KurumAdı, QString::fromUtf8(ad));
            Tıkla("KaydetDüğmesi");
        }
        Aç(KurumAdı, QStringLiteral("yeni kurum"));
        QTest::keyClick(kutu, Qt::Key_Escape);
        Aç(KurumAdı, QString(205, u'a'));
        Tıkla("VazgeçDüğmesi");
        QCOMPARE(Durum(), QStringLiteral("SAĞLIK/SAĞLIK/") + QString(200, u'A'));
        QApplication::clipboard()->setText(QStringLiteral("ç"));
        Aç(KurumAdı, QStringLiteral("ab"));
        QTest::keyClick(kutu, Qt::Key_Left);
        const QPoint yer = kutu->cursorRect().center();
        QContextMenuEvent olay(QContextMenuEvent::Mouse, yer, kutu->viewport()->mapToGlobal(yer));
        QApplication::sendEvent(kutu->viewport(), &olay);
        auto* menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menü);
        for (QAction* eylem : menü->actions())
            if (eylem->text().contains(QStringLiteral("Paste")))
                QTest::mouseClick(menü, Qt::LeftButton, {}, menü->actionGeometry(eylem).center());
        QCOMPARE(kutu->toPlainText(), QStringLiteral("açb"));
        QWidget öteki;
        öteki.show();
        öteki.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&öteki));
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QVERIFY(kutu->hasFocus() && !kutu->textCursor().hasSelection());
    }
};

QTEST_MAIN(KurumBilgisiTesti)
#include "TestKurumBilgisiGirişiFormu.moc"
