#include "ListeKutusu.h"

#include <QFocusEvent>

// The item view makes its first entry current when it gets the focus with none current, except
// when the focus comes with a mouse click; a list box never does, however the focus comes.
void ListeKutusu::focusInEvent(QFocusEvent* olay)
{
    if (currentIndex().isValid()) {
        QListWidget::focusInEvent(olay);
        return;
    }
    QFocusEvent tıklamaylaGelen(QEvent::FocusIn, Qt::MouseFocusReason);
    QListWidget::focusInEvent(&tıklamaylaGelen);
}

QModelIndex ListeKutusu::moveCursor(CursorAction eylem, Qt::KeyboardModifiers tuşlar)
{
    if (eylem == MoveEnd && !currentIndex().isValid() && count() > 0)
        return indexFromItem(item(count() - 1));
    return QListWidget::moveCursor(eylem, tuşlar);
}
