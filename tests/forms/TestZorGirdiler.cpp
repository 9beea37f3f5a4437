// Text dropped on an entry box would skip its leave check: no entry box takes a drop.
#include "common/OrtakDeğişkenlerModülü.h"
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
