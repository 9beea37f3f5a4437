#pragma once
// What a user does with the keyboard and the mouse, sent the way the window system sends it.

#include <QString>
#include <functional>
#include <vector>

class QWidget;

// Types any text into alan, each character as the key a layout with that letter would send (a
// line feed as Enter); QTest::keyClicks knows only ASCII.
void KlavyedenYaz(QWidget* alan, const QString& metin);

// Opens odak's context menu with the keyboard's menu key and triggers its entry at sıra; returns
// that entry's text, or an empty text when no menu opened or it has no such entry.
QString MenüdenSeç(QWidget* odak, int sıra = 0);

// Turns the wheel by çentik notches (positive: away from the user) over the middle of hedef: to
// the window, which hands it on to the control under the pointer.
void TekerleğiÇevir(QWidget* hedef, int çentik);

// Runs aç, which is to open a modal window, and içinde inside that window once it is active; a
// window still open after it is closed (a dialog rejected). False when no modal window opened.
bool PenceredeYap(const std::function<void()>& aç, const std::function<void(QWidget*)>& içinde);

// As PenceredeYap, for aç opening one modal window after another: içinde[i] acts in the i-th
// once it is active, and is to close it. The number of windows acted in.
std::size_t PencerelerdeYap(const std::function<void()>& aç,
                            const std::vector<std::function<void(QWidget*)>>& içinde);
