// Awkward text pasted into the institution dialog is stored as the box shows it put right, or
// refused. Text dropped on an entry box would skip its leave check.
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/KurumBilgisiGirişiFormu.h"
#include "forms/PersonelFormu.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestZorGirdiler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kurumAdi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::newRow("uzun") << QString(201, u'ç');
        QTest::newRow("sınırda emoji") << QString(199, u'a') + u"😀"_s; // not cut in half
        QTest::newRow("denetim karakterleri") << u"ab\u0001c\u007fd\u001be\u0007f"_s;
        QTest::newRow("kesme ve tırnak") << u"Ayşe'nin \"kurumu\" '#1/1/2024#'"_s;
        QTest::newRow("yalnız boşluk") << QString(50, u' ');
    }
    void kurumAdi()
    {
        QFETCH(QString, metin);
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        QWidget sahip;
        KurumBilgisiGirişiFormu form(&sahip);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* kutu = form.findChild<QPlainTextEdit*>(u"KurumBilgisiKutusu"_s);
        QApplication::clipboard()->setText(metin);
        QTest::keyClick(kutu, Qt::Key_V, Qt::ControlModifier);
        const int sığan = metin.at(qMin(metin.size(), 200) - 1).isHighSurrogate() ? 199 : 200;
        QCOMPARE(kutu->toPlainText(), metin.left(sığan));
        const QString düzgün = KurumAdınıDüzelt(metin.left(sığan));
        QTest::keyClick(kutu, Qt::Key_Tab);
        QCOMPARE(kutu->toPlainText(), düzgün);
        QTest::mouseClick(form.findChild<QPushButton*>(u"KaydetDüğmesi"_s), Qt::LeftButton);
        const bool kaydedildi = düzgün.size() >= 5;
        QStringList kayıtlar{KurumAdı};
        for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(u"SELECT KurumAdi FROM KurumTablosu"_s);
             !k.EOF_(); k.SonrakineGeç())
            kayıtlar << k.Alan(0).toString();
        QCOMPARE(kayıtlar, (kaydedildi ? QStringList{düzgün, düzgün} : QStringList{QString()}));
        QCOMPARE(ortam.gösterilen.empty() ? QString() : ortam.gösterilen[0].metin,
                 kaydedildi ? QString() : u"Kurum bilgisinin en az 5 karakter olması gerekiyor!"_s);
    }

    void birakilanMetinAlinmaz()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        AnaForm ana;
        ana.Yükle();
        PersonelFormu personel(ana);
        KurumBilgisiGirişiFormu kurum(&ana);
        for (QWidget* pencere : std::initializer_list<QWidget*>{&personel, &kurum, &ana}) {
            pencere->show();
            QVERIFY(QTest::qWaitForWindowExposed(pencere));
            for (QWidget* kutu : pencere->findChildren<QWidget*>()) {
                if (!qobject_cast<QLineEdit*>(kutu) && !qobject_cast<QPlainTextEdit*>(kutu))
                    continue;
                for (QWidget* w = kutu; w; w = w->parentWidget()) // the staff boxes open shut
                    w->setEnabled(true);
                QMimeData veri;
                veri.setText(u"ayşe', 'a'), (99, 'ikinci"_s);
                QDragEnterEvent giriş(kutu->mapTo(pencere, kutu->rect().center()), Qt::CopyAction,
                                      &veri, Qt::LeftButton, Qt::NoModifier);
                QCoreApplication::sendEvent(pencere->windowHandle(), &giriş);
                QVERIFY2(!giriş.isAccepted(), qPrintable(kutu->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestZorGirdiler)
#include "TestZorGirdiler.moc"
