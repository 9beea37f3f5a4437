#pragma once
// Opens odak's context menu with the keyboard's menu key and triggers its entry at sıra; returns
// that entry's text, or an empty text when no menu opened or it has no such entry.
class QString;
class QWidget;
QString MenüdenSeç(QWidget* odak, int sıra = 0);
