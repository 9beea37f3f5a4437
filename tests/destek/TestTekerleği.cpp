#include "TestTekerleği.h"

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

void TekerleğiÇevir(QWidget* hedef, int çentik)
{
    QWidget* pencere = hedef->window();
    const QPoint orta = hedef->rect().center();
    QWheelEvent olay(hedef->mapTo(pencere, orta), hedef->mapToGlobal(orta), QPoint(),
                     QPoint(0, 120 * çentik), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                     false);
    QSpontaneKeyEvent::setSpontaneous(&olay);
    qApp->notify(pencere->windowHandle(), &olay);
}
