#pragma once
// One running copy per title and user. The first copy listens on a local socket named after
// the program title and the user; a later copy that reaches it asks it to bring its main window
// to the front and then ends. A copy whose window carries another title is not found.

#include <QString>

class QWidget;

class TekKopyaKoruması
{
public:
    // The local socket name of a copy with this title, run by this user, and where it lives:
    // in the user's run-time folder.
    static QString SunucuAdı(const QString& başlık);
    static QString SunucuYolu(const QString& başlık);

    // True when a running copy with this title answered (it is coming to the front).
    static bool ÇalışanıÖneGetir(const QString& başlık);

    // Starts answering later copies on behalf of pencere. A socket left behind by a copy that
    // crashed (nothing answers on it) is removed first.
    static void Dinle(const QString& başlık, QWidget* pencere);
};
