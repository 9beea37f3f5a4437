#pragma once
// The keyboard's menu key on a widget, as the window system delivers it, and a choice in the
// context menu that opens.

class QWidget;
class QString;

// Opens odak's context menu with the menu key and triggers its entry at sıra; returns that
// entry's text, or an empty text when no menu opened or it has no such entry.
QString MenüdenSeç(QWidget* odak, int sıra = 0);
