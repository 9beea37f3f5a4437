// The About window: what it shows, the hover underline of its link and what a click opens.

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

public Q_SLOTS:
    void adresAcildi(const QUrl& adres) { açılanlar << adres; }

private Q_SLOTS:
    void init();
    void cleanup();
    void gosterilenler();
    void surumYazisi_data();
    void surumYazisi();
    void baglantininAltiCizilir();
    void baglantiAdresiAcar();
    void escKapatir();

private:
    QLabel* Etiket(const char* ad) const;

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> sahip;
    std::unique_ptr<HakkındaFormu> form;
    QList<QUrl> açılanlar;
};

void HakkindaTesti::init()
{
    ortam = std::make_unique<TestOrtamı>(false);
    sahip = std::make_unique<QWidget>();
    form = std::make_unique<HakkındaFormu>(sahip.get());
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void HakkindaTesti::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    açılanlar.clear();
    form.reset();
    sahip.reset();
    ortam.reset();
}

QLabel* HakkindaTesti::Etiket(const char* ad) const
{
    return form->findChild<QLabel*>(QString::fromUtf8(ad));
}

void HakkindaTesti::gosterilenler()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Hakkında"));
    QCOMPARE(Etiket("Etiket_0")->text(), QStringLiteral("Tessaro"));
    QCOMPARE(Etiket("Etiket_1")->text(), QStringLiteral("Sürüm 1.01"));
    QCOMPARE(Etiket("Etiket_2")->text(), Kaynak::YasalUyarı());
    QCOMPARE(Etiket("Etiket_3")->text(), QStringLiteral("Velnora"));
    QCOMPARE(Etiket("VelnoraEtiketi")->text(), Kaynak::YapımcıAdresi());
    QCOMPARE(Etiket("SimgeKutusu")->pixmap().size(), QSize(32, 32));
    QCOMPARE(form->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi"))->text(),
             QStringLiteral("Kapat (Esc)"));

    // Every text is shown whole: the wrapped notice and the link are not cut off.
    for (const char* ad : {"Etiket_0", "Etiket_1", "Etiket_2", "Etiket_3", "VelnoraEtiketi"}) {
        QLabel* etiket = Etiket(ad);
        QVERIFY2(etiket->width() >= etiket->minimumSizeHint().width(), ad);
        QVERIFY2(etiket->height() >= etiket->heightForWidth(etiket->width()) || !etiket->wordWrap(),
                 ad);
    }
}

void HakkindaTesti::surumYazisi_data()
{
    QTest::addColumn<int>("ana");
    QTest::addColumn<int>("ara");
    QTest::addColumn<int>("düzeltme");
    QTest::addColumn<QString>("yazı");
    QTest::newRow("1.0 düzeltme 1") << 1 << 0 << 1 << QStringLiteral("Sürüm 1.01");
    QTest::newRow("1.2 düzeltme 15") << 1 << 2 << 15 << QStringLiteral("Sürüm 1.215");
}

void HakkindaTesti::surumYazisi()
{
    QFETCH(int, ana);
    QFETCH(int, ara);
    QFETCH(int, düzeltme);
    QFETCH(QString, yazı);
    QCOMPARE(HakkındaFormu::SürümYazısı(ana, ara, düzeltme), yazı);
}

void HakkindaTesti::baglantininAltiCizilir()
{
    QLabel* bağlantı = Etiket("VelnoraEtiketi");
    QWidget* altlık = form->findChild<QWidget*>(QStringLiteral("Altlık"));
    QVERIFY(!bağlantı->font().underline());
    QCOMPARE(bağlantı->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseMove(bağlantı, bağlantı->rect().center());
    QTRY_VERIFY(bağlantı->font().underline());
    // Moving on inside the link keeps the underline.
    QTest::mouseMove(bağlantı, bağlantı->rect().center() + QPoint(5, 0));
    QVERIFY(bağlantı->font().underline());

    QTest::mouseMove(altlık, QPoint(altlık->width() - 5, altlık->height() - 5));
    QTRY_VERIFY(!bağlantı->font().underline());
}

void HakkindaTesti::baglantiAdresiAcar()
{
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "adresAcildi");
    QLabel* bağlantı = Etiket("VelnoraEtiketi");
    QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
    QCOMPARE(açılanlar, QList<QUrl>{QUrl(Kaynak::YapımcıAdresi())});
    QVERIFY(form->isVisible());

    // Without anything to open it the click passes in silence.
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QTest::mouseClick(bağlantı, Qt::LeftButton, {}, bağlantı->rect().center());
    QVERIFY(form->isVisible());
    QVERIFY(ortam->gösterilen.empty());
    QCOMPARE(açılanlar.size(), 1);
}

void HakkindaTesti::escKapatir()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi")),
                      Qt::LeftButton);
    QVERIFY(!form->isVisible());
}

QTEST_MAIN(HakkindaTesti)
#include "TestHakkındaFormu.moc"
