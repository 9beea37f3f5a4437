#pragma once
// The base of tests that drive the real main window through a print run: finding its controls
// by name, marking entries as a user does, and pressing the print button with an action inside
// the printer choice dialog.

#include "forms/AnaForm.h"

#include <QListWidget>
#include <QObject>
#include <functional>
#include <memory>

class QDialog;

class AnaFormTesti : public QObject
{
protected:
    template <class T> T* D(const char* ad) const
    {
        T* d = form->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }
    QListWidget* Liste() const;
    bool İşaretli(int satır) const;

    // Marks an entry as a user does: a click on it, then Space.
    void İşaretle(int satır);

    // Presses the print button; seçimde acts inside the printer choice dialog, which must open.
    void Yazdır(const std::function<void(QDialog*)>& seçimde);

    // Presses "Tamam" in the printer choice dialog.
    static void Tamam(QDialog* seçme);

    std::unique_ptr<AnaForm> form;
};
