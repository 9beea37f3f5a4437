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

    // The wheel over the arrows leaves the field like any other move: out of bounds, the crossed
    // bound is written back with a message and the focus stays.
    void tekerlekAyrilmaDenetimi()
    {
        alan->selectAll();
        QTest::keyClicks(alan, u"2060"_s);
        TekerleğiÇevir(ui.YılKutusu->DeğerDeğiştirDüğmesi(), 1);
        QCOMPARE(ui.YılKutusu->Text() + u' ' + ortam->gösterilen.at(0).metin,
                 u"2050 Belirlediğiniz değer, 2008 ile 2050 arasında olmalıdır!"_s);
        QCOMPARE(kap->focusWidget(), alan);
        QTest::keyClicks(alan, u"2060"_s); // so does a press on another control
        QTest::mouseClick(ui.ÖncekiKutu, Qt::LeftButton);
        QCOMPARE(kap->focusWidget(), alan);
        QTest::keyClick(alan, Qt::Key_Enter, Qt::KeypadModifier); // the keypad's Enter moves on
        QVERIFY(kap->focusWidget() != alan);
        QCOMPARE(ortam->gösterilen.size(), size_t(2));
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
        QCOMPARE(ui.YılKutusu->Value(), 2025); // the value follows only a number within bounds
        QTest::keyClick(alan, Qt::Key_Left, Qt::ControlModifier); // a key that types nothing
        QCOMPARE(alan->cursorPosition(), 0);
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
        ui.YılKutusu->SetEnYuksek(32767); // the last bound a 16-bit value holds, and the next
        QVERIFY_THROWS_EXCEPTION(Hata, ui.YılKutusu->SetEnYuksek(32768));
    }
};

QTEST_MAIN(TestDugmeliKutu)
#include "TestDüğmeliKutu.moc"
