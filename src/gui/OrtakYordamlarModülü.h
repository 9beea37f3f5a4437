#pragma once
// Shared window routines: the message-box centring, the highlight of a focused entry box, the
// rule of entering and leaving a box, the search of a list by the beginning of its entries'
// texts and the wheel rule of the controls.

#include <QString>
#include <functional>

class PersonelModeli;
class QColor;
class QEvent;
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

// When the focus enters and leaves one box, for every box of every window. Another window
// coming to the front (a message box among them), a popup (a context menu) or the menu bar take
// the focus only for a while: that is no leaving of the box, and the focus coming back from it
// no entering, so the text being typed is neither put right nor selected for the next key to
// wipe. The box's owner hands every event of the box to Uygula from its own event filter.
class OdakKuralı
{
public:
    // Runs girdi when olay enters the box, çıktı when it leaves it; any other event runs neither.
    void Uygula(const QEvent* olay, const std::function<void()>& girdi,
                const std::function<void()>& çıktı);

private:
    bool içeride_ = false; // entered and not left since
};

// Index of the first entry, from the top, whose text begins with metin without regard to
// letter case (Turkish rules); -1 when none does or metin is empty. A name is folded into small
// letters only as far as metin reaches, and only once its first letter matches.
int ListedeBul(const PersonelModeli& liste, const QString& metin);

// The mouse wheel turns the control's value only while the control (or the field it passes its
// focus to) holds the keyboard focus, and never gives it the focus; otherwise the wheel goes on
// to the control's parents as if the control were not there.
void TekerleğiOdağaBağla(QWidget* denetim);
