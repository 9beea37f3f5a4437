#pragma once
// Types any text into alan, each character as the key a layout with that letter would send (a
// line feed as Enter); QTest::keyClicks knows only ASCII.
#include <QString>
class QWidget;
void KlavyedenYaz(QWidget* alan, const QString& metin);
