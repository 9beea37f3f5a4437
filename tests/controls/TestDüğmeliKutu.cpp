// (The test class has an ASCII name: moc cuts names whose non-ASCII letters follow two or more
// ASCII ones.)
// The spin box in a small Designer form with other controls, driven by real key and mouse
// events: the year box 2008-2050 (four characters) and the hours box 1-8 (one character).
#define QTEST_QPA_MOUSE_HANDLING

#include "common/Hata.h"
#include "common/QtMesajKutusu.h"
#include "controls/DüğmeliKutu.h"
#include "destek/TestOrtamı.h"
#include "ui_DenemeKabı.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QString YılMesajı = QStringLiteral("Belirlediğiniz değer, 2008 ile 2050 arasında olmalıdır!");
const QString SaatMesajı = QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!");
} // namespace

class TestDugmeliKutu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> kap;
    Ui::DenemeKabı ui;

    QLineEdit* Alan(DüğmeliKutu* kutu) { return kutu->DeğerKutusu(); }

    // Replaces the field's whole text by typing, as a user does after selecting it.
    void Yaz(DüğmeliKutu* kutu, const QString& rakamlar)
    {
        kutu->setFocus();
        Alan(kutu)->selectAll();
        QTest::keyClicks(Alan(kutu), rakamlar);
    }

    // The up arrow of the pair, pressed with the mouse.
    void YukarıOk(DüğmeliKutu* kutu)
    {
        QScrollBar* ok = kutu->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(ok, Qt::LeftButton, {}, QPoint(ok->width() / 2, 3));
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>(false);
        kap = std::make_unique<QWidget>();
        ui.setupUi(kap.get());
        kap->show();
        QVERIFY(QTest::qWaitForWindowActive(kap.get()));
        ui.YılKutusu->setFocus();
    }

    void cleanup()
    {
        kap.reset();
        ortam.reset();
    }

    void DesignerAyarlariVeYerlesim()
    {
        QCOMPARE(ui.YılKutusu->EnDusuk(), 2008);
        QCOMPARE(ui.YılKutusu->EnYuksek(), 2050);
        QCOMPARE(ui.YılKutusu->Value(), 2020);
        QCOMPARE(ui.YılKutusu->Text(), QStringLiteral("2020"));
        QCOMPARE(ui.YılKutusu->EnUzunGiris(), 4);
        QCOMPARE(ui.SaatKutusu->EnDusuk(), 1);
        QCOMPARE(ui.SaatKutusu->EnYuksek(), 8);
        QCOMPARE(ui.SaatKutusu->Value(), 1);

        // 585 twips are raised to 675; the field fills the control, the arrows sit 285 twips
        // from the right edge, 20 from the top, 270 square.
        QCOMPARE(ui.SaatKutusu->size(), QSize(45, 21));
        QCOMPARE(ui.YılKutusu->size(), QSize(111, 21));
        QCOMPARE(Alan(ui.YılKutusu)->geometry(), QRect(0, 0, 111, 21));
        QCOMPARE(ui.YılKutusu->DeğerDeğiştirDüğmesi()->geometry(), QRect(92, 1, 18, 18));

        ui.ÖncekiKutu->setFocus();
        QSignalSpy girdi(ui.YılKutusu, &DüğmeliKutu::GotFocus);
        QSignalSpy çıktı(ui.YılKutusu, &DüğmeliKutu::LostFocus);
        QTest::keyClick(ui.ÖncekiKutu, Qt::Key_Tab);
        QVERIFY(Alan(ui.YılKutusu)->hasFocus());
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Tab);
        QVERIFY(Alan(ui.SaatKutusu)->hasFocus());
        QCOMPARE(girdi.count(), 1);
        QCOMPARE(çıktı.count(), 1);
        QTest::keyClick(Alan(ui.SaatKutusu), Qt::Key_Tab);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        QTest::keyClick(ui.TamamDüğmesi, Qt::Key_Backtab);
        QVERIFY(Alan(ui.SaatKutusu)->hasFocus());
    }

    void OkTuslariVeOklarSinirdaDurur()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        yıl->SetValue(2050);
        QTest::keyClick(Alan(yıl), Qt::Key_Up);
        QCOMPARE(yıl->Value(), 2050);
        QCOMPARE(yıl->Text(), QStringLiteral("2050"));
        YukarıOk(yıl);
        QCOMPARE(yıl->Value(), 2050);
        QTest::keyClick(Alan(yıl), Qt::Key_Down);
        QCOMPARE(yıl->Value(), 2049);
        QCOMPARE(Alan(yıl)->selectedText(), QStringLiteral("2049"));

        yıl->SetValue(2008);
        QTest::keyClick(Alan(yıl), Qt::Key_Down);
        QCOMPARE(yıl->Value(), 2008);
        QCOMPARE(yıl->Text(), QStringLiteral("2008"));
        QTest::keyClick(Alan(yıl), Qt::Key_Up);
        QCOMPARE(yıl->Text(), QStringLiteral("2009"));
        YukarıOk(yıl);
        QCOMPARE(yıl->Value(), 2010);
        QCOMPARE(yıl->Text(), QStringLiteral("2010"));
        QVERIFY(ortam->gösterilen.empty());
    }

    void AralikDisiDegerAyrilirkenReddedilir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        Yaz(yıl, QStringLiteral("2060"));
        QCOMPARE(yıl->Value(), 2020); // not taken while typing
        QVERIFY(ortam->gösterilen.empty());
        QTest::keyClick(Alan(yıl), Qt::Key_Tab);
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hatalı değer!"));
        QCOMPARE(ortam->gösterilen[0].metin, YılMesajı);
        QVERIFY(ortam->gösterilen[0].simge == MesajSimgesi::Bilgi);
        QVERIFY(ortam->gösterilen[0].düğmeler == MesajDüğmeleri::Tamam);
        QCOMPARE(yıl->Value(), 2050);
        QCOMPARE(yıl->Text(), QStringLiteral("2050"));
        QVERIFY(Alan(yıl)->hasFocus());

        Yaz(yıl, QStringLiteral("1999"));
        QTest::keyClick(Alan(yıl), Qt::Key_Return);
        QCOMPARE(ortam->gösterilen.size(), 2u);
        QCOMPARE(ortam->gösterilen[1].metin, YılMesajı);
        QCOMPARE(yıl->Value(), 2008);
        QCOMPARE(yıl->Text(), QStringLiteral("2008"));
        QVERIFY(Alan(yıl)->hasFocus());

        // A number within the bounds lets the focus go, without a message.
        Yaz(yıl, QStringLiteral("2031"));
        QTest::keyClick(Alan(yıl), Qt::Key_Tab);
        QCOMPARE(ortam->gösterilen.size(), 2u);
        QCOMPARE(yıl->Value(), 2031);
        QVERIFY(Alan(ui.SaatKutusu)->hasFocus());
    }

    void TiklamaVeErisimTusuDaDenetlenir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QSignalSpy tıklama(ui.TamamDüğmesi, &QPushButton::clicked);

        Yaz(yıl, QStringLiteral("2060"));
        QTest::mouseClick(ui.TamamDüğmesi, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(tıklama.count(), 0);
        QVERIFY(Alan(yıl)->hasFocus());
        QCOMPARE(yıl->Text(), QStringLiteral("2050"));

        // The arrow pair is another control: the number is checked before any step.
        Yaz(yıl, QStringLiteral("1999"));
        YukarıOk(yıl);
        QCOMPARE(ortam->gösterilen.size(), 2u);
        QCOMPARE(yıl->Value(), 2008);

        Yaz(yıl, QStringLiteral("2060"));
        QTest::keyClick(Alan(yıl), Qt::Key_S, Qt::AltModifier);
        QCOMPARE(ortam->gösterilen.size(), 3u);
        QVERIFY(Alan(yıl)->hasFocus());

        // Clicks inside the field itself and on a valid number move freely.
        QTest::mouseClick(Alan(yıl), Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), 3u);
        QTest::mouseClick(ui.TamamDüğmesi, Qt::LeftButton);
        QCOMPARE(tıklama.count(), 1);
        QCOMPARE(ortam->gösterilen.size(), 3u);
    }

    // With the program's real message box: the box stands over the container, and once it is
    // answered the field is still the container's focused control, holding the bound.
    void GercekMesajKutusuKabinUstundeOrtalanir()
    {
        MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
        kap->move(120, 90);
        QTRY_COMPARE(kap->frameGeometry().topLeft(), QPoint(120, 90));
        QRect kutuYeri;
        QString başlık;
        QTimer bekçi;
        connect(&bekçi, &QTimer::timeout, this, [&] {
            if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                kutuYeri = kutu->frameGeometry();
                başlık = kutu->windowTitle();
                kutu->button(QMessageBox::Ok)->click();
            }
        });
        bekçi.start(10);
        Yaz(ui.YılKutusu, QStringLiteral("2060"));
        QSignalSpy çıktı(ui.YılKutusu, &DüğmeliKutu::LostFocus);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Tab);
        bekçi.stop();

        QCOMPARE(başlık, QStringLiteral("Hatalı değer!"));
        const QPoint fark = kutuYeri.center() - kap->frameGeometry().center();
        QVERIFY(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1);
        QCOMPARE(kap->focusWidget(), Alan(ui.YılKutusu));
        QCOMPARE(çıktı.count(), 0); // the box coming to the front is no move between controls
        QCOMPARE(ui.YılKutusu->Text(), QStringLiteral("2050"));
    }

    void KapaliKutuDegismez()
    {
        DüğmeliKutu* saat = ui.SaatKutusu;
        saat->SetEnabled(false);
        QVERIFY(!saat->Enabled());
        QVERIFY(!saat->DeğerDeğiştirDüğmesi()->isEnabled());
        YukarıOk(saat);
        QCOMPARE(saat->Value(), 1);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Tab);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        saat->SetEnabled(true);
        YukarıOk(saat);
        QCOMPARE(saat->Value(), 2);
    }

    void SaatKutusuSinirlari()
    {
        DüğmeliKutu* saat = ui.SaatKutusu;
        Yaz(saat, QStringLiteral("9"));
        QTest::keyClick(Alan(saat), Qt::Key_Tab);
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].metin, SaatMesajı);
        QCOMPARE(saat->Value(), 8);

        Yaz(saat, QStringLiteral("0"));
        QTest::keyClick(Alan(saat), Qt::Key_Tab);
        QCOMPARE(ortam->gösterilen.size(), 2u);
        QCOMPARE(saat->Value(), 1);
        QCOMPARE(saat->Text(), QStringLiteral("1"));

        // One character only: a second digit is not typed.
        QTest::keyClick(Alan(saat), Qt::Key_End);
        QTest::keyClick(Alan(saat), Qt::Key_5);
        QCOMPARE(saat->Text(), QStringLiteral("1"));
    }

    void YalnizRakamlarYazilir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QGuiApplication::clipboard()->setText(QStringLiteral("1999"));
        QTest::keyClick(Alan(yıl), Qt::Key_End);
        QTest::keyClick(Alan(yıl), Qt::Key_Backspace);
        QTest::keyClicks(Alan(yıl), QStringLiteral("a-, "));
        QTest::keyClick(Alan(yıl), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(yıl->Text(), QStringLiteral("202"));
        QTest::keyClick(Alan(yıl), Qt::Key_5);
        QCOMPARE(yıl->Text(), QStringLiteral("2025"));
        QTest::keyClick(Alan(yıl), Qt::Key_5); // a fifth character is not typed
        QCOMPARE(yıl->Text(), QStringLiteral("2025"));
        QCOMPARE(yıl->Value(), 2025);

        // Alt, AltGr (Ctrl+Alt) and an input method's commit type no letters either.
        Alan(yıl)->selectAll();
        QTest::keyClick(Alan(yıl), Qt::Key_1);
        QTest::keyClick(Alan(yıl), Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(Alan(yıl), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QInputMethodEvent girdi;
        girdi.setCommitString(QStringLiteral("2a2é"));
        QCoreApplication::sendEvent(Alan(yıl), &girdi);
        QCOMPARE(yıl->Text(), QStringLiteral("122"));
    }

    void BosaltilanAlanSeciliSifirGosterir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        Alan(yıl)->selectAll();
        QTest::keyClick(Alan(yıl), Qt::Key_Delete);
        QCOMPARE(yıl->Text(), QStringLiteral("0"));
        QCOMPARE(Alan(yıl)->selectedText(), QStringLiteral("0"));
        QCOMPARE(yıl->Value(), 2020);
        QTest::keyClick(Alan(yıl), Qt::Key_2);
        QCOMPARE(yıl->Text(), QStringLiteral("2"));

        QTest::keyClick(Alan(yıl), Qt::Key_Backspace);
        QCOMPARE(yıl->Text(), QStringLiteral("0"));
        QCOMPARE(Alan(yıl)->selectedText(), QStringLiteral("0"));
    }

    void ChangeHerRakamdaDegerDorduncude()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QList<int> değerler;
        connect(yıl, &DüğmeliKutu::Change, this, [&] { değerler.append(yıl->Value()); });
        Yaz(yıl, QStringLiteral("2021"));
        QCOMPARE(değerler, (QList<int>{2020, 2020, 2020, 2021}));
        QCOMPARE(yıl->Text(), QStringLiteral("2021"));
    }

    void EnterOdagiTasirVeBirseyYazmaz()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QTest::keyClick(Alan(yıl), Qt::Key_Enter);
        QVERIFY(Alan(ui.SaatKutusu)->hasFocus());
        QCOMPARE(yıl->Text(), QStringLiteral("2020"));
        QTest::keyClick(Alan(ui.SaatKutusu), Qt::Key_Return);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        QCOMPARE(ui.SaatKutusu->Text(), QStringLiteral("1"));
    }

    void BirimBirKezEklenir()
    {
        DüğmeliKutu* saat = ui.SaatKutusu;
        saat->SetBirim(QStringLiteral(" saat"));
        YukarıOk(saat);
        QVERIFY(Alan(saat)->hasFocus());
        QCOMPARE(saat->Text(), QStringLiteral("2 saat"));
        QCOMPARE(saat->Value(), 2);
        QTest::keyClick(Alan(saat), Qt::Key_Tab);
        QCOMPARE(saat->Text(), QStringLiteral("2 saat"));
        QCOMPARE(saat->Value(), 2);

        // Typed digits keep their place until the field is left, then get the unit once.
        Yaz(saat, QStringLiteral("7"));
        QCOMPARE(saat->Text(), QStringLiteral("7"));
        QCOMPARE(saat->Value(), 7);
        QTest::keyClick(Alan(saat), Qt::Key_Tab);
        QCOMPARE(saat->Text(), QStringLiteral("7 saat"));
        QVERIFY(ortam->gösterilen.empty());
    }

    void DegerKoddanAyarlanir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        ui.ÖncekiKutu->setFocus();
        QSignalSpy değişim(yıl, &DüğmeliKutu::Change);
        yıl->SetValue(2030);
        QCOMPARE(yıl->Text(), QStringLiteral("2030"));
        QCOMPARE(değişim.count(), 1);
        yıl->SetValue(2030);
        QCOMPARE(değişim.count(), 1);

        try {
            yıl->SetValue(2051);
            QFAIL("a value above the upper bound was taken");
        } catch (const Hata& hata) {
            QCOMPARE(hata.Numara(), HataNo::GeçersizÖzellikDeğeri);
        }
        QCOMPARE(yıl->Value(), 2030);
        QCOMPARE(yıl->Text(), QStringLiteral("2030"));
        QCOMPARE(değişim.count(), 1);
    }

    void KabinOdakGidisGelisiDenetlenmez()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        int gidişGeliş = 0;
        connect(yıl, &DüğmeliKutu::Change, this, [&] {
            if (!yıl->hasFocus())
                return;
            ++gidişGeliş;
            ui.ÖncekiKutu->setFocus();
            yıl->setFocus();
        });
        Yaz(yıl, QStringLiteral("2021"));
        QCOMPARE(gidişGeliş, 4);
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(yıl->Text(), QStringLiteral("2021"));
        QCOMPARE(yıl->Value(), 2021);
        QVERIFY(Alan(yıl)->hasFocus());
    }
};

QTEST_MAIN(TestDugmeliKutu)
#include "TestDüğmeliKutu.moc"
