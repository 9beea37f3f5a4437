#include "Girdiler.h"

#include <QSpontaneKeyEvent>
#include <QtTest>
#include <QtWidgets>

void KlavyedenYaz(QWidget* alan, const QString& metin)
{
    for (const QChar harf : metin) {
        if (harf == u'\n')
            QTest::keyClick(alan, Qt::Key_Return);
        else if (harf.unicode() < 0x80)
            QTest::keyClick(alan, harf.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(harf), Qt::NoModifier);
    }
}

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

void TekerleğiÇevir(QWidget* hedef, int çentik)
{
    const QPoint orta = hedef->rect().center();
    QWheelEvent olay(hedef->mapTo(hedef->window(), orta), hedef->mapToGlobal(orta), {},
                     {0, 120 * çentik}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&olay);
    qApp->notify(hedef->window()->windowHandle(), &olay);
}

bool PenceredeYap(const std::function<void()>& aç, const std::function<void(QWidget*)>& içinde)
{
    bool açıldı = false;
    // The timer goes with the call: it never fires into a later test.
    QTimer bakış;
    bakış.setSingleShot(true);
    QObject::connect(&bakış, &QTimer::timeout, [&] {
        const QPointer<QWidget> pencere = QApplication::activeModalWidget();
        if (!pencere || !QTest::qWaitForWindowActive(pencere))
            return;
        açıldı = true;
        if (içinde)
            içinde(pencere);
        if (auto* diyalog = qobject_cast<QDialog*>(pencere); diyalog && diyalog->isVisible())
            diyalog->reject();
        else if (pencere && pencere->isVisible())
            pencere->close();
    });
    bakış.start(0);
    aç();
    return açıldı;
}

std::size_t PencerelerdeYap(const std::function<void()>& aç,
                            const std::vector<std::function<void(QWidget*)>>& içinde)
{
    std::size_t sıra = 0;
    QTimer bakış;
    QObject::connect(&bakış, &QTimer::timeout, [&] {
        QWidget* pencere = QApplication::activeModalWidget();
        if (sıra < içinde.size() && pencere && pencere->isActiveWindow() &&
            !pencere->property("görüldü").toBool()) {
            pencere->setProperty("görüldü", true);
            içinde[sıra++](pencere);
        }
    });
    bakış.start(10);
    aç();
    return sıra;
}
