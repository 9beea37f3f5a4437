#include "AnaFormTesti.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

QListWidget* AnaFormTesti::Liste() const
{
    return D<QListWidget>("PersonelListesi");
}

bool AnaFormTesti::İşaretli(int satır) const
{
    return Liste()->item(satır)->checkState() == Qt::Checked;
}

void AnaFormTesti::İşaretle(int satır)
{
    const QRect alan = Liste()->visualItemRect(Liste()->item(satır));
    QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, alan.center());
    QTest::keyClick(Liste(), Qt::Key_Space);
    QVERIFY(İşaretli(satır));
}

void AnaFormTesti::Yazdır(const std::function<void(QDialog*)>& seçimde)
{
    bool açıldı = false;
    QTimer::singleShot(0, this, [&] {
        auto* seçme = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(seçme);
        QCOMPARE(seçme->windowTitle(), QStringLiteral("Yazıcı Seç"));
        QVERIFY(QTest::qWaitForWindowActive(seçme));
        açıldı = true;
        seçimde(seçme);
    });
    QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
    QVERIFY(açıldı);
}

void AnaFormTesti::Tamam(QDialog* seçme)
{
    QTest::mouseClick(seçme->findChild<QPushButton*>(QStringLiteral("TamamDüğmesi")),
                      Qt::LeftButton);
}
