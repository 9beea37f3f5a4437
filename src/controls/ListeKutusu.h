#pragma once
// A list box: getting the focus leaves it as it was, with no entry made current by itself, so
// that nobody is shown or offered for deletion unless the user or the program chose an entry.
// The first Home, End, Up or Down then makes an entry current and selects it; End goes to the
// last entry, the others to the first. In a Designer form it is a promoted QListWidget (header
// "controls/ListeKutusu.h").

#include <QListWidget>

class ListeKutusu : public QListWidget
{
    Q_OBJECT

public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* olay) override;
    QModelIndex moveCursor(CursorAction eylem, Qt::KeyboardModifiers tuşlar) override;
};
