// (The test class has an ASCII name: moc cuts names whose non-ASCII letters follow two or more
// ASCII ones.)
// The spin box in a small Designer form with other controls, driven by real key and mouse
// events: the year box 2008-2050 (four characters) and the hours box 1-8 (one character).
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

class TestDugmeliKutu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> kap;
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

    // Every way of leaving the field checks the number first: out of bounds, the move is
    // dropped, the bound is shown and the focus stays. Moves that do not leave check nothing.
    void ayrilmaDenetimi_data()
    {
        QTest::addColumn<bool>("saat"); // the hours box, otherwise the year box
        QTest::addColumn<int>("önce");
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<QString>("hareket");
        QTest::addColumn<QString>("metin"); // afterwards; empty: no message, the focus moved on
        QTest::newRow("Tab, üst sınır") << false << 2020 << "2060"
                                        << "Tab"
                                        << "2050";
        QTest::newRow("Enter, alt sınır") << false << 2020 << "1999"
                                          << "Enter"
                                          << "2008";
        QTest::newRow("düğmeye tıklama") << false << 2020 << "2060"
                                         << "Tamam"
                                         << "2050";
        QTest::newRow("ok çifti adım atmaz") << false << 2020 << "1999"
                                             << "Ok"
                                             << "2008";
        QTest::newRow("erişim tuşu") << false << 2020 << "2060"
                                     << "Alt+S"
                                     << "2050";
        QTest::newRow("tekerlek") << false << 2020 << "2060"
                                  << "Tekerlek"
                                  << "2050";
        QTest::newRow("sınırdaki değer yazıya döner") << false << 2050 << "2060"
                                                      << "Tab"
                                                      << "2050";
        QTest::newRow("saat üstü") << true << 1 << "9"
                                   << "Tab"
                                   << "8";
        QTest::newRow("saat altı") << true << 2 << "0"
                                   << "Tab"
                                   << "1";
        QTest::newRow("geçerli sayı") << false << 2020 << "2031"
                                      << "Tab"
                                      << "";
        QTest::newRow("kendi alanına tıklama") << false << 2020 << "2060"
                                               << "Alan"
                                               << "2060";
        QTest::newRow("etikete tıklama") << false << 2020 << "2060"
                                         << "Etiket"
                                         << "2060";
        QTest::newRow("kendi erişim tuşu") << false << 2020 << "2060"
                                           << "Alt+Y"
                                           << "2060";
    }
    void ayrilmaDenetimi()
    {
        QFETCH(bool, saat);
        QFETCH(int, önce);
        QFETCH(QString, yazılan);
        QFETCH(QString, hareket);
        QFETCH(QString, metin);
        DüğmeliKutu* kutu = saat ? ui.SaatKutusu : ui.YılKutusu;
        kutu->SetValue(önce);
        QSignalSpy tıklama(ui.TamamDüğmesi, &QPushButton::clicked);
        Yaz(kutu, yazılan);
        if (!metin.isEmpty())
            QCOMPARE(kutu->Value(), qint16(önce)); // not taken while typing
        if (hareket == QLatin1String("Tab") || hareket == QLatin1String("Enter"))
            QTest::keyClick(Alan(kutu),
                            hareket == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Enter);
        else if (hareket == QLatin1String("Tamam"))
            QTest::mouseClick(ui.TamamDüğmesi, Qt::LeftButton);
        else if (hareket == QLatin1String("Ok"))
            YukarıOk(kutu);
        else if (hareket == QLatin1String("Tekerlek"))
            TekerleğiÇevir(kutu->DeğerDeğiştirDüğmesi(), 1);
        else if (hareket == QLatin1String("Alan"))
            QTest::mouseClick(Alan(kutu), Qt::LeftButton);
        else if (hareket == QLatin1String("Etiket"))
            QTest::mouseClick(ui.YılEtiketi, Qt::LeftButton);
        else
            QTest::keyClick(Alan(kutu), Qt::Key(hareket.back().unicode()), Qt::AltModifier);

        const bool denetlendi = metin != yazılan && !metin.isEmpty();
        QCOMPARE(ortam->gösterilen.size(), size_t(denetlendi));
        QCOMPARE(Alan(kutu)->hasFocus(), !metin.isEmpty());
        QCOMPARE(tıklama.count(), 0);
        if (metin.isEmpty()) {
            QCOMPARE(kutu->Value(), qint16(yazılan.toInt()));
            return;
        }
        QCOMPARE(kutu->Text(), metin);
        if (!denetlendi)
            return;
        const Mesaj& mesaj = ortam->gösterilen[0];
        QCOMPARE(mesaj.metin,
                 saat ? QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!")
                      : QStringLiteral("Belirlediğiniz değer, 2008 ile 2050 arasında olmalıdır!"));
        QCOMPARE(mesaj.başlık, QStringLiteral("Hatalı değer!"));
        QVERIFY(mesaj.simge == MesajSimgesi::Bilgi && mesaj.düğmeler == MesajDüğmeleri::Tamam);
        QCOMPARE(kutu->Value(), qint16(metin.toInt()));
    }

    // With the program's real message box: the box stands over the container, and once it is
    // answered the field is still the container's focused control, holding the bound.
    void gercekMesajKutusuOrtalanir()
    {
        MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
        kap->move(120, 90);
        QTRY_COMPARE(kap->frameGeometry().topLeft(), QPoint(120, 90));
        QRect kutuYeri;
        QTimer bekçi;
        connect(&bekçi, &QTimer::timeout, this, [&] {
            if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                kutuYeri = kutu->frameGeometry();
                kutu->button(QMessageBox::Ok)->click();
            }
        });
        bekçi.start(10);
        Yaz(ui.YılKutusu, QStringLiteral("2060"));
        QSignalSpy çıktı(ui.YılKutusu, &DüğmeliKutu::LostFocus);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Tab);
        bekçi.stop();
        const QPoint fark = kutuYeri.center() - kap->frameGeometry().center();
        QVERIFY(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1);
        QCOMPARE(kap->focusWidget(), Alan(ui.YılKutusu));
        QCOMPARE(çıktı.count(), 0); // the box coming to the front is no move between controls
        QCOMPARE(ui.YılKutusu->Text(), QStringLiteral("2050"));
    }

    // Up/Down and the arrows step by one and stop at the bounds; a shut box takes no step.
    void oklarSinirdaDurur()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        yıl->SetValue(2050);
        QTest::keyClick(Alan(yıl), Qt::Key_Up);
        YukarıOk(yıl);
        QCOMPARE(yıl->Text(), QStringLiteral("2050"));
        QTest::keyClick(Alan(yıl), Qt::Key_Down);
        QCOMPARE(Alan(yıl)->selectedText(), QStringLiteral("2049"));
        yıl->SetValue(2008);
        QTest::keyClick(Alan(yıl), Qt::Key_Down);
        QCOMPARE(yıl->Text(), QStringLiteral("2008"));
        YukarıOk(yıl);
        QCOMPARE(yıl->Value(), 2009);

        DüğmeliKutu* saat = ui.SaatKutusu;
        saat->SetEnabled(false);
        YukarıOk(saat);
        QCOMPARE(saat->Value(), 1);
        QTest::keyClick(Alan(yıl), Qt::Key_Tab);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        saat->SetEnabled(true);
        YukarıOk(saat);
        QCOMPARE(saat->Value(), 2);
        QVERIFY(ortam->gösterilen.empty());
    }

    // Only digits are typed, up to the field's length, by any key path: letters, Alt, AltGr
    // (Ctrl+Alt), pasting, an input method's commit. An emptied field shows a selected "0".
    void yalnizRakamlarYazilir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QList<int> değerler;
        connect(yıl, &DüğmeliKutu::Change, this, [&] { değerler.append(yıl->Value()); });
        QGuiApplication::clipboard()->setText(QStringLiteral("1999"));
        QTest::keyClick(Alan(yıl), Qt::Key_End);
        QTest::keyClick(Alan(yıl), Qt::Key_Backspace);
        QTest::keyClicks(Alan(yıl), QStringLiteral("a-, "));
        QTest::keyClick(Alan(yıl), Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(Alan(yıl), QStringLiteral("55"));
        QCOMPARE(yıl->Text(), QStringLiteral("2025"));
        QCOMPARE(değerler, (QList<int>{2020, 2025}));

        Alan(yıl)->selectAll();
        QTest::keyClick(Alan(yıl), Qt::Key_Delete);
        QCOMPARE(Alan(yıl)->selectedText(), QStringLiteral("0"));
        QCOMPARE(yıl->Value(), 2025);
        QTest::keyClick(Alan(yıl), Qt::Key_1);
        QTest::keyClick(Alan(yıl), Qt::Key_X, Qt::AltModifier);
        QTest::keyClick(Alan(yıl), Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QInputMethodEvent girdi;
        girdi.setCommitString(QStringLiteral("2a2é"));
        QCoreApplication::sendEvent(Alan(yıl), &girdi);
        QCOMPARE(yıl->Text(), QStringLiteral("122"));
        QTest::keyClick(Alan(ui.SaatKutusu), Qt::Key_End);
        QTest::keyClick(Alan(ui.SaatKutusu), Qt::Key_5);
        QCOMPARE(ui.SaatKutusu->Text(), QStringLiteral("1"));
    }

    // Enter moves on like Tab and types nothing; the unit is added once, when the field is left.
    void enterVeBirim()
    {
        DüğmeliKutu* saat = ui.SaatKutusu;
        saat->SetBirim(QStringLiteral(" saat"));
        QSignalSpy girdi(saat, &DüğmeliKutu::GotFocus);
        QSignalSpy çıktı(saat, &DüğmeliKutu::LostFocus);
        QTest::keyClick(Alan(ui.YılKutusu), Qt::Key_Return);
        QVERIFY(Alan(saat)->hasFocus());
        QCOMPARE(ui.YılKutusu->Text(), QStringLiteral("2020"));
        YukarıOk(saat);
        QCOMPARE(saat->Text(), QStringLiteral("2 saat"));
        Yaz(saat, QStringLiteral("7"));
        QCOMPARE(saat->Text(), QStringLiteral("7"));
        QTest::keyClick(Alan(saat), Qt::Key_Enter);
        QVERIFY(ui.TamamDüğmesi->hasFocus());
        QCOMPARE(saat->Text(), QStringLiteral("7 saat"));
        QCOMPARE(saat->Value(), 7);
        QCOMPARE(girdi.count(), 1);
        QCOMPARE(çıktı.count(), 1);
    }

    // A value set by code raises Change once per new number; one outside the bounds throws.
    void degerKoddanAyarlanir()
    {
        DüğmeliKutu* yıl = ui.YılKutusu;
        QSignalSpy değişim(yıl, &DüğmeliKutu::Change);
        yıl->SetValue(2030);
        yıl->SetValue(2030);
        QCOMPARE(değişim.count(), 1);
        QVERIFY_THROWS_EXCEPTION(Hata, yıl->SetValue(2051));
        QCOMPARE(yıl->Text(), QStringLiteral("2030"));
        QCOMPARE(değişim.count(), 1);
    }

    // A container moving the focus away and back by code while digits are typed is no leave.
    void kodlaOdakGidisGelisiDenetlenmez()
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
        QCOMPARE(yıl->Value(), 2021);
    }
};

QTEST_MAIN(TestDugmeliKutu)
#include "TestDüğmeliKutu.moc"
