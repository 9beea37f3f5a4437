// The About window: its texts, the hover underline of its link, what a click opens, closing.

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

public Q_SLOTS:
    void adresAcildi(const QUrl& adres) { açılanlar << adres; }

private Q_SLOTS:
    // The texts shown whole, the link underlined under the mouse only; a click opens the
    // address; the button closes.
    void hakkinda()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QString metinler;
        for (QLabel* e : form.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^(E|V)"))))
            metinler += e->text() + QString::number(e->width() >= e->minimumSizeHint().width());
        QCOMPARE(metinler,
                 QStringLiteral("Tessaro1Sürüm 1.011Telif hakkı © 2008-2026 Velnora. Tüm hakları "
                                "saklıdır.1Velnora1https://www.velnora.com.tr/1"));
        QLabel* bağlantı = form.findChild<QLabel*>(QStringLiteral("VelnoraEtiketi"));
        QTest::mouseMove(bağlantı, bağlantı->rect().center());
        QTRY_VERIFY(bağlantı->font().underline());
        QTest::mouseMove(bağlantı->parentWidget(), QPoint(2, 2));
        QTRY_VERIFY(!bağlantı->font().underline());
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "adresAcildi");
        QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(açılanlar, QList<QUrl>{QUrl(QStringLiteral("https://www.velnora.com.tr/"))});
        QVERIFY(ortam.gösterilen.empty());
        QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                          Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(HakkindaTesti)
#include "TestHakkındaFormu.moc"
