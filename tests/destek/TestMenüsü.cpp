#include "TestMenüsü.h"

#include <QtWidgets>

QString MenüdenSeç(QWidget* odak, int sıra)
{
    QContextMenuEvent tuş(QContextMenuEvent::Keyboard, {}, odak->mapToGlobal(QPoint()));
    QApplication::sendEvent(odak, &tuş);
    const QPointer<QMenu> menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menü || sıra >= menü->actions().size())
        return {};
    QAction* seçilen = menü->actions().at(sıra);
    const QString metin = seçilen->text();
    seçilen->trigger(); // an entry's modal dialog may delete the menu in its event loop
    if (menü)
        menü->close();
    return metin;
}
