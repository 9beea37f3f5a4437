#include "DüğmeliKutu.h"

#include "common/Hata.h"

#include <QLineEdit>
#include <QScrollBar>

DüğmeliKutu::DüğmeliKutu(QWidget* üst)
    : QWidget(üst), değerKutusu_(new QLineEdit(this)), düğmeler_(new QScrollBar(Qt::Vertical, this))
{
    değerKutusu_->setObjectName(QStringLiteral("DeğerKutusu"));
    düğmeler_->setObjectName(QStringLiteral("DeğerDeğiştirDüğmesi"));
    resize(45, 21);
    connect(değerKutusu_, &QLineEdit::textChanged, this, [this] {
        const int sayı = değerKutusu_->text().toInt();
        if (sayı >= enDüşük_ && sayı <= enYüksek_)
            değer_ = qint16(sayı);
        Q_EMIT Change();
    });
}

QString DüğmeliKutu::Text() const { return değerKutusu_->text(); }
void DüğmeliKutu::SetText(const QString& metin) { değerKutusu_->setText(metin); }
qint16 DüğmeliKutu::Value() const { return değer_; }

void DüğmeliKutu::SetValue(int değer)
{
    if (değer < enDüşük_ || değer > enYüksek_)
        throw Hata(HataNo::GeçersizÖzellikDeğeri, QStringLiteral("Geçersiz özellik değeri"));
    if (değer == değer_)
        return;
    değer_ = qint16(değer);
    değerKutusu_->setText(QString::number(değer) + birim_);
}

qint16 DüğmeliKutu::EnYuksek() const { return enYüksek_; }
void DüğmeliKutu::SetEnYuksek(int değer) { enYüksek_ = qint16(değer); }
qint16 DüğmeliKutu::EnDusuk() const { return enDüşük_; }
void DüğmeliKutu::SetEnDusuk(int değer) { enDüşük_ = qint16(değer); }
bool DüğmeliKutu::Enabled() const { return değerKutusu_->isEnabled(); }
void DüğmeliKutu::SetEnabled(bool açık) { değerKutusu_->setEnabled(açık); }
QString DüğmeliKutu::Birim() const { return birim_; }
void DüğmeliKutu::SetBirim(const QString& birim) { birim_ = birim; }
int DüğmeliKutu::EnUzunGiris() const { return değerKutusu_->maxLength(); }
void DüğmeliKutu::SetEnUzunGiris(int uzunluk) { değerKutusu_->setMaxLength(uzunluk); }
QLineEdit* DüğmeliKutu::DeğerKutusu() const { return değerKutusu_; }
