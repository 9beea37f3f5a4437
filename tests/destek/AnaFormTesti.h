#pragma once
// The base of tests that drive the real main window: a test world with staff in it, the
// window's controls found by name, entries clicked and marked as a user does, and the print
// button pressed with an action inside the printer choice dialog.

#include "Girdiler.h"
#include "TestOrtamı.h"
#include "controls/PersonelListeKutusu.h"
#include "data/Deyimler.h"
#include "forms/AnaForm.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

class AnaFormTesti : public QObject
{
    Q_OBJECT

protected:
    // A fresh world with its database open, holding kişiler in list order: registry numbers
    // from 100, each a "Memur" of "Acil".
    void Kur(const QStringList& kişiler)
    {
        cleanup(); // the old world puts back what it changed before the new one starts
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        for (int i = 0; i < kişiler.size(); ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(QString::number(100 + i), kişiler[i],
                                                QStringLiteral("Memur"), QStringLiteral("Acil"),
                                                QString::number(i + 1)));
    }
    template <class T> T* D(const char* ad) const
    {
        return form->findChild<T*>(QString::fromUtf8(ad));
    }
    PersonelListeKutusu* Liste() const { return D<PersonelListeKutusu>("PersonelListesi"); }
    bool İşaretli(int satır) const { return Liste()->Kişiler().İşaretliMi(satır); }
    void Tıkla(int satır)
    {
        const QRect alan = Liste()->visualRect(Liste()->Kişiler().index(satır));
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

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> form;

private Q_SLOTS:
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }
};
