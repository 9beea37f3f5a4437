// The spin box in a small Designer form, driven by real key and mouse events: the year box
// 2008-2050 (four characters) and the hours box 1-8 (one character). (The class name is ASCII:
// moc cuts names whose non-ASCII letters follow two or more ASCII ones.)
#define QTEST_QPA_MOUSE_HANDLING

#include "common/Hata.h"
#include "common/QtMesajKutusu.h"
#include "controls/DüğmeliKutu.h"
#include "destek/TestOrtamı.h"
#include "destek/TestTekerleği.h"
#include "ui_DenemeKabı.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestDugmeliKutu : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    std::optional<QWidget> kap;
    Ui::DenemeKabı ui;

    static QLineEdit* Alan(DüğmeliKutu* kutu) { return kutu->DeğerKutusu(); }
    // Replaces the field's whole text by typing, as a user does after selecting it.
    static void Yaz(DüğmeliKutu* kutu, const QString& rakamlar)
    {
        kutu->setFocus();
        Alan(kutu)->selectAll();
        QTest::keyClicks(Alan(kutu), rakamlar);
    }
    static void YukarıOk(DüğmeliKutu* kutu)
    {
        QTest::mouseClick(kutu->DeğerDeğiştirDüğmesi(), Qt::LeftButton, {}, QPoint(8, 3));
    }

