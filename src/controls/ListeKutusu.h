#pragma once
// List boxes: getting the focus leaves them as they were, with no entry made current by itself,
// so that nobody is shown or offered for deletion unless the user or the program chose an entry.
// The first Home, End, Up or Down then makes an entry current and selects it; End goes to the
// last entry, the others to the first. ListeKutusu is that rule over a QListWidget; in a
// Designer form it is a promoted QListWidget (header "controls/ListeKutusu.h").

#include <QListView>
#include <QListWidget>

class QFocusEvent;

// The rule over any list view; instantiated for QListWidget and QListView.
template <class Görünüm> class SessizOdak : public Görünüm
{
public:
    using Görünüm::Görünüm;

protected:
    void focusInEvent(QFocusEvent* olay) override;
    QModelIndex moveCursor(QAbstractItemView::CursorAction eylem,
                           Qt::KeyboardModifiers tuşlar) override;
};

extern template class SessizOdak<QListWidget>;
extern template class SessizOdak<QListView>;

class ListeKutusu : public SessizOdak<QListWidget>
{
    Q_OBJECT

public:
    using SessizOdak::SessizOdak;
};
