#include "AnaForm.h"

#include "HakkındaFormu.h"
#include "KurumBilgisiGirişiFormu.h"
#include "MesaiSüresiBelirlemeFormu.h"
#include "PersonelFormu.h"
#include "TatilTarihleriFormu.h"
#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "data/Deyimler.h"
#include "data/PersonelDökümü.h"
#include "data/TatilTarihleri.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStyle>
#include <algorithm>

namespace {
const QString ÜstBoşlukAnahtarı = QStringLiteral("Ayarlar/Ust Bosluk");
const QString SolBoşlukAnahtarı = QStringLiteral("Ayarlar/Sol Bosluk");
constexpr int TwipPiksel = 15; // twips per pixel at 96 dots per inch

// A stored edge in twips, as pixels; a text that is not a number is a type mismatch.
int PikseleÇevir(const QVariant& twip)
{
    bool sayıMı = false;
    const double değer = twip.toString().trimmed().toDouble(&sayıMı);
    if (!sayıMı)
        throw Hata(HataNo::TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı"));
    return qRound(değer / TwipPiksel);
}

QString TwipMetni(int piksel)
{
    return QString::number(qint64(piksel) * TwipPiksel);
}

// Whether some of the window's title bar, at its position, lies in the available area of a
// screen, where the user can take hold of it to move the window.
bool BaşlığıEkrandaMı(const QWidget& pencere)
{
    const QRect başlık(pencere.pos(),
                       QSize(pencere.frameGeometry().width(),
                             pencere.style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    const QList<QScreen*> ekranlar = QGuiApplication::screens();
    return std::any_of(ekranlar.begin(), ekranlar.end(), [&](const QScreen* ekran) {
        return ekran->availableGeometry().intersects(başlık);
    });
}
} // namespace

AnaForm::AnaForm(QWidget* üst) : QWidget(üst)
{
    ui.setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setWindowIcon(QIcon(QStringLiteral(":/tessaro.png")));
    for (int i = 0; i < ui.AyKutusu->count(); ++i)
        ui.AyKutusu->setItemData(i, i + 1);
    for (QComboBox* kutu : {ui.ServisSeçKutusu, ui.AyKutusu})
        TekerleğiOdağaBağla(kutu);
    // The record display sits in a disabled frame only to keep focus and input out; its texts
    // are read as usual, not greyed.
    for (QLineEdit* kutu : BilgiKutuları()) {
        QPalette renkler = kutu->palette();
        for (const auto rol : {QPalette::Text, QPalette::Base})
            renkler.setColor(QPalette::Disabled, rol, renkler.color(QPalette::Active, rol));
        kutu->setPalette(renkler);
    }

    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, ui.ÇıkışDüğmesi, &QPushButton::click);

    connect(ui.ServisSeçKutusu, &QComboBox::currentIndexChanged, this,
            &AnaForm::ServisSeçKutusu_Click);
    connect(ui.PersonelListesi, &PersonelListeKutusu::currentRowChanged, this,
            &AnaForm::PersonelListesi_Click);
    connect(ui.BulKutusu, &QLineEdit::textChanged, this, &AnaForm::BulKutusu_Change);
    connect(ui.AyKutusu, &QComboBox::currentIndexChanged, this, &AnaForm::AyKutusu_Click);
    connect(ui.YılKutusu, &DüğmeliKutu::Change, this, &AnaForm::YılKutusu_Change);
    connect(ui.EkleDüğmesi, &QPushButton::clicked, this, &AnaForm::EkleDüğmesi_Click);
    connect(ui.DeğiştirDüğmesi, &QPushButton::clicked, this, &AnaForm::DeğiştirDüğmesi_Click);
    connect(ui.SilDüğmesi, &QPushButton::clicked, this, &AnaForm::SilDüğmesi_Click);
    connect(ui.MesaiSüresiBelirlemeDüğmesi, &QPushButton::clicked, this,
            &AnaForm::MesaiSüresiBelirlemeDüğmesi_Click);
    connect(ui.HakkındaDüğmesi, &QPushButton::clicked, this, &AnaForm::HakkındaDüğmesi_Click);
    connect(ui.TatilBelirleDüğmesi, &QPushButton::clicked, this,
            &AnaForm::TatilBelirleDüğmesi_Click);
    connect(ui.KurumAdıGirişiDüğmesi, &QPushButton::clicked, this,
            &AnaForm::KurumAdıGirişiDüğmesi_Click);
    connect(ui.ListeyiSeçDüğmesi, &QPushButton::clicked, this, &AnaForm::ListeyiSeçDüğmesi_Click);
    connect(ui.SeçimiTemizleDüğmesi, &QPushButton::clicked, this,
            &AnaForm::SeçimiTemizleDüğmesi_Click);
    connect(ui.YazdırDüğmesi, &QPushButton::clicked, this, &AnaForm::YazdırDüğmesi_Click);
    connect(ui.YazdırDüğmesi, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& yer) { FöyMenüsünüAç(ui.YazdırDüğmesi, yer); });
    connect(ui.PersonelListesi, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& yer) { FöyMenüsünüAç(ui.PersonelListesi->viewport(), yer); });
    connect(ui.ÇıkışDüğmesi, &QPushButton::clicked, this, &QWidget::close);
}