private Q_SLOTS:
    void init()
    {
        ortam.emplace(false);
        ui.setupUi(&kap.emplace());
        kap->show();
        QVERIFY(QTest::qWaitForWindowActive(&*kap));
        ui.YılKutusu->setFocus();
    }
    void cleanup() { kap.reset(), ortam.reset(); }

    // Every way of leaving the field checks the number first: out of bounds, the move is dropped,
    // the crossed bound is written back and the focus stays. Moves that do not leave check nothing.
    void ayrilmaDenetimi_data()
    {
        QTest::addColumn<int>("önce");
        QTest::addColumn<int>("yazılan");
        QTest::addColumn<QString>("hareket");
        QTest::addColumn<int>("sonra"); // the text afterwards; 0: the focus moved on
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
        QSignalSpy tıklama(ui.TamamDüğmesi, &QPushButton::clicked);
        Yaz(yıl, QString::number(yazılan));
        QCOMPARE(yıl->Value(), sonra ? önce : yazılan); // out of bounds: not taken while typing
        if (hareket == u"Tab" || hareket == u"Enter")
            QTest::keyClick(Alan(yıl), hareket == u"Tab" ? Qt::Key_Tab : Qt::Key_Enter);
        else if (hareket.startsWith(u"Alt+"))
            QTest::keyClick(Alan(yıl), Qt::Key(hareket.back().unicode()), Qt::AltModifier);
        else if (hareket == u"Ok")
            YukarıOk(yıl);
        else if (hareket == u"Tekerlek")
            TekerleğiÇevir(yıl->DeğerDeğiştirDüğmesi(), 1);
        else
            QTest::mouseClick(kap->findChild<QWidget*>(hareket), Qt::LeftButton);

        const bool denetlendi = sonra && sonra != yazılan;
        QCOMPARE(ortam->gösterilen.size(), size_t(denetlendi));
        QCOMPARE(Alan(yıl)->hasFocus(), sonra != 0);
        QCOMPARE(tıklama.count(), 0);
        QCOMPARE(yıl->Text(), QString::number(sonra ? sonra : yazılan));
        QCOMPARE(yıl->Value(), !sonra ? yazılan : denetlendi ? sonra : önce);
        if (denetlendi) {
            const Mesaj& m = ortam->gösterilen[0];
            QCOMPARE(m.metin, u"Belirlediğiniz değer, 2008 ile 2050 arasında olmalıdır!"_s);
            QCOMPARE(m.başlık, u"Hatalı değer!"_s);
            QVERIFY(m.simge == MesajSimgesi::Bilgi && m.düğmeler == MesajDüğmeleri::Tamam);
        }
    }

    // The program's real message box stands over the container; once it is answered the field
    // is still the focused control, holding the bound: the box coming and going is no leave.
    void gercekMesajKutusu()
    {
        MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
        kap->move(120, 90);
        QTRY_COMPARE(kap->frameGeometry().topLeft(), QPoint(120, 90));
        QRect yer;
        QTimer bekçi;
        connect(&bekçi, &QTimer::timeout, this, [&] {
            if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                yer = kutu->frameGeometry();
                kutu->button(QMessageBox::Ok)->click();
            }
        });
        bekçi.start(10);
        Yaz(ui.YılKutusu, u"2060"_s);
        QSignalSpy girdi(ui.YılKutusu, &DüğmeliKutu::GotFocus);
        QSignalSpy çıktı(ui.YılKutusu, &DüğmeliKutu::LostFocus);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Tab);
        kap->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*kap));
        const QPoint fark = yer.center() - kap->frameGeometry().center();
        QVERIFY(yer.isValid() && qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1);
        QCOMPARE(kap->focusWidget(), Alan(ui.YılKutusu));
        QCOMPARE(girdi.count() + çıktı.count(), 0);
        QCOMPARE(ui.YılKutusu->Text(), u"2050"_s);
    }

    // Up/Down and the arrows step by one within the bounds; a shut box takes no step. Enter moves
    // on like Tab and types nothing; the unit is added when the field is left.
    void oklarVeBirim()
    {
        DüğmeliKutu* saat = ui.SaatKutusu;
        ui.YılKutusu->SetValue(2050);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Up);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Down);
        QCOMPARE(Alan(ui.YılKutusu)->selectedText(), u"2049"_s);
        saat->SetEnabled(false);
        YukarıOk(saat);
        saat->SetEnabled(true);
        saat->SetBirim(u" saat"_s);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Return);
        YukarıOk(saat);
        QCOMPARE(saat->Text(), u"2 saat"_s);
        Yaz(saat, u"7"_s);
        QTest::keyClick(Alan(saat), Qt::Key_Enter);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        QCOMPARE(saat->Text(), u"7 saat"_s);
        QCOMPARE(ui.YılKutusu->Text(), u"2049"_s);
    }

    // Only digits are typed, up to the field's length, by any key path: letters, Alt, AltGr
    // (Ctrl+Alt), pasting, an input method's commit. An emptied field shows a selected "0".
    void yalnizRakamlarYazilir()
    {
        QLineEdit* alan = Alan(ui.YılKutusu);
        QGuiApplication::clipboard()->setText(u"1999"_s);
        QTest::keyClick(alan, Qt::Key_End);
        QTest::keyClick(alan, Qt::Key_Backspace);
        QTest::keyClicks(alan, u"a-, "_s);
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
    }

    // A value set by code raises Change once per new number; one outside the bounds throws, and
    // so does a bound outside 16 bits. A container moving the focus away and back by code while
    // digits are typed is no leave.
    void koddanDegisim()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QSignalSpy değişim(yıl, &DüğmeliKutu::Change);
        yıl->SetValue(2030);
        yıl->SetValue(2030);
        QVERIFY_THROWS_EXCEPTION(Hata, yıl->SetValue(2051));
        QCOMPARE(değişim.count(), 1);
        ui.SaatKutusu->SetEnDusuk(-32768);
        QVERIFY_THROWS_EXCEPTION(Hata, ui.SaatKutusu->SetEnDusuk(-32769));
        connect(yıl, &DüğmeliKutu::Change, this, [&] {
            if (yıl->hasFocus()) {
                ui.ÖncekiKutu->setFocus();
                yıl->setFocus();
            }
        });
        Yaz(yıl, u"2021"_s);
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(yıl->Value(), 2021);
    }
};

QTEST_MAIN(TestDugmeliKutu)
#include "TestDüğmeliKutu.moc"
