// The working-hours dialog driven through its real widgets, checked against Tsr.vtb.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/MesaiSüresiBelirlemeFormu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class MesaiSuresiTesti : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<MesaiSüresiBelirlemeFormu> form;
    DüğmeliKutu* içi = nullptr;
    DüğmeliKutu* sonu = nullptr;
    QPushButton* kaydet = nullptr;

    void Aç()
    {
        form = std::make_unique<MesaiSüresiBelirlemeFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        içi = form->findChild<DüğmeliKutu*>(QStringLiteral("HaftaİçiSüresiKutusu"));
        sonu = form->findChild<DüğmeliKutu*>(QStringLiteral("HaftaSonuSüresiKutusu"));
        kaydet = form->findChild<QPushButton*>(QStringLiteral("KaydetDüğmesi"));
        QVERIFY(!kaydet->isEnabled());
    }
    // Replaces the weekday hours as a user does and returns what both boxes show.
    QString Yaz(const char* rakam) const
    {
        içi->DeğerKutusu()->selectAll();
        QTest::keyClicks(içi->DeğerKutusu(), QString::fromUtf8(rakam));
        return içi->Text() + sonu->Text();
    }
    static QString Saklı()
    {
        return Veritabanı
            .KayıtKümesiAç(QStringLiteral("SELECT group_concat(HaftaIciSuresi || HaftaSonuSuresi)"
                                          " FROM MesaiSüreleriTablosu"))
            .Alan(0)
            .toString();
    }
    void Tuş(Qt::Key tuş) const { QTest::keyClick(QApplication::focusWidget(), tuş); }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        ortam->Çalıştır(QStringLiteral(
            "UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = 7, HaftaSonuSuresi = 4"));
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    // Esc after a change writes nothing. Saving writes both
    // columns, the weekend one from its box though the file changed meanwhile; a digit beyond
    // the bound is refused and the bound saved.
    void kaydetmek()
    {
        Aç();
        QCOMPARE(Yaz("2"), QStringLiteral("24"));
        QVERIFY(kaydet->isEnabled());
        Tuş(Qt::Key_Escape);
        QCOMPARE(Saklı(), QStringLiteral("74"));
        Aç();
        ortam->Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaSonuSuresi = 2"));
        Yaz("9");
        Tuş(Qt::Key_Tab);
        QCOMPARE(ortam->gösterilen.at(0).metin,
                 QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!"));
        QVERIFY(içi->DeğerKutusu()->hasFocus());
        QTest::mouseClick(kaydet, Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(Saklı(), QStringLiteral("84"));
        // An arrow clicked while a button has the focus is the user's change too.
        Aç();
        QCOMPARE(içi->Text(), QStringLiteral("8"));
        kaydet->parentWidget()->findChild<QPushButton*>(QStringLiteral("KapatDüğmesi"))->setFocus();
        QTest::mouseClick(sonu->DeğerDeğiştirDüğmesi(), Qt::LeftButton, {}, QPoint(4, 3));
        QCOMPARE(sonu->Text(), QStringLiteral("5"));
        QVERIFY(kaydet->isEnabled());
    }

    // A stored value the boxes cannot take is reported; the other one is still shown.
    void yuklemeHatasi()
    {
        for (const char* değer : {"32767", "32768"}) {
            ortam->Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = ") +
                            QString::fromUtf8(değer));
            Aç();
            QCOMPARE(sonu->Text(), QStringLiteral("4"));
        }
        QCOMPARE(ortam->gösterilen.size(), size_t(2));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 380\r")));
        QVERIFY(ortam->gösterilen[1].metin.contains(QStringLiteral("Hata Kodu: 6\r")));
    }

    // The file turning read-only under the open dialog: after "go on" it stays open as it was.
    void yazilamayanKayitPencereyiAcikTutar()
    {
        Aç();
        QVERIFY(ortam->VeritabanınıSaltOkunurYap());
        QCOMPARE(Yaz("3"), QStringLiteral("34"));
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(kaydet, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 3027")));
        QVERIFY(!ortam->bitişKodu && form->isVisible() && kaydet->isEnabled());
        QCOMPARE(içi->Text() + sonu->Text() + Saklı(), QStringLiteral("3474"));
    }
};

QTEST_MAIN(MesaiSuresiTesti)
#include "TestMesaiSüresiBelirlemeFormu.moc"