void AnaForm::Yükle()
{
    Tuzak([this] {
        for (QWidget* altlık : {ui.Altlık0, ui.Altlık1}) {
            altlık->setBackgroundRole(QPalette::Window);
            altlık->setAutoFillBackground(true);
        }
    });
    Tuzak([this] { setWindowTitle(ProgramBaşlığı); });
    KonumuYükle();
    Tuzak([] {
        TabloKümesi kurum = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        KurumAdı = kurum.EOF_() ? QString() : kurum.Alan(QStringLiteral("KurumAdi")).toString();
        kurum.Kapat();
    });
    // One scan of the staff table fills the chooser and "Tümü" as their two statements would;
    // when it cannot, the statements themselves run.
    std::optional<PersonelDökümü> döküm;
    Yoksay([&] { döküm = PersonelDökümüOku(); });
    if (döküm) {
        DökümüGöster(std::move(*döküm));
    } else {
        ServisleriYükle();
        Tuzak([this] { ui.ServisSeçKutusu->setCurrentText(QStringLiteral("Tümü")); });
    }
    Tuzak([this] { ui.YılKutusu->SetValue(Bugün().year()); });
    Tuzak([this] { ui.AyKutusu->setCurrentIndex(Bugün().month() - 1); });
    Tuzak([this] { show(); });
}

// The top edge first, then the left one; each failing on its own leaves that edge as it is. A
// window whose title bar would then be on no screen is centred on the primary one.
void AnaForm::KonumuYükle()
{
    const auto ayarlar = AyarlarıAç();
    const QRect ekran = screen()->geometry();
    Tuzak([&] {
        const int orta = (ekran.height() - height()) / 2;
        move(x(), PikseleÇevir(ayarlar->value(ÜstBoşlukAnahtarı, TwipMetni(orta))));
    });
    Tuzak([&] {
        const int orta = (ekran.width() - width()) / 2;
        move(PikseleÇevir(ayarlar->value(SolBoşlukAnahtarı, TwipMetni(orta))), y());
    });
    // A position kept from another arrangement of screens would hide the window out of reach.
    if (!BaşlığıEkrandaMı(*this)) {
        const QRect alan = QGuiApplication::primaryScreen()->availableGeometry();
        move(alan.center() - frameGeometry().center() + pos());
    }
}

void AnaForm::KonumuKaydet()
{
    const auto ayarlar = AyarlarıAç();
    Yoksay([&] { ayarlar->setValue(SolBoşlukAnahtarı, TwipMetni(x())); });
    Yoksay([&] { ayarlar->setValue(ÜstBoşlukAnahtarı, TwipMetni(y())); });
    Yoksay([&] { ayarlar->sync(); });
}

// However the window is closed, its position is kept; closing is never refused. A program
// ended by HataYönet stores nothing (the guards run no step then).
void AnaForm::closeEvent(QCloseEvent* olay)
{
    KonumuKaydet();
    olay->accept();
}

