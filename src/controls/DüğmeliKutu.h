#pragma once
// A field for a whole number between two bounds: a one-line text field with a pair of stacked
// arrows inside its right edge. Digits are typed, Up/Down and the arrows step by one, and a
// number outside the bounds is refused with a message when the user leaves the field.

#include <QWidget>

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
    int EnUzunGiris() const;
    void SetEnUzunGiris(int uzunluk);

    QLineEdit* DeğerKutusu() const;

Q_SIGNALS:
    // Once for every change of the field's text, after the value has followed it.
    void Change();

private:
    QLineEdit* değerKutusu_;
    QScrollBar* düğmeler_;
    qint16 değer_ = 0;
    qint16 enDüşük_ = 0;
    qint16 enYüksek_ = 1;
    QString birim_;
};
