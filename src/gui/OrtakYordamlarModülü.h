#pragma once
// Shared window routines: the message-box centring, the highlight of a focused entry box, the
// search of a list by the beginning of its entries' texts and the wheel rule of the controls.

#include <QListWidgetItem>
#include <QString>

class QColor;
class QLabel;
class QLineEdit;
class QListWidget;
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
// letter case (Turkish rules); -1 when none does or metin is empty.
int ListedeBul(const QListWidget* liste, const QString& metin);

// A list entry that keeps its text in small letters for ListedeBul, folded once whenever the
// text is set rather than at every search; other entries are folded as they are searched.
class AranabilirÖğe : public QListWidgetItem
{
public:
    static constexpr int Tür = QListWidgetItem::UserType + 1;
    explicit AranabilirÖğe(const QString& metin);
    void setData(int rol, const QVariant& değer) override;
    const QString& Anahtar() const { return anahtar_; }

private:
    QString anahtar_;
};

// The mouse wheel turns the control's value only while the control (or the field it passes its
// focus to) holds the keyboard focus, and never gives it the focus; otherwise the wheel goes on
// to the control's parents as if the control were not there.
void TekerleğiOdağaBağla(QWidget* denetim);
