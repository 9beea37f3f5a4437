#include "DüğmeliKutu.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWindow>

namespace {
QWidget* OdakAlanı(QWidget* w)
{
    while (w->focusProxy())
        w = w->focusProxy();
    return w;
}
} // namespace

// Watches the whole program, while the field has the focus, for the user's moves of the focus
// to another control of the window: a mouse press on a control that takes the focus by click,
// the wheel turned over one that takes it by the wheel (the arrow pair counts for both) and an
// access key. The leave check runs before the move; when it refuses, the press, the wheel or the
// key is dropped and the focus stays in the field. A focus change made by code (a container
// moving the focus away and back) is not a user's move and is not checked.
class DüğmeliKutu::AyrılmaGözcüsü : public QObject
{
public:
    explicit AyrılmaGözcüsü(DüğmeliKutu* kutu) : QObject(kutu), kutu_(kutu) {}

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        const QEvent::Type tür = olay->type();
        if ((tür != QEvent::MouseButtonPress && tür != QEvent::MouseButtonDblClick &&
             tür != QEvent::Wheel && tür != QEvent::Shortcut) ||
            denetimde_ || kutu_->window()->focusWidget() != kutu_->değerKutusu_)
            return false;
        bool ayrılış = false;
        switch (tür) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Seen at the window, before the toolkit hands the focus to the pressed control.
            ayrılış =
                nesne == kutu_->window()->windowHandle() &&
                OdağıAlır(static_cast<QMouseEvent*>(olay)->position().toPoint(), Qt::ClickFocus);
            break;
        case QEvent::Wheel:
            ayrılış =
                nesne == kutu_->window()->windowHandle() &&
                OdağıAlır(static_cast<QWheelEvent*>(olay)->position().toPoint(), Qt::WheelFocus);
            break;
        case QEvent::Shortcut:
            ayrılış = nesne->isWidgetType() && KısayolOdağıAlır(static_cast<QWidget*>(nesne));
            break;
        default:
            break;
        }
        if (!ayrılış)
            return false;
        denetimde_ = true;
        const bool geçti = kutu_->DeğerKutusu_Validate();
        denetimde_ = false;
        return !geçti;
    }

private:
    // Whether the mouse at yer, pressed or turning the wheel (politika: Qt::ClickFocus or
    // Qt::WheelFocus), moves the focus away from the field or steps the arrow pair.
    bool OdağıAlır(const QPoint& yer, Qt::FocusPolicy politika) const
    {
        QWidget* pencere = kutu_->window();
        QWidget* hedef = pencere->childAt(yer);
        if (!hedef)
            hedef = pencere;
        if (hedef == kutu_->düğmeler_)
            return kutu_->düğmeler_->isEnabled();
        // The toolkit gives the focus to the first enabled control, from the one under the
        // mouse outwards, that takes the focus that way.
        for (QWidget* w = hedef; w; w = w->parentWidget()) {
            if (w->isEnabled() && (w->focusPolicy() & politika) == politika &&
                (OdakAlanı(w)->focusPolicy() & politika) == politika)
                return OdakAlanı(w) != kutu_->değerKutusu_;
            if (w->isWindow())
                break;
        }
        return false;
    }

    bool KısayolOdağıAlır(QWidget* w) const
    {
        if (w->window() != kutu_->window())
            return false;
        if (auto* etiket = qobject_cast<QLabel*>(w))
            return etiket->buddy() && OdakAlanı(etiket->buddy()) != kutu_->değerKutusu_;
        return !İçindeMi(w, kutu_);
    }

    DüğmeliKutu* kutu_;
    bool denetimde_ = false;
};

QObject* DüğmeliKutu::AyrılmaGözcüsüKur(DüğmeliKutu* kutu)
{
    return new AyrılmaGözcüsü(kutu);
}
