#pragma once
// One running copy per title and user. The first copy claims the name with a lock held for its
// whole life and, once its main window is there, listens on a local socket of that name; a later
// copy asks it to bring its main window to the front and then ends. A copy whose window carries
// another title is not found.

#include <QString>

class QWidget;

class TekKopyaKoruması
{
public:
    // The local socket name of a copy with this title, run by this user, and where it lives:
    // in the user's run-time folder.
    static QString SunucuAdı(const QString& başlık);
    static QString SunucuYolu(const QString& başlık);

    // Claims the title for this copy before any other step of its start: true when this copy is
    // the one to run. Of copies started together exactly one gets it. Another waits, a few
    // seconds at most, for the running copy to listen, asks it to come to the front and gets
    // false; it claims the name itself when the running copy ends first.
    static bool AdıSahiplen(const QString& başlık);

    // True when a running copy with this title answered (it is coming to the front).
    static bool ÇalışanıÖneGetir(const QString& başlık);

    // Starts answering later copies on behalf of pencere. A socket left behind by a copy that
    // crashed (nothing answers on it) is removed first.
    static void Dinle(const QString& başlık, QWidget* pencere);
};
