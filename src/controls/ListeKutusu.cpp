#include "ListeKutusu.h"

#include <QFocusEvent>

// The item view makes its first entry current when it gets the focus with none current, except
// when the focus comes with a mouse click; a list box never does, however the focus comes.
template <class Görünüm> void SessizOdak<Görünüm>::focusInEvent(QFocusEvent* olay)
{
    if (this->currentIndex().isValid()) {
        Görünüm::focusInEvent(olay);
        return;
    }
    QFocusEvent tıklamaylaGelen(QEvent::FocusIn, Qt::MouseFocusReason);
    Görünüm::focusInEvent(&tıklamaylaGelen);
}

template <class Görünüm>
QModelIndex SessizOdak<Görünüm>::moveCursor(QAbstractItemView::CursorAction eylem,
                                            Qt::KeyboardModifiers tuşlar)
{
    const int sayı = this->model()->rowCount(this->rootIndex());
    if (eylem == QAbstractItemView::MoveEnd && !this->currentIndex().isValid() && sayı > 0)
        return this->model()->index(sayı - 1, 0, this->rootIndex());
    return Görünüm::moveCursor(eylem, tuşlar);
}

template class SessizOdak<QListWidget>;
template class SessizOdak<QListView>;
