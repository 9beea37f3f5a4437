#pragma once
// The base of tests that drive the real main window: its controls found by name, entries
// clicked and marked as a user does, and the print button pressed with an action inside the
// printer choice dialog.

#include "forms/AnaForm.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
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
        bool açıldı = false;
        QTimer::singleShot(0, this, [&] {
            auto* seçme = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(seçme && seçme->windowTitle() == QStringLiteral("Yazıcı Seç"));
            QVERIFY(QTest::qWaitForWindowActive(seçme));
            açıldı = true;
            seçimde(seçme);
        });
        QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
        QVERIFY(açıldı);
    }
    static void Tamam(QDialog* seçme)
    {
        QTest::mouseClick(seçme->findChild<QPushButton*>(QStringLiteral("TamamDüğmesi")),
                          Qt::LeftButton);
    }

    std::unique_ptr<AnaForm> form;
};
