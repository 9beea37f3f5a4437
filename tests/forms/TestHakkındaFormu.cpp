// The About window: its icon and whole texts, the hover underline of its link, what a click
// opens, and closing.

#include "Kaynaklar.h"
#include "destek/TestOrtamı.h"
#include "forms/HakkındaFormu.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class HakkindaTesti : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> sahip;
    std::unique_ptr<HakkındaFormu> form;
    QList<QUrl> açılanlar;

    QLabel* Etiket(const char* ad) const { return form->findChild<QLabel*>(QString::fromUtf8(ad)); }

public Q_SLOTS:
    void adresAcildi(const QUrl& adres) { açılanlar << adres; }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>(false);
        sahip = std::make_unique<QWidget>();
        form = std::make_unique<HakkındaFormu>(sahip.get());
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        açılanlar.clear();
        form.reset();
        sahip.reset();
        ortam.reset();
    }

    // The icon is found in the resources, and every text is shown whole: the wrapped notice
    // and the link are not cut off.
    void gosterilenler()
    {
        QCOMPARE(Etiket("SimgeKutusu")->pixmap().size(), QSize(32, 32));
        QCOMPARE(Etiket("Etiket_1")->text(), QStringLiteral("Sürüm 1.01"));
        for (const char* ad : {"Etiket_0", "Etiket_1", "Etiket_2", "Etiket_3", "VelnoraEtiketi"}) {
            QLabel* etiket = Etiket(ad);
            QVERIFY2(etiket->width() >= etiket->minimumSizeHint().width(), ad);
            QVERIFY2(etiket->height() >= etiket->heightForWidth(etiket->width()) ||
                         !etiket->wordWrap(),
                     ad);
        }
        QCOMPARE(HakkındaFormu::SürümYazısı(1, 2, 15), QStringLiteral("Sürüm 1.215"));
    }

    void baglantininAltiCizilir()
    {
        QLabel* bağlantı = Etiket("VelnoraEtiketi");
        QWidget* altlık = form->findChild<QWidget*>(QStringLiteral("Altlık"));
        QVERIFY(!bağlantı->font().underline());
        QTest::mouseMove(bağlantı, bağlantı->rect().center());
        QTRY_VERIFY(bağlantı->font().underline());
        // Moving on inside the link keeps the underline.
        QTest::mouseMove(bağlantı, bağlantı->rect().center() + QPoint(5, 0));
        QVERIFY(bağlantı->font().underline());
        QTest::mouseMove(altlık, QPoint(altlık->width() - 5, altlık->height() - 5));
        QTRY_VERIFY(!bağlantı->font().underline());
    }

    // A click opens the address; without anything to open it the click passes in silence.
    void baglantiAdresiAcar()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "adresAcildi");
        QLabel* bağlantı = Etiket("VelnoraEtiketi");
        QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
        QCOMPARE(açılanlar, QList<QUrl>{QUrl(Kaynak::YapımcıAdresi())});
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
        QVERIFY(form->isVisible());
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(açılanlar.size(), 1);
    }

    void escVeKapatKapatir()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                          Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(HakkindaTesti)
#include "TestHakkındaFormu.moc"
