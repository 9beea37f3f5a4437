#include "DüğmeliKutu.h"

#include "common/Hata.h"
#include "common/OrtakApilerModülü.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWheelEvent>
#include <limits>

namespace {
// The layout in twips, as the forms give their sizes; 15 twips are one pixel.
constexpr int Piksel(int twip)
{
    return twip / 15;
}
constexpr int EnDarGenişlik = Piksel(675);
constexpr int AlanYüksekliği = Piksel(315);
constexpr int OkKenarı = Piksel(270);
constexpr int OkÜstü = Piksel(20);
constexpr int OkSağdanUzaklığı = Piksel(285);

qint16 OnAltıBit(int değer)
{
    if (değer < std::numeric_limits<qint16>::min() || değer > std::numeric_limits<qint16>::max())
        throw Hata(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("Geçersiz özellik değeri"));
    return qint16(değer);
}
} // namespace

DüğmeliKutu::DüğmeliKutu(QWidget* üst)
    : QWidget(üst), değerKutusu_(new QLineEdit(this)),
      düğmeler_(new QScrollBar(Qt::Vertical, this)), gözcü_(AyrılmaGözcüsüKur(this))
{
    değerKutusu_->setObjectName(QStringLiteral("DeğerKutusu"));
    düğmeler_->setObjectName(QStringLiteral("DeğerDeğiştirDüğmesi"));
    değerKutusu_->setText(QStringLiteral("0"));
    değerKutusu_->setTextMargins(0, 0, OkSağdanUzaklığı, 0);
    // A dropped text would reach the field past the digit rule.
    değerKutusu_->setAcceptDrops(false);

    // The arrow pair runs from -upper at its top to -lower at its bottom, so that its up arrow
    // (towards the scroll bar's minimum) raises the number. A click on it gives the focus to the
    // field.
    SınırlarıUygula();
    // A wheel notch steps by one, as an arrow click does, and only while the field has the focus.
    düğmeler_->setSingleStep(1);
    düğmeler_->setPageStep(1);
    TekerleğiOdağaBağla(düğmeler_);
    düğmeler_->setFocusPolicy(Qt::ClickFocus);
    düğmeler_->setFocusProxy(değerKutusu_);
    düğmeler_->setContextMenuPolicy(Qt::NoContextMenu);
    düğmeler_->raise();

    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(değerKutusu_);
    setMinimumWidth(EnDarGenişlik);
    setFixedHeight(AlanYüksekliği);
    resize(EnDarGenişlik, AlanYüksekliği);

    değerKutusu_->installEventFilter(this);
    connect(değerKutusu_, &QLineEdit::textChanged, this, &DüğmeliKutu::DeğerKutusu_Change);
    connect(düğmeler_, &QScrollBar::valueChanged, this, &DüğmeliKutu::DeğerDeğiştirDüğmesi_Change);
}

DüğmeliKutu::~DüğmeliKutu() = default;

QString DüğmeliKutu::Text() const
{
    return değerKutusu_->text();
}

void DüğmeliKutu::SetText(const QString& metin)
{
    değerKutusu_->setText(metin);
}

qint16 DüğmeliKutu::Value() const
{
    return qint16(-düğmeler_->value());
}

void DüğmeliKutu::SetValue(int değer)
{
    if (değer < enDüşük_ || değer > enYüksek_)
        throw Hata(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("Geçersiz özellik değeri"));
    DeğeriAyarla(değer);
}

qint16 DüğmeliKutu::EnYuksek() const
{
    return enYüksek_;
}

void DüğmeliKutu::SetEnYuksek(int değer)
{
    enYüksek_ = OnAltıBit(değer);
    SınırlarıUygula();
}

qint16 DüğmeliKutu::EnDusuk() const
{
    return enDüşük_;
}

void DüğmeliKutu::SetEnDusuk(int değer)
{
    enDüşük_ = OnAltıBit(değer);
    SınırlarıUygula();
}

bool DüğmeliKutu::Enabled() const
{
    return değerKutusu_->isEnabledTo(this);
}

void DüğmeliKutu::SetEnabled(bool açık)
{
    değerKutusu_->setEnabled(açık);
    düğmeler_->setEnabled(değerKutusu_->isEnabledTo(this));
}

QString DüğmeliKutu::Birim() const
{
    return birim_;
}

