// The working-hours dialog driven through its real widgets, checked against Tsr.vtb.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/MesaiSüresiBelirlemeFormu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

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
        ortam.Çalıştır(u"UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = %1, "
                       u"HaftaSonuSuresi = 4"_s.arg(haftaİçi));
        form = std::make_unique<MesaiSüresiBelirlemeFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        içi = form->findChild<DüğmeliKutu*>(u"HaftaİçiSüresiKutusu"_s);
        sonu = form->findChild<DüğmeliKutu*>(u"HaftaSonuSüresiKutusu"_s);
        QCOMPARE(sonu->Text(), u"4"_s);
        // Values set on opening are no change of the user's.
        QVERIFY(!form->findChild<QPushButton*>(u"KaydetDüğmesi"_s)->isEnabled());
    }
private Q_SLOTS:
    void initTestCase() { ortam.VeritabanınıAç(); }

    // Saving writes both boxes though the file changed meanwhile; a digit beyond the bound is
    // refused and the bound saved. A stored value the boxes cannot take is reported.
    void kaydetmek()
    {
        Aç(u"7"_s);
        ortam.Çalıştır(u"UPDATE MesaiSüreleriTablosu SET HaftaSonuSuresi = 2"_s);
        içi->DeğerKutusu()->selectAll();
        QTest::keyClicks(içi->DeğerKutusu(), u"9"_s);
        QTest::keyClick(içi->DeğerKutusu(), Qt::Key_Tab);
        QCOMPARE(ortam.gösterilen.at(0).metin,
                 u"Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!"_s);
        QTest::mouseClick(form->findChild<QPushButton*>(u"KaydetDüğmesi"_s), Qt::LeftButton);
        QCOMPARE(Veritabanı
                     .KayıtKümesiAç(u"SELECT HaftaIciSuresi || HaftaSonuSuresi FROM "
                                    u"MesaiSüreleriTablosu"_s)
                     .Alan(0)
                     .toString(),
                 u"84"_s);
        Aç(u"32767"_s);
        Aç(u"32768"_s);
        QCOMPARE(ortam.gösterilen.size(), size_t(3));
        QVERIFY(ortam.gösterilen[1].metin.contains(u"Hata Kodu: 380\r"_s));
        QVERIFY(ortam.gösterilen[2].metin.contains(u"Hata Kodu: 6\r"_s));
    }
};

QTEST_MAIN(MesaiSuresiTesti)
#include "TestMesaiSüresiBelirlemeFormu.moc"
