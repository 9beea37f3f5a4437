#include "PersonelFormu.h"

#include "AnaForm.h"
#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/PersonelDenetimi.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QApplication>
#include <QKeyEvent>
#include <QValidator>

namespace {
// Digits only, however the text arrives (typed, pasted or dropped). A registry number must also
// fit the 64-bit column, so that the value stored is the value typed.
class RakamDoğrulayıcı : public QValidator
{
public:
    RakamDoğrulayıcı(bool sayıSınırı, QObject* üst) : QValidator(üst), sayıSınırı_(sayıSınırı) {}

    State validate(QString& metin, int&) const override
    {
        for (const QChar c : metin)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return Invalid;
        bool sığar = true;
        if (sayıSınırı_ && !metin.isEmpty())
            metin.toLongLong(&sığar);
        return sığar ? Acceptable : Invalid;
    }

private:
    bool sayıSınırı_;
};
} // namespace

PersonelFormu::PersonelFormu(AnaForm& anaForm) : QDialog(&anaForm), anaForm_(anaForm)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ui.Altlık->setBackgroundRole(QPalette::Window);
    ui.Altlık->setAutoFillBackground(true);

    kutular_ = {ui.SiciliKutusu, ui.AdıSoyadıKutusu, ui.ÜnvanıKutusu, ui.ServisiKutusu,
                ui.SıraNoKutusu};
    Etiket = {ui.Etiket0, ui.Etiket1, ui.Etiket2, ui.Etiket3, ui.Etiket4};
    for (QLineEdit* kutu : kutular_)
        kutu->installEventFilter(this);

    ui.SiciliKutusu->setValidator(new RakamDoğrulayıcı(true, ui.SiciliKutusu));
    ui.SıraNoKutusu->setValidator(new RakamDoğrulayıcı(false, ui.SıraNoKutusu));

    connect(ui.EkleKaydetDüğmesi, &QPushButton::clicked, this,
            &PersonelFormu::EkleKaydetDüğmesi_Click);
    connect(ui.KapatİptalDüğmesi, &QPushButton::clicked, this,
            &PersonelFormu::KapatİptalDüğmesi_Click);
}

void PersonelFormu::EkleKaydetDüğmesi_Click()
{
    if (!ui.Çerçeve->isEnabled()) {
        ui.EkleKaydetDüğmesi->setText(QStringLiteral("Kaydet"));
        ui.KapatİptalDüğmesi->setText(QStringLiteral("İptal"));
        ui.Çerçeve->setEnabled(true);
        if (isVisible())
            ui.SiciliKutusu->setFocus();
        return;
    }
    if (!GirişGeçerli())
        return;
    // A record that could not be written keeps the dialog in Entry with every text as typed.
    if (!Yaz())
        return;
    AnaFormuGüncelle();
    KapatİptalDüğmesi_Click();
}

bool PersonelFormu::GirişGeçerli()
{
    PersonelKaydı kayıt;
    for (size_t i = 0; i < kutular_.size(); ++i)
        kayıt[i] = kutular_[i]->text();
    const std::optional<Kusur> kusur = PersoneliDenetle(kayıt, [this](const QString& sicil) {
        bool başkasının = false;
        Tuzak([&] { başkasının = SicilBaşkasınınMı(sicil); });
        return başkasının;
    });
    if (ProgramBittiMi())
        return false;
    if (!kusur)
        return true;
    MesajKutusunuOrtala();
    MesajKutusu({kusur->mesaj});
    kutular_[kusur->alan]->setFocus();
    return false;
}

// Adding, any stored row with this number is somebody else's; editing, only a row whose number
// differs in value from the one the edited person had when the dialog opened.
bool PersonelFormu::SicilBaşkasınınMı(const QString& sicil) const
{
    SonuçKümesi bulunan = Veritabanı.KayıtKümesiAç(Deyim::SicilArama(sicil));
    bool başkasının = !bulunan.EOF_();
    if (başkasının && DeğiştirmeModu)
        başkasının = bulunan.Alan(QStringLiteral("Sicili")).toLongLong() !=
                     anaForm_.Denetimler().SiciliKutusu->text().toLongLong();
    bulunan.Kapat();
    return başkasının;
}

bool PersonelFormu::Yaz()
{
    return Tuzak([&] {
        const QString s = ui.SiciliKutusu->text(), a = ui.AdıSoyadıKutusu->text(),
                      u = ui.ÜnvanıKutusu->text(), v = ui.ServisiKutusu->text(),
                      n = ui.SıraNoKutusu->text();
        if (DeğiştirmeModu) {
            const PersonelListeKutusu* liste = anaForm_.Denetimler().PersonelListesi;
            if (liste->currentRow() < 0)
                throw Hata(HataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok"));
            Veritabanı.Çalıştır(
                Deyim::PersonelGüncelle(s, a, u, v, n, liste->Kişiler().Nosu(liste->currentRow())));
        } else {
            Veritabanı.Çalıştır(Deyim::PersonelEkle(s, a, u, v, n));
        }
    });
}

// The main window shows the saved department with the saved person current.
void PersonelFormu::AnaFormuGüncelle()
{
    Ui::AnaForm& ana = anaForm_.Denetimler();
    const QString servis = ui.ServisiKutusu->text();
    const QString adSoyad = ui.AdıSoyadıKutusu->text();
    anaForm_.ServisleriYükle();
    Tuzak([&] { ana.ServisSeçKutusu->setCurrentText(servis); });
    Tuzak([] { QApplication::processEvents(); });
    Tuzak([&] { ana.BulKutusu->setText(adSoyad); });
}

void PersonelFormu::KapatİptalDüğmesi_Click()
{
    if (!ui.Çerçeve->isEnabled() || DeğiştirmeModu) {
        Yoksay([this] { reject(); });
        return;
    }
    Yoksay([this] {
        for (QLineEdit* kutu : kutular_)
            kutu->clear();
    });
    Yoksay([this] {
        ui.EkleKaydetDüğmesi->setText(QStringLiteral("Personel &Ekle"));
        ui.KapatİptalDüğmesi->setText(QStringLiteral("Kapat (Esc)"));
    });
    Yoksay([this] { ui.Çerçeve->setEnabled(false); });
}

// Esc presses the close/cancel button (which may keep the dialog open).
void PersonelFormu::keyPressEvent(QKeyEvent* olay)
{
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        ui.KapatİptalDüğmesi->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool PersonelFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    const auto yer = std::find(kutular_.begin(), kutular_.end(), nesne);
    if (yer == kutular_.end())
        return QDialog::eventFilter(nesne, olay);
    const int i = int(yer - kutular_.begin());
    switch (olay->type()) {
    case QEvent::KeyPress: {
        // Enter moves on like Tab and is not typed.
        const int tuş = static_cast<QKeyEvent*>(olay)->key();
        if (tuş == Qt::Key_Return || tuş == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        odak_[i].Uygula(
            olay, [&] { KutuOdağıAldı(i); }, [&] { KutuOdağıBıraktı(i); });
        break;
    default:
        break;
    }
    return QDialog::eventFilter(nesne, olay);
}

void PersonelFormu::KutuOdağıAldı(int i)
{
    AlanıVurgula(kutular_[i], Etiket[i]);
}

void PersonelFormu::KutuOdağıBıraktı(int i)
{
    EtiketiBoya(Etiket[i], palette().color(QPalette::WindowText));

    QLineEdit* kutu = kutular_[i];
    if (const QString düzelt = AlanıDüzelt(i, kutu->text()); düzelt != kutu->text())
        kutu->setText(düzelt);
}
