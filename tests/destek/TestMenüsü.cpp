#include "TestMenüsü.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPointer>

QString MenüdenSeç(QWidget* odak, int sıra)
{
    QContextMenuEvent tuş(QContextMenuEvent::Keyboard, {}, odak->mapToGlobal(QPoint()));
    QApplication::sendEvent(odak, &tuş);
    // An entry that opens a dialog may take the menu down in the dialog's event loop.
    const QPointer<QMenu> menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menü || sıra >= menü->actions().size())
        return {};
    QAction* seçilen = menü->actions().at(sıra);
    const QString metin = seçilen->text();
    seçilen->trigger();
    if (menü)
        menü->close();
    return metin;
}