void DüğmeliKutu::SetBirim(const QString& birim)
{
    birim_ = birim;
}

int DüğmeliKutu::EnUzunGiris() const
{
    return enUzunGiriş_;
}

void DüğmeliKutu::SetEnUzunGiris(int uzunluk)
{
    enUzunGiriş_ = qMax(0, uzunluk);
}

QLineEdit* DüğmeliKutu::DeğerKutusu() const
{
    return değerKutusu_;
}

QScrollBar* DüğmeliKutu::DeğerDeğiştirDüğmesi() const
{
    return düğmeler_;
}

QSize DüğmeliKutu::sizeHint() const
{
    return {EnDarGenişlik, AlanYüksekliği};
}

bool DüğmeliKutu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne != değerKutusu_)
        return QWidget::eventFilter(nesne, olay);
    switch (olay->type()) {
    case QEvent::KeyPress: {
        const auto& tuş = *static_cast<QKeyEvent*>(olay);
        const bool sekme = (tuş.key() == Qt::Key_Tab || tuş.key() == Qt::Key_Backtab) &&
                           !(tuş.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (sekme)
            return !DeğerKutusu_Validate();
        return DeğerKutusu_KeyDown(tuş.key()) || DeğerKutusu_KeyPress(tuş);
    }
    case QEvent::InputMethod:
        return DeğerKutusu_InputMethod(*static_cast<QInputMethodEvent*>(olay));
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        odak_.Uygula(
            olay, [this] { DeğerKutusu_GotFocus(); }, [this] { DeğerKutusu_LostFocus(); });
        break;
    default:
        break;
    }
    return false;
}

void DüğmeliKutu::resizeEvent(QResizeEvent* olay)
{
    QWidget::resizeEvent(olay);
    değerKutusu_->setGeometry(0, 0, width(), AlanYüksekliği);
    düğmeler_->setGeometry(width() - OkSağdanUzaklığı, OkÜstü, OkKenarı, OkKenarı);
}

// Up and Down step the value by one and select the whole text; at a bound the key goes on to the
// field untouched. Returns true when the key was used.
bool DüğmeliKutu::DeğerKutusu_KeyDown(int tuş)
{
    if (tuş == Qt::Key_Up && Value() < enYüksek_)
        DeğeriAyarla(Value() + 1);
    else if (tuş == Qt::Key_Down && Value() > enDüşük_)
        DeğeriAyarla(Value() - 1);
    else
        return false;
    değerKutusu_->selectAll();
    return true;
}

