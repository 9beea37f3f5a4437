#pragma once
// The base of tests that drive the real main window: its controls found by name, entries
// clicked and marked as a user does, and the print button pressed with an action inside the
// printer choice dialog.

#include "Girdiler.h"
#include "forms/AnaForm.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

class AnaFormTesti : public QObject
{
protected:
    template <class T> T* D(const char* ad) const
    {
        return form->findChild<T*>(QString::fromUtf8(ad));
    }
    QListWidget* Liste() const { return D<QListWidget>("PersonelListesi"); }
    bool İşaretli(int satır) const { return Liste()->item(satır)->checkState() == Qt::Checked; }
    void Tıkla(int satır)
    {
        const QRect alan = Liste()->visualItemRect(Liste()->item(satır));
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, alan.center());
    }
    void İşaretle(int satır)
    {
        Tıkla(satır);
        QTest::keyClick(Liste(), Qt::Key_Space);
    }
    void Aç()
    {
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

    // Presses the print button; seçimde acts inside the printer choice dialog, which must open.
    void Yazdır(const std::function<void(QDialog*)>& seçimde)
    {
        QVERIFY(PenceredeYap(
            [this] { QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton); },
            [&](QWidget* seçme) {
                QCOMPARE(seçme->windowTitle(), QStringLiteral("Yazıcı Seç"));
                seçimde(static_cast<QDialog*>(seçme));
            }));
    }
    static void Tamam(QDialog* seçme)
    {
        QTest::mouseClick(seçme->findChild<QPushButton*>(QStringLiteral("TamamDüğmesi")),
                          Qt::LeftButton);
    }

    std::unique_ptr<AnaForm> form;
};
