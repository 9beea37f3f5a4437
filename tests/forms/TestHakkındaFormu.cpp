// The About window: its icon and whole texts, the hover underline of its link, what a click
// opens, and closing.

#include "destek/TestOrtamı.h"
#include "forms/HakkındaFormu.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class HakkindaTesti : public QObject
{
    Q_OBJECT

    TestOrtamı ortam{false};
    HakkındaFormu form{nullptr};
    QList<QUrl> açılanlar;

    QLabel* Etiket(const char* ad) { return form.findChild<QLabel*>(QString::fromUtf8(ad)); }

public Q_SLOTS:
    void adresAcildi(const QUrl& adres) { açılanlar << adres; }

private Q_SLOTS:
    void init()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }

    // Every text is shown whole: the wrapped notice and the link are not cut off.
    void gosterilenler()
    {
        QCOMPARE(Etiket("SimgeKutusu")->pixmap().size(), QSize(32, 32));
        QCOMPARE(Etiket("Etiket_0")->text(), QStringLiteral("Tessaro"));
        QCOMPARE(Etiket("Etiket_1")->text(), QStringLiteral("Sürüm 1.01"));
        QCOMPARE(Etiket("Etiket_2")->text(),
                 QStringLiteral("Telif hakkı © 2008-2026 Velnora. Tüm hakları saklıdır."));
        for (const char* ad : {"Etiket_0", "Etiket_1", "Etiket_2", "Etiket_3", "VelnoraEtiketi"}) {
            QLabel* e = Etiket(ad);
            QVERIFY2(e->width() >= e->minimumSizeHint().width(), ad);
            QVERIFY2(!e->wordWrap() || e->height() >= e->heightForWidth(e->width()), ad);
        }
    }

    // Hovering underlines the link, the background below takes it away; a click opens the
    // address, and without anything to open it passes in silence.
    void baglanti()
    {
        QLabel* bağlantı = Etiket("VelnoraEtiketi");
        auto* altlık = form.findChild<QWidget*>(QStringLiteral("Altlık"));
        QTest::mouseMove(bağlantı, bağlantı->rect().center());
        QTRY_VERIFY(bağlantı->font().underline());
        QTest::mouseMove(altlık, QPoint(altlık->width() - 5, altlık->height() - 5));
        QTRY_VERIFY(!bağlantı->font().underline());
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "adresAcildi");
        QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(açılanlar, QList<QUrl>{QUrl(QStringLiteral("https://www.velnora.com.tr/"))});
        QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
        QVERIFY(form.isVisible() && ortam.gösterilen.empty());
    }

    void escVeKapatKapatir()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        init();
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                          Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(HakkindaTesti)
#include "TestHakkındaFormu.moc"
