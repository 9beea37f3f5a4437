#pragma once
// Shared window routines: the message-box centring, the highlight of a focused entry box, the
// search of a list by the beginning of its entries' texts and the wheel rule of the controls.

#include <QString>

class PersonelModeli;
class QColor;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Arms a one-shot centring of the next top-level window shown (the message box raised right
// after the call) over the window that is active now. Nothing moves when that window has a
// negative coordinate; an arming that no window follows lapses when the event loop next runs.
void MesajKutusunuOrtala();

// True when odak is denetim or a widget inside it; false when there is no odak.
bool İçindeMi(const QWidget* odak, const QWidget* denetim);

// Paints the caption label's text in renk.
void EtiketiBoya(QLabel* etiket, const QColor& renk);

// Selects the whole text of the box and paints the label in VurguRengi.
void AlanıVurgula(QLineEdit* kutu, QLabel* etiket);
void AlanıVurgula(QPlainTextEdit* kutu, QLabel* etiket);

// Index of the first entry, from the top, whose text begins with metin without regard to
// letter case (Turkish rules); -1 when none does or metin is empty. A name is folded into small
// letters only as far as metin reaches, and only once its first letter matches.
int ListedeBul(const PersonelModeli& liste, const QString& metin);

// The mouse wheel turns the control's value only while the control (or the field it passes its
// focus to) holds the keyboard focus, and never gives it the focus; otherwise the wheel goes on
// to the control's parents as if the control were not there.
void TekerleğiOdağaBağla(QWidget* denetim);
