// The spin box in a small form, by real key and mouse events: the year box 2008-2050 (four
// characters), the hours box 1-8. (moc cuts a class name with non-ASCII letters: ASCII here.)
#define QTEST_QPA_MOUSE_HANDLING

#include "common/Hata.h"
#include "controls/DüğmeliKutu.h"
#include "destek/Girdiler.h"
#include "destek/TestOrtamı.h"
#include "ui_DenemeKabı.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestDugmeliKutu : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    std::optional<QWidget> kap;
    Ui::DenemeKabı ui;
    QLineEdit* alan = nullptr; // the year box's field

private Q_SLOTS:
    void init()
    {
        ortam.emplace(false);
        ui.setupUi(&kap.emplace());
        kap->show();
        QVERIFY(QTest::qWaitForWindowActive(&*kap));
        (alan = ui.YılKutusu->DeğerKutusu())->setFocus();
    }
    void cleanup() { kap.reset(), ortam.reset(); }

    // Every way of leaving the field checks the number first: out of bounds, the move is dropped,
    // the crossed bound is written back and the focus stays. Moves that do not leave check nothing.
    void ayrilmaDenetimi_data()
    {
        QTest::addColumn<int>("önce");
        QTest::addColumn<int>("yazılan");
        QTest::addColumn<QString>("hareket"); // a key, or the control clicked
        QTest::addColumn<int>("sonra");       // the text afterwards; 0: the focus moved on
        QTest::newRow("Tab, üst sınır") << 2020 << 2060 << u"Tab"_s << 2050;
        QTest::newRow("Enter, alt sınır") << 2020 << 1999 << u"Enter"_s << 2008;
        QTest::newRow("düğmeye tıklama") << 2020 << 2060 << u"TamamDüğmesi"_s << 2050;
        QTest::newRow("ok çifti adım atmaz") << 2020 << 1999 << u"Ok"_s << 2008;
        QTest::newRow("erişim tuşu") << 2020 << 2060 << u"Alt+S"_s << 2050;
        QTest::newRow("tekerlek") << 2020 << 2060 << u"Tekerlek"_s << 2050;
        QTest::newRow("sınırdaki değer yazıya döner") << 2050 << 2060 << u"Tab"_s << 2050;
        QTest::newRow("geçerli sayı") << 2020 << 2031 << u"Tab"_s << 0;
        QTest::newRow("kendi alanına tıklama") << 2020 << 2060 << u"DeğerKutusu"_s << 2060;
        QTest::newRow("etikete tıklama") << 2020 << 2060 << u"YılEtiketi"_s << 2060;
        QTest::newRow("kendi erişim tuşu") << 2020 << 2060 << u"Alt+Y"_s << 2060;
    }
    void ayrilmaDenetimi()
    {
        QFETCH(int, önce);
        QFETCH(int, yazılan);
        QFETCH(QString, hareket);
        QFETCH(int, sonra);
        DüğmeliKutu* yıl = ui.YılKutusu;
        yıl->SetValue(önce);
        QRect yer; // a window standing for the message box
        MesajKutusuUygulamasınıAyarla([&](const Mesaj& m) {
            QWidget kutu;
            kutu.show();
            yer = kutu.frameGeometry();
            return ortam->gösterilen.push_back(m), Yanıt::Tamam;
        });
        alan->selectAll();
        QTest::keyClicks(alan, QString::number(yazılan));
        QCOMPARE(yıl->Value(), sonra ? önce : yazılan); // out of bounds: not taken while typing
        if (QWidget* tıklanan = kap->findChild<QWidget*>(hareket))
            QTest::mouseClick(tıklanan, Qt::LeftButton);
        else if (hareket == u"Ok")
            QTest::mouseClick(yıl->DeğerDeğiştirDüğmesi(), Qt::LeftButton, {}, QPoint(8, 3));
        else if (hareket == u"Tekerlek")
            TekerleğiÇevir(yıl->DeğerDeğiştirDüğmesi(), 1);
        else
            QTest::keyClick(alan, QKeySequence(hareket)[0].key(),
                            QKeySequence(hareket)[0].keyboardModifiers());
        const bool denetlendi = sonra && sonra != yazılan;
        QCOMPARE(kap->focusWidget() == alan, sonra != 0);
        QCOMPARE(yıl->Text(), QString::number(sonra ? sonra : yazılan));
        QCOMPARE(yıl->Value(), !sonra ? yazılan : denetlendi ? sonra : önce);
        QCOMPARE(ortam->gösterilen.size(), size_t(denetlendi));
        QVERIFY(!denetlendi || (yer.center() == kap->frameGeometry().center() &&
                                ortam->gösterilen[0].başlık + ortam->gösterilen[0].metin ==
                                    u"Hatalı değer!Belirlediğiniz değer, 2008 ile 2050 arasında "
                                    u"olmalıdır!"_s));
    }

    // Only digits are typed, up to the field's length, by any key path; an emptied field shows a
    // selected "0". A container moving the focus away and back by code, or a context menu taking
    // it for a while, is no leave or new entry; nor is another window.
    void yalnizRakamlarYazilir()
    {
        QGuiApplication::clipboard()->setText(u"1999"_s);
        QTest::keyClicks(alan, u"\ba-, "_s);
        QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(alan, u"55"_s);
        QCOMPARE(alan->text(), u"2025"_s);
        alan->selectAll();
        QTest::keyClick(alan, Qt::Key_Delete);
        QCOMPARE(alan->selectedText(), u"0"_s);
        QTest::keyClick(alan, Qt::Key_1);
        QTest::keyClick(alan, Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(alan, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QInputMethodEvent girdi;
        girdi.setCommitString(u"2a2é"_s);
        QCoreApplication::sendEvent(alan, &girdi);
        QCOMPARE(alan->text(), u"122"_s);
        connect(ui.YılKutusu, &DüğmeliKutu::Change, this, [&] {
            ui.ÖncekiKutu->setFocus();
            alan->setFocus();
        });
        QTest::keyClick(alan, Qt::Key_3);
        QCOMPARE(alan->text(), u"1223"_s);
        QSignalSpy girişler(ui.YılKutusu, &DüğmeliKutu::GotFocus);
        MenüdenSeç(alan);
        QTRY_VERIFY(alan->hasFocus());
        QCOMPARE(girişler.count(), 0);
        QPushButton öteki(u"&Kapat"_s); // an access key of another window is none of its business
        öteki.show();
        QVERIFY(QTest::qWaitForWindowActive(&öteki));
        QSignalSpy basılan(&öteki, &QPushButton::clicked);
        QTest::keyClick(&öteki, Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(basılan.count(), 1);
        QVERIFY(ortam->gösterilen.empty());
        QVERIFY_THROWS_EXCEPTION(Hata, ui.YılKutusu->SetEnYuksek(40000)); // a bound beyond 16 bits
    }
};

QTEST_MAIN(TestDugmeliKutu)
#include "TestDüğmeliKutu.moc"