// Only digits and Backspace are typed, whatever modifier is held (Alt, or AltGr sent as
// Ctrl+Alt, would otherwise type the letter); Enter moves the focus on as Tab does. Keys that
// type no character (arrows, Delete, Esc) pass, and access keys are taken as shortcuts before
// they get here. Returns true when the key is dropped.
bool DüğmeliKutu::DeğerKutusu_KeyPress(const QKeyEvent& olay)
{
    const int tuş = olay.key();
    if (tuş == Qt::Key_Return || tuş == Qt::Key_Enter) {
        QKeyEvent sekme(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(değerKutusu_, &sekme);
        return true;
    }
    if (tuş == Qt::Key_Backspace)
        return false;
    // Ctrl with a letter types a control character, the clipboard shortcuts among them.
    if ((olay.modifiers() & Qt::ControlModifier) && tuş >= Qt::Key_A && tuş <= Qt::Key_Z)
        return true;
    const QString metin = olay.text();
    if (metin.isEmpty() || !metin.front().isPrint())
        return false;
    return YazılabilenRakamlar(metin) != metin;
}

// An input method commits whole texts: only the digits of one are typed.
bool DüğmeliKutu::DeğerKutusu_InputMethod(const QInputMethodEvent& olay)
{
    const QString rakamlar = YazılabilenRakamlar(olay.commitString());
    if (rakamlar == olay.commitString())
        return false;
    QInputMethodEvent süzülmüş(olay.preeditString(), olay.attributes());
    süzülmüş.setCommitString(rakamlar, olay.replacementStart(), olay.replacementLength());
    QCoreApplication::sendEvent(değerKutusu_, &süzülmüş);
    return true;
}

// The digits of metin, as many as still fit into the field when they replace its selection.
QString DüğmeliKutu::YazılabilenRakamlar(const QString& metin) const
{
    QString rakamlar;
    for (const QChar c : metin)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            rakamlar += c;
    if (enUzunGiriş_ > 0) {
        const auto kalan = değerKutusu_->text().size() - değerKutusu_->selectedText().size();
        rakamlar.truncate(qMax<qsizetype>(0, enUzunGiriş_ - kalan));
    }
    return rakamlar;
}

// The value follows the text whenever the text's number lies within the bounds; an emptied
// field shows a selected "0", so that the next digit replaces it.
void DüğmeliKutu::DeğerKutusu_Change()
{
    if (değerKutusu_->text().isEmpty()) {
        değerKutusu_->setText(QStringLiteral("0"));
        değerKutusu_->setSelection(0, 1);
    }
    const qint64 sayı = MetninSayısı();
    if (sayı >= enDüşük_ && sayı <= enYüksek_) {
        // The text already shows this number: rewriting or selecting it here would get in the
        // way of the digits still to come.
        yazıyıİzliyor_ = true;
        DeğeriAyarla(sayı);
        yazıyıİzliyor_ = false;
    }
    Q_EMIT Change();
}

// The leave check: a number outside the bounds is refused with a message, value and text are
// set to the crossed bound and the focus stays. Returns true when the focus may go.
bool DüğmeliKutu::DeğerKutusu_Validate()
{
    const qint64 sayı = MetninSayısı();
    if (sayı > enYüksek_ || sayı < enDüşük_) {
        MesajKutusunuOrtala();
        MesajKutusu(Mesaj{QStringLiteral("Belirlediğiniz değer, ") + QString::number(enDüşük_) +
                              QStringLiteral(" ile ") + QString::number(enYüksek_) +
                              QStringLiteral(" arasında olmalıdır!"),
                          MesajSimgesi::Bilgi, MesajDüğmeleri::Tamam,
                          QStringLiteral("Hatalı değer!")});
        const qint16 sınır = sayı > enYüksek_ ? enYüksek_ : enDüşük_;
        DeğeriAyarla(sınır);
        değerKutusu_->setText(QString::number(sınır));
        değerKutusu_->selectAll();
        return false;
    }
    DeğeriAyarla(sayı);
    return true;
}

void DüğmeliKutu::DeğerKutusu_GotFocus()
{
    qApp->installEventFilter(gözcü_);
    Q_EMIT GotFocus();
}

// Leaving the field rewrites its text as the number followed by the unit: leading zeros and
// anything after the number go, the unit comes back once.
void DüğmeliKutu::DeğerKutusu_LostFocus()
{
    qApp->removeEventFilter(gözcü_);
    değerKutusu_->setText(QString::number(MetninSayısı()) + birim_);
    Q_EMIT LostFocus();
}

void DüğmeliKutu::DeğerDeğiştirDüğmesi_Change()
{
    if (yazıyıİzliyor_)
        return;
    değerKutusu_->setText(QString::number(Value()) + birim_);
    if (değerKutusu_->hasFocus())
        değerKutusu_->selectAll();
}

void DüğmeliKutu::DeğeriAyarla(qint64 değer)
{
    düğmeler_->setValue(int(-değer));
}

// The arrow pair keeps the value within the bounds; a value outside new bounds moves to the
// nearest one, and the text follows.
void DüğmeliKutu::SınırlarıUygula()
{
    düğmeler_->setRange(-enYüksek_, -enDüşük_);
}

// The number at the start of the text, leading spaces ignored; 0 when the text does not begin
// with one. A number too long for any bound is held at a size that is still outside them all.
qint64 DüğmeliKutu::MetninSayısı() const
{
    const QString metin = değerKutusu_->text();
    qsizetype i = 0;
    while (i < metin.size() && metin.at(i) == QLatin1Char(' '))
        ++i;
    const bool eksi = i < metin.size() && metin.at(i) == QLatin1Char('-');
    if (eksi || (i < metin.size() && metin.at(i) == QLatin1Char('+')))
        ++i;
    qint64 sayı = 0;
    for (; i < metin.size() && metin.at(i).isDigit() && metin.at(i).unicode() < 0x80; ++i)
        sayı = qMin<qint64>(sayı * 10 + (metin.at(i).unicode() - '0'), 1'000'000'000);
    return eksi ? -sayı : sayı;
}
