#include "TestTekerleği.h"

#include <QSpontaneKeyEvent>
#include <QtWidgets>

void TekerleğiÇevir(QWidget* hedef, int çentik)
{
    const QPoint orta = hedef->rect().center();
    QWheelEvent olay(hedef->mapTo(hedef->window(), orta), hedef->mapToGlobal(orta), {},
                     {0, 120 * çentik}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&olay);
    qApp->notify(hedef->window()->windowHandle(), &olay);
}