void AnaForm::ServisleriYükle()
{
    QComboBox* kutu = ui.ServisSeçKutusu;
    // Filling is no selection: the caller chooses the department afterwards.
    const QSignalBlocker engel(kutu);
    Tuzak([kutu] { kutu->clear(); });
    Tuzak([kutu] { kutu->addItem(QStringLiteral("Tümü")); });
    Tuzak([kutu] {
        SonuçKümesi servisler = Veritabanı.KayıtKümesiAç(Deyim::Servisler());
        for (; !servisler.EOF_(); servisler.SonrakineGeç())
            kutu->addItem(servisler.Alan(QStringLiteral("Servisi")).toString());
        servisler.Kapat();
    });
    kutu->setCurrentIndex(-1);
}

void AnaForm::DökümüGöster(PersonelDökümü döküm)
{
    QComboBox* kutu = ui.ServisSeçKutusu;
    {
        const QSignalBlocker engel(kutu);
        kutu->clear();
        kutu->addItem(QStringLiteral("Tümü"));
        kutu->addItems(döküm.servisler);
        kutu->setCurrentIndex(0);
    }
    {
        const QSignalBlocker engel(ui.PersonelListesi);
        ui.PersonelListesi->Kişiler().Doldur(döküm.kişiler);
    }
    PersonelListesi_Click();
}

void AnaForm::ServisSeçKutusu_Click()
{
    PersonelListeKutusu* liste = ui.PersonelListesi;
    Tuzak([liste, servis = ui.ServisSeçKutusu->currentText()] {
        // The list is replaced in one reset with no selection signal, also when reading stops
        // at an error: it then holds the people read so far, never the previous department.
        std::vector<PersonelModeli::Kişi> okunan;
        const auto doldur = qScopeGuard([&] {
            const QSignalBlocker engel(liste);
            liste->Kişiler().Doldur(okunan);
        });
        const bool tümü = TürkçeKüçükHarf(servis) == TürkçeKüçükHarf(QStringLiteral("Tümü"));
        SonuçKümesi kişiler =
            Veritabanı.KayıtKümesiAç(tümü ? Deyim::TümPersonel() : Deyim::ServisPersoneli(servis));
        const int ad = kişiler.Konum(QStringLiteral("AdiSoyadi"));
        const int nosu = kişiler.Konum(QStringLiteral("Nosu"));
        for (; !kişiler.EOF_(); kişiler.SonrakineGeç())
            okunan.push_back({kişiler.Metin(ad), kişiler.Tamsayı(nosu)});
        kişiler.Kapat();
    });
    PersonelListesi_Click();
}

void AnaForm::PersonelListesi_Click()
{
    // Emptied first: a record that cannot be read leaves nobody on screen, never the person
    // shown before.
    BilgiKutularınıBoşalt();
    kayıtOkundu_ = false;
    const int satır = ui.PersonelListesi->currentRow();
    if (satır < 0)
        return;
    std::array<QString, 5> alanlar;
    kayıtOkundu_ = Tuzak([&alanlar, nosu = ui.PersonelListesi->Kişiler().Nosu(satır)] {
        SonuçKümesi kişi = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        for (size_t i = 0; i < alanlar.size(); ++i)
            alanlar[i] = kişi.Alan(int(i) + 1).toString();
        kişi.Kapat();
    });
    if (kayıtOkundu_)
        for (size_t i = 0; i < alanlar.size(); ++i)
            BilgiKutuları()[i]->setText(alanlar[i]);
}

bool AnaForm::KişiyiGöster(int satır)
{
    PersonelListeKutusu* liste = ui.PersonelListesi;
    // An entry that is current already is read again: its record may have gone since.
    if (liste->currentRow() == satır)
        PersonelListesi_Click();
    else
        liste->setCurrentRow(satır, QItemSelectionModel::NoUpdate);
    return kayıtOkundu_;
}

std::array<QLineEdit*, 5> AnaForm::BilgiKutuları() const
{
    return {ui.SiciliKutusu, ui.AdıSoyadıKutusu, ui.ÜnvanıKutusu, ui.ServisiKutusu,
            ui.SıraNoKutusu};
}

void AnaForm::BilgiKutularınıBoşalt()
{
    for (QLineEdit* kutu : BilgiKutuları())
        kutu->clear();
}

// The first entry beginning with the text becomes current, or none; the marks stay.
void AnaForm::BulKutusu_Change()
{
    ui.PersonelListesi->setCurrentRow(
        ListedeBul(ui.PersonelListesi->Kişiler(), ui.BulKutusu->text()));
}

