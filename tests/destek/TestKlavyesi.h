#pragma once
// Typing for tests. QTest::keyClicks knows only ASCII characters; these type any text, each
// character as the key press and release a keyboard layout with that letter would send.

#include <QString>

class QWidget;

// Types metin into the widget, a line feed as the Enter key.
void KlavyedenYaz(QWidget* alan, const QString& metin);
