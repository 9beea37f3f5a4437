#include "TestKlavyesi.h"

#include <QtTest>

void KlavyedenYaz(QWidget* alan, const QString& metin)
{
    for (const QChar harf : metin) {
        if (harf == u'\n')
            QTest::keyClick(alan, Qt::Key_Return);
        else if (harf.unicode() < 0x80)
            QTest::keyClick(alan, harf.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(harf), Qt::NoModifier);
    }
}
