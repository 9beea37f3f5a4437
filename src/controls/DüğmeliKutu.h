#pragma once
// A field for a whole number between two bounds: a one-line text field with a pair of stacked
// arrows inside its right edge. Digits are typed, Up/Down and the arrows step by one, and a
// number outside the bounds is refused with a message when the user leaves the field.
//
// In a Designer form the control is a promoted widget (header "controls/DüğmeliKutu.h") whose
// settings are <property ... stdset="0"> elements under the properties' own names (EnDusuk holds
// the lower bound, EnYuksek the upper), the bounds before the value: EnYuksek, EnDusuk, Value,
// Text, Enabled, EnUzunGiris, Birim. A property left out keeps its default: bounds 0 and 1,
// value 0, text "0", enabled, six characters, no unit.

#include "gui/OrtakYordamlarModülü.h"

#include <QWidget>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QScrollBar;

class DüğmeliKutu : public QWidget
{
    Q_OBJECT
    // Design-time properties, stored in the forms' .ui files.
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(int Value READ Value WRITE SetValue)
    Q_PROPERTY(int EnYuksek READ EnYuksek WRITE SetEnYuksek)
    Q_PROPERTY(int EnDusuk READ EnDusuk WRITE SetEnDusuk)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(QString Birim READ Birim WRITE SetBirim)
    Q_PROPERTY(int EnUzunGiris READ EnUzunGiris WRITE SetEnUzunGiris)

public:
    explicit DüğmeliKutu(QWidget* üst = nullptr);
    ~DüğmeliKutu() override;

    QString Text() const;
    void SetText(const QString& metin); // raises Change
    qint16 Value() const;
    void SetValue(int değer); // outside the bounds: throws Hata 380; a new number raises Change
    qint16 EnYuksek() const;
    void SetEnYuksek(int değer);
    qint16 EnDusuk() const;
    void SetEnDusuk(int değer);
    bool Enabled() const;
    void SetEnabled(bool açık);
    QString Birim() const;
    void SetBirim(const QString& birim);
    int EnUzunGiris() const; // 0: no limit
    void SetEnUzunGiris(int uzunluk);

    QLineEdit* DeğerKutusu() const;
    QScrollBar* DeğerDeğiştirDüğmesi() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    // Once for every change of the field's text, after the value has followed it.
    void Change();
    // The control as a whole received or lost the focus, moving between the window's controls
    // (not when another window comes to the front).
    void GotFocus();
    void LostFocus();

protected:
    bool eventFilter(QObject* nesne, QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;

private:
    class AyrılmaGözcüsü;
    // The watch of the user's moves away from the field (DüğmeliKutuGözcüsü.cpp).
    static QObject* AyrılmaGözcüsüKur(DüğmeliKutu* kutu);

    bool DeğerKutusu_KeyDown(int tuş);
    bool DeğerKutusu_KeyPress(const QKeyEvent& olay);
    bool DeğerKutusu_InputMethod(const QInputMethodEvent& olay);
    QString YazılabilenRakamlar(const QString& metin) const;
    void DeğerKutusu_Change();
    bool DeğerKutusu_Validate();
    void DeğerKutusu_GotFocus();
    void DeğerKutusu_LostFocus();
    void DeğerDeğiştirDüğmesi_Change();

    void DeğeriAyarla(qint64 değer);
    void SınırlarıUygula();
    qint64 MetninSayısı() const;

    QLineEdit* değerKutusu_;
    QScrollBar* düğmeler_;
    QObject* gözcü_;
    qint16 enDüşük_ = 0;
    qint16 enYüksek_ = 1;
    int enUzunGiriş_ = 6;
    QString birim_;
    bool yazıyıİzliyor_ = false; // the value is following the text the user is typing
    OdakKuralı odak_;            // the field entered and left
};