void AnaForm::EkleDüğmesi_Click()
{
    PersonelFormu form(*this);
    Yoksay([] { DeğiştirmeModu = false; });
    Yoksay([&] { form.setWindowTitle(QStringLiteral("Yeni Personel Ekleme")); });
    Yoksay([&] { form.EkleKaydetDüğmesi_Click(); });
    Yoksay([&] { form.exec(); });
}

void AnaForm::DeğiştirDüğmesi_Click()
{
    if (ui.PersonelListesi->currentRow() < 0)
        return;
    PersonelFormu form(*this);
    Yoksay([] { DeğiştirmeModu = true; });
    Yoksay([&] { form.setWindowTitle(QStringLiteral("Personel Bilgilerini Değiştir")); });
    Yoksay([&] {
        Ui::PersonelFormu& kutular = form.Denetimler();
        kutular.SiciliKutusu->setText(ui.SiciliKutusu->text());
        kutular.AdıSoyadıKutusu->setText(ui.AdıSoyadıKutusu->text());
        kutular.ÜnvanıKutusu->setText(ui.ÜnvanıKutusu->text());
        kutular.ServisiKutusu->setText(ui.ServisiKutusu->text());
        kutular.SıraNoKutusu->setText(ui.SıraNoKutusu->text());
    });
    Yoksay([&] { form.EkleKaydetDüğmesi_Click(); });
    Yoksay([&] { form.exec(); });
}

void AnaForm::SilDüğmesi_Click()
{
    PersonelListeKutusu* liste = ui.PersonelListesi;
    const int i = liste->currentRow();
    if (i < 0)
        return;
    PersonelModeli& kişiler = liste->Kişiler();
    MesajKutusunuOrtala();
    if (MesajKutusu({kişiler.Metin(i).toString() +
                         QStringLiteral(" adlı personeli SİLMEK istediğinizden emin misiniz?"),
                     MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır, QStringLiteral("Tessaro"),
                     Yanıt::Hayır}) != Yanıt::Evet)
        return;
    // An entry whose record could not be deleted stays in the list.
    if (Tuzak([&] { Veritabanı.Çalıştır(Deyim::PersoneliSil(kişiler.Nosu(i))); })) {
        Tuzak([&] { kişiler.Sil(i); });
        if (liste->count() == 0) {
            Tuzak([this] { BilgiKutularınıBoşalt(); });
            ServisleriYükle();
        } else {
            Tuzak([&] { liste->setCurrentRow(std::max(i - 1, 0)); });
        }
    }
    Tuzak([liste] { liste->setFocus(); });
}

void AnaForm::MesaiSüresiBelirlemeDüğmesi_Click()
{
    MesaiSüresiBelirlemeFormu pencere(this);
    pencere.exec();
}

void AnaForm::HakkındaDüğmesi_Click()
{
    HakkındaFormu pencere(this);
    pencere.exec();
}

void AnaForm::KurumAdıGirişiDüğmesi_Click()
{
    KurumBilgisiGirişiFormu pencere(this);
    pencere.exec();
}

void AnaForm::TatilBelirleDüğmesi_Click()
{
    Yoksay([this] {
        SeçilenTarih = QDate(ui.YılKutusu->Value(), ui.AyKutusu->currentIndex() + 1, 1);
    });
    std::unique_ptr<TatilTarihleriFormu> takvim;
    Yoksay([&] { takvim = std::make_unique<TatilTarihleriFormu>(this); });
    if (!takvim)
        return;
    Yoksay([&] { takvim->TatilTarihleriniListele(); });
    Yoksay([&] { takvim->exec(); });
}

void AnaForm::YılKutusu_Change()
{
    // Only the user's changes count: a year set by code while the focus is elsewhere does not.
    if (İçindeMi(QApplication::focusWidget(), ui.YılKutusu))
        AyKutusu_Click();
}

void AnaForm::AyKutusu_Click()
{
    Tuzak([this] {
        const QDate ilk(ui.YılKutusu->Value(), ui.AyKutusu->currentIndex() + 1, 1);
        Tatiller = TatilTarihleriniOku(ilk, ilk.addMonths(1));
    });
}

bool AnaForm::TatilMi(const QDate& tarih) const
{
    return std::find(Tatiller.begin(), Tatiller.end(), tarih) != Tatiller.end();
}
