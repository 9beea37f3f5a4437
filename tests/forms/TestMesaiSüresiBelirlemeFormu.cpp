// The working-hours dialog driven through its real widgets, checked against Tsr.vtb.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/MesaiSüresiBelirlemeFormu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class MesaiSuresiTesti : public QObject
{
    Q_OBJECT

    TestOrtamı ortam;
    std::unique_ptr<MesaiSüresiBelirlemeFormu> form;
    DüğmeliKutu* içi = nullptr;
    DüğmeliKutu* sonu = nullptr;

    // Stores the weekday hours given, with 4 at the weekend, and opens a fresh dialog on them.
    void Aç(const QString& haftaİçi)
    {
        ortam.Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = %1, "
                                      "HaftaSonuSuresi = 4")
                           .arg(haftaİçi));
        form = std::make_unique<MesaiSüresiBelirlemeFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        içi = form->findChild<DüğmeliKutu*>(QStringLiteral("HaftaİçiSüresiKutusu"));
        sonu = form->findChild<DüğmeliKutu*>(QStringLiteral("HaftaSonuSüresiKutusu"));
        QCOMPARE(sonu->Text(), QStringLiteral("4"));
        // Values set on opening are no change of the user's.
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("KaydetDüğmesi"))->isEnabled());
    }
private Q_SLOTS:
    void initTestCase() { ortam.VeritabanınıAç(); }

    // Saving writes both boxes though the file changed meanwhile; a digit beyond the bound is
    // refused and the bound saved. A stored value the boxes cannot take is reported.
    void kaydetmek()
    {
        Aç(QStringLiteral("7"));
        ortam.Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaSonuSuresi = 2"));
        içi->DeğerKutusu()->selectAll();
        QTest::keyClicks(içi->DeğerKutusu(), QStringLiteral("9"));
        QTest::keyClick(içi->DeğerKutusu(), Qt::Key_Tab);
        QCOMPARE(ortam.gösterilen.at(0).metin,
                 QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("KaydetDüğmesi")),
                          Qt::LeftButton);
        QCOMPARE(Veritabanı
                     .KayıtKümesiAç(QStringLiteral("SELECT HaftaIciSuresi || HaftaSonuSuresi FROM "
                                                   "MesaiSüreleriTablosu"))
                     .Alan(0)
                     .toString(),
                 QStringLiteral("84"));
        Aç(QStringLiteral("32767"));
        Aç(QStringLiteral("32768"));
        QCOMPARE(ortam.gösterilen.size(), size_t(3));
        QVERIFY(ortam.gösterilen[1].metin.contains(QStringLiteral("Hata Kodu: 380\r")));
        QVERIFY(ortam.gösterilen[2].metin.contains(QStringLiteral("Hata Kodu: 6\r")));
    }
};

QTEST_MAIN(MesaiSuresiTesti)
#include "TestMesaiSüresiBelirlemeFormu.moc"
