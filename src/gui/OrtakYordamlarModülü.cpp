#include "OrtakYordamlarModülü.h"

#include "PersonelModeli.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QWheelEvent>
#include <cmath>

namespace {
// An ignored wheel event that a filter has taken goes on to the receiver's parent.
class OdakTekerleği : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() != QEvent::Wheel || static_cast<QWidget*>(nesne)->hasFocus())
            return false;
        olay->ignore();
        return true;
    }
};

// The armed centring: the window that was active at arming, and the box being placed. An
// application-wide filter catches the first top-level window shown after the arming; the box
// is placed as soon as it is shown and again once it has taken its final size (a message box
// computes its size in its own show handler, after the show event has reached this filter).
class Ortalayıcı : public QObject
{
public:
    explicit Ortalayıcı(QObject* üst) : QObject(üst) { qApp->installEventFilter(this); }

    void Kur()
    {
        sahip_ = QApplication::activeWindow();
        kutu_ = nullptr;
        kurulu_ = true;
        // An arming that no window follows lapses when the event loop next runs.
        const quint64 kurulum = ++kurulumNo_;
        QMetaObject::invokeMethod(
            this,
            [this, kurulum] {
                if (kurulum == kurulumNo_)
                    kurulu_ = false;
            },
            Qt::QueuedConnection);
    }

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override
    {
        if (olay->type() == QEvent::Show && kurulu_ && nesne->isWidgetType()) {
            auto* pencere = static_cast<QWidget*>(nesne);
            const Qt::WindowType tür = pencere->windowType();
            if ((tür == Qt::Dialog || tür == Qt::Window) && pencere != sahip_) {
                kurulu_ = false;
                kutu_ = pencere;
                Yerleştir();
            }
        } else if (olay->type() == QEvent::ShowToParent && nesne == kutu_) {
            Yerleştir();
            kutu_ = nullptr;
        }
        return false;
    }

private:
    // new left = owner left + owner width / 2 - box width / 2, the same for the top; both in
    // floating point, rounded to the nearest pixel, halves to the even one. Nothing moves when
    // the owner is gone, minimised or has a negative coordinate (off the top or left edge).
    void Yerleştir()
    {
        if (!sahip_ || !kutu_ || sahip_->isMinimized())
            return;
        const QRect s = sahip_->frameGeometry();
        if (s.left() < 0 || s.top() < 0 || s.left() + s.width() < 0 || s.top() + s.height() < 0)
            return;
        const QRect k = kutu_->frameGeometry();
        const double sol = s.left() + s.width() / 2.0 - k.width() / 2.0;
        const double üst = s.top() + s.height() / 2.0 - k.height() / 2.0;
        kutu_->move(int(std::nearbyint(sol)), int(std::nearbyint(üst)));
    }

    bool kurulu_ = false;
    quint64 kurulumNo_ = 0;
    QPointer<QWidget> sahip_;
    QPointer<QWidget> kutu_;
};

QPointer<Ortalayıcı> ortalayıcı;
} // namespace

void MesajKutusunuOrtala()
{
    if (!ortalayıcı)
        ortalayıcı = new Ortalayıcı(qApp);
    ortalayıcı->Kur();
}

bool İçindeMi(const QWidget* odak, const QWidget* denetim)
{
    return odak && (odak == denetim || denetim->isAncestorOf(odak));
}

void EtiketiBoya(QLabel* etiket, const QColor& renk)
{
    QPalette renkler = etiket->palette();
    renkler.setColor(QPalette::WindowText, renk);
    etiket->setPalette(renkler);
}

void AlanıVurgula(QLineEdit* kutu, QLabel* etiket)
{
    kutu->setSelection(0, int(kutu->text().size()));
    EtiketiBoya(etiket, VurguRengi);
}

void AlanıVurgula(QPlainTextEdit* kutu, QLabel* etiket)
{
    kutu->selectAll(); // anchor at the start, cursor at the end
    EtiketiBoya(etiket, VurguRengi);
}

void OdakKuralı::Uygula(const QEvent* olay, const std::function<void()>& girdi,
                        const std::function<void()>& çıktı)
{
    if (olay->type() != QEvent::FocusIn && olay->type() != QEvent::FocusOut)
        return;
    const Qt::FocusReason neden = static_cast<const QFocusEvent*>(olay)->reason();
    const bool geçici = neden == Qt::ActiveWindowFocusReason || neden == Qt::PopupFocusReason ||
                        neden == Qt::MenuBarFocusReason;
    // A window that opens with the box as its focused control enters it.
    if (olay->type() == QEvent::FocusIn && !(geçici && içeride_)) {
        içeride_ = true;
        girdi();
    } else if (olay->type() == QEvent::FocusOut && !geçici) {
        içeride_ = false;
        çıktı();
    }
}

int ListedeBul(const PersonelModeli& liste, const QString& metin)
{
    if (metin.isEmpty())
        return -1;
    const QString baş = TürkçeKüçükHarf(metin);
    QString anahtar;
    const int sayı = liste.rowCount();
    for (int i = 0; i < sayı; ++i) {
        // Lowering a surrogate pair never changes its first half, so the small letters of a
        // name's beginning are the beginning of its small letters. The first letter rules out
        // nearly every entry before the rest is folded.
        const QStringView ad = liste.Metin(i);
        if (ad.size() < baş.size() || TürkçeKüçükHarfi(ad.front()) != baş.front())
            continue;
        anahtar.clear();
        TürkçeKüçükHarfEkle(anahtar, ad.first(baş.size()));
        if (anahtar == baş)
            return i;
    }
    return -1;
}

void TekerleğiOdağaBağla(QWidget* denetim)
{
    if ((denetim->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
        denetim->setFocusPolicy(Qt::StrongFocus);
    denetim->installEventFilter(new OdakTekerleği(denetim));
}
