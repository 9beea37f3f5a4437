#include "TatilTarihleriFormu.h"

#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/TatilTarihleri.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <algorithm>

namespace {
const QColor SıradanGün(0, 0, 192);
const QColor KoyuKırmızı(192, 0, 0);
// The selection frame stands 80 twips above its cell's top.
constexpr double ÇerçeveÜstPayı = 80.0 / 15;

void GörünümüAyarla(QLabel* etiket, const QColor& renk, bool kalın)
{
    EtiketiBoya(etiket, renk);
    QFont yazı = etiket->font();
    yazı.setBold(kalın);
    etiket->setFont(yazı);
}
} // namespace

TatilTarihleriFormu::TatilTarihleriFormu(QWidget* üst) : QDialog(üst)
{
    ui.setupUi(this);
    for (int i = 0; i < int(GünEtiketi.size()); ++i) {
        GünEtiketi[i] =
            ui.Altlık->findChild<QLabel*>(QStringLiteral("GünEtiketi") + QString::number(i));
        GünEtiketi[i]->installEventFilter(this);
    }
    for (int i = 0; i < int(GünAdlarıEtiketi.size()); ++i)
        GünAdlarıEtiketi[i] =
            ui.Altlık->findChild<QLabel*>(QStringLiteral("GünAdlarıEtiketi") + QString::number(i));
    ui.Altlık->installEventFilter(this);
    // Alt+Y puts the cursor into the year box's text field.
    ui.Etiket0->setBuddy(ui.YılKutusu->DeğerKutusu());

    connect(ui.AyKutusu, &QListWidget::currentRowChanged, this,
            &TatilTarihleriFormu::AyKutusu_Click);
    connect(ui.YılKutusu, &DüğmeliKutu::Change, this, &TatilTarihleriFormu::YılKutusu_Change);
    connect(ui.BugüneGitDüğmesi, &QPushButton::clicked, this,
            &TatilTarihleriFormu::BugüneGitDüğmesi_Click);
    connect(ui.ListeyeEkleDüğmesi, &QPushButton::clicked, this,
            &TatilTarihleriFormu::ListeyeEkleDüğmesi_Click);
    connect(ui.ListedenÇıkarDüğmesi, &QPushButton::clicked, this,
            &TatilTarihleriFormu::ListedenÇıkarDüğmesi_Click);
    connect(ui.KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui.YılKutusu, &DüğmeliKutu::GotFocus, this, &TatilTarihleriFormu::YılKutusu_GotFocus);
    connect(ui.YılKutusu, &DüğmeliKutu::LostFocus, this, &TatilTarihleriFormu::YılKutusu_LostFocus);
    ui.AyKutusu->installEventFilter(this);
    connect(ui.Altlık, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& yer) { TatilMenüsünüAç(ui.Altlık, yer); });
    connect(
        ui.TatilTarihleriListesi, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& yer) { TatilMenüsünüAç(ui.TatilTarihleriListesi->viewport(), yer); });

    Form_Load();
}

// The controls outlive the dialog's own part while they are taken down: none of their signals
// may reach it then.
TatilTarihleriFormu::~TatilTarihleriFormu()
{
    ui.YılKutusu->disconnect(this);
    ui.AyKutusu->disconnect(this);
}

// Altlık takes the dialog's background through its design: it fills with the inherited palette.
void TatilTarihleriFormu::Form_Load()
{
    Tuzak([&] {
        for (int i = 0; i < int(GünAdlarıEtiketi.size()); ++i)
            GünAdlarıEtiketi[i]->setText(QLocale().dayName(i + 1, QLocale::ShortFormat));
    });
    Tuzak([&] {
        for (int ay = 1; ay <= 12; ++ay)
            ui.AyKutusu->addItem(QLocale().standaloneMonthName(ay, QLocale::LongFormat));
    });
    Tuzak([&] { ui.YılKutusu->SetValue(SeçilenTarih.year()); });
    Tuzak([&] { ui.AyKutusu->setCurrentRow(SeçilenTarih.month() - 1); });
    Tuzak([&] { TakvimiDoldur(quint8(SeçilenTarih.day())); });
}

// Fills the grid with the displayed month and selects day gün, or day 1 when the month has no
// such day.
void TatilTarihleriFormu::TakvimiDoldur(quint8 gün)
{
    Tuzak([&] {
        for (QLabel* hücre : GünEtiketi) {
            hücre->clear();
            GörünümüAyarla(hücre, SıradanGün, false);
        }
    });
    Tuzak([&] {
        for (int no : {5, 12, 19, 26, 33, 6, 13, 20, 27, 34})
            GörünümüAyarla(Hücre(no), KoyuKırmızı, true);
    });
    int ay = 0;
    int yıl = 0;
    int ilkGününHücresi = 0;
    Tuzak([&] {
        ay = ui.AyKutusu->currentRow() + 1;
        yıl = ui.YılKutusu->Value();
    });
    Tuzak([&] {
        gösterilenAy_ = QDate(yıl, ay, 1);
        ilkGününHücresi = gösterilenAy_.dayOfWeek() - 1;
    });
    Tuzak([&] {
        for (int k = 1; k <= 37; ++k) {
            if (QDate::isValid(yıl, ay, k)) {
                Hücre(ilkGününHücresi + k - 1)->setNum(k);
                AyınGünSayısı = qint16(k);
            }
            if (k == gün)
                GünEtiketi_Click(Hücre(ilkGününHücresi + k - 1)->text().isEmpty()
                                     ? ilkGününHücresi
                                     : ilkGününHücresi + k - 1);
        }
    });
}

void TatilTarihleriFormu::TatilTarihleriniListele()
{
    Tuzak([&] { ui.TatilTarihleriListesi->clear(); });
    Tuzak([&] {
        const int ay = ui.AyKutusu->currentRow() + 1;
        const int yıl = ui.YılKutusu->Value();
        for (const QDate& tarih :
             TatilTarihleriniOku(QDate(yıl, ay, 1), QDate(yıl, ay, AyınGünSayısı))) {
            // The entry keeps its date: the short date text need not read back to it.
            auto* öğe = new QListWidgetItem(QLocale().toString(tarih, QLocale::ShortFormat));
            öğe->setData(Qt::UserRole, tarih);
            ui.TatilTarihleriListesi->addItem(öğe);
        }
    });
    Tuzak([&] { TatilGünleriniİşaretle(); });
}

void TatilTarihleriFormu::TatilGünleriniİşaretle()
{
    const QListWidget* liste = ui.TatilTarihleriListesi;
    for (int i = 0; i < liste->count(); ++i) {
        const QString gün = QString::number(liste->item(i)->data(Qt::UserRole).toDate().day());
        for (QLabel* hücre : GünEtiketi)
            if (hücre->text() == gün)
                GörünümüAyarla(hücre, KoyuKırmızı, true);
    }
}

void TatilTarihleriFormu::GünEtiketi_Click(int no)
{
    if (no < 0 || no >= int(GünEtiketi.size()) || GünEtiketi[no]->text().isEmpty())
        return;
    QLabel* hücre = GünEtiketi[no];
    // The day of the month the grid shows, whatever the year box and the month list hold.
    Yoksay([&] {
        SeçilenTarih = QDate(gösterilenAy_.year(), gösterilenAy_.month(), hücre->text().toInt());
    });
    Yoksay([&] {
        ui.SeçilenTarihEtiketi->setText(QLocale().toString(SeçilenTarih, QLocale::LongFormat));
    });
    Yoksay([&] {
        ui.SeçilenTarihÇerçevesi->move(hücre->x(), qRound(hücre->y() - ÇerçeveÜstPayı));
        ui.SeçilenTarihÇerçevesi->show();
    });
    Yoksay([&] { SeçiliEtiketNo = qint16(no); });
    // While the dialog loads, before it is shown, the grid takes no focus: the dialog opens
    // with the first control of the tab order, the year box, focused.
    Yoksay([&] {
        if (!odakDeğişenDenetimde_ && isVisible())
            ui.Altlık->setFocus();
    });
}

// A move onto an empty cell or off the grid selects nothing, so the keys never leave the month.
void TatilTarihleriFormu::Altlık_KeyDown(int tuş)
{
    if (Hücre(SeçiliEtiketNo)->text().isEmpty())
        return;
    // A day to either side, or the same weekday a row up or down.
    const int adım = tuş == Qt::Key_Right  ? 1
                     : tuş == Qt::Key_Left ? -1
                     : tuş == Qt::Key_Down ? 7
                     : tuş == Qt::Key_Up   ? -7
                                           : 0;
    if (adım == 0)
        return;
    Yoksay([&] { GünEtiketi_Click(SeçiliEtiketNo + adım); });
}

void TatilTarihleriFormu::AyKutusu_Click()
{
    if (EtkinDenetimMi(ui.AyKutusu))
        KullanıcıAyıDeğiştirdi();
}

void TatilTarihleriFormu::YılKutusu_Change()
{
    if (EtkinDenetimMi(ui.YılKutusu))
        KullanıcıAyıDeğiştirdi();
}

// The day number is carried over to the new month. The changed control keeps the focus
// throughout, as the user goes on typing or stepping in it: passing it to the grid and straight
// back would make the year box treat a year typed only in part as a finished entry.
void TatilTarihleriFormu::KullanıcıAyıDeğiştirdi()
{
    odakDeğişenDenetimde_ = true;
    Yoksay([&] { TakvimiDoldur(quint8(SeçilenTarih.day())); });
    Yoksay([&] { TatilTarihleriniListele(); });
    odakDeğişenDenetimde_ = false;
}

void TatilTarihleriFormu::BugüneGitDüğmesi_Click()
{
    const QDate bugün = Bugün();
    Yoksay([&] { ui.YılKutusu->SetValue(bugün.year()); });
    Yoksay([&] { ui.AyKutusu->setCurrentRow(bugün.month() - 1); });
    Yoksay([&] { TakvimiDoldur(quint8(bugün.day())); });
    Yoksay([&] { TatilTarihleriniListele(); });
}

void TatilTarihleriFormu::ListeyeEkleDüğmesi_Click()
{
    if (SeçilenTarih.dayOfWeek() == Qt::Sunday) {
        MesajKutusunuOrtala();
        MesajKutusu(
            {QStringLiteral("PAZAR günü tatil günü olarak belirlenemez!"), MesajSimgesi::Ünlem});
        ui.Altlık->setFocus();
        return;
    }
    // The table's unique key, not the list, tells that the date is already a holiday.
    bool zatenVar = false;
    Tuzak([&] {
        try {
            TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
            tablo.YeniEkle();
            tablo.AlanıAyarla(QStringLiteral("TatilTarihi"), SeçilenTarih);
            tablo.Güncelle();
            tablo.Kapat();
        } catch (const Hata& hata) {
            if (hata.Numara() != HataNo::YinelenenDeğer)
                throw;
            zatenVar = true;
        }
    });
    if (zatenVar) {
        MesajKutusunuOrtala();
        MesajKutusu({QStringLiteral("Bu tarih listeye EKLENMİŞ!"), MesajSimgesi::Ünlem});
        return;
    }
    Tuzak([&] { TatilTarihleriniListele(); });
}

void TatilTarihleriFormu::ListedenÇıkarDüğmesi_Click()
{
    const QList<QListWidgetItem*> seçili = ui.TatilTarihleriListesi->selectedItems();
    if (seçili.isEmpty())
        return;
    QListWidgetItem* öğe = seçili.first();
    Mesaj soru{öğe->text() + QStringLiteral(" tarihli tatili SİLMEK istediğinizden emin misiniz?"),
               MesajSimgesi::Soru, MesajDüğmeleri::EvetHayır};
    soru.varsayılan = Yanıt::Hayır;
    MesajKutusunuOrtala();
    if (MesajKutusu(soru) != Yanıt::Evet)
        return;
    // A holiday that could not be deleted stays listed, as it stays in the table.
    if (!Tuzak([&] { Veritabanı.Çalıştır(Deyim::TatilSil(öğe->data(Qt::UserRole).toDate())); }))
        return;
    Tuzak([&] { delete öğe; });
    Tuzak([&] { TakvimiDoldur(quint8(SeçilenTarih.day())); });
    Tuzak([&] { TatilTarihleriniListele(); });
}

// The captions of the year box and the month list show which of the two holds the focus.
void TatilTarihleriFormu::YılKutusu_GotFocus()
{
    EtiketiBoya(ui.Etiket0, VurguRengi);
}

void TatilTarihleriFormu::YılKutusu_LostFocus()
{
    EtiketiBoya(ui.Etiket0, palette().color(QPalette::WindowText));
}

void TatilTarihleriFormu::AyKutusu_GotFocus()
{
    EtiketiBoya(ui.Etiket1, VurguRengi);
}

void TatilTarihleriFormu::AyKutusu_LostFocus()
{
    EtiketiBoya(ui.Etiket1, palette().color(QPalette::WindowText));
}

bool TatilTarihleriFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == ui.Altlık && olay->type() == QEvent::KeyPress) {
        const int tuş = static_cast<QKeyEvent*>(olay)->key();
        if (tuş != Qt::Key_Left && tuş != Qt::Key_Right && tuş != Qt::Key_Up && tuş != Qt::Key_Down)
            return false;
        Yoksay([&] { Altlık_KeyDown(tuş); });
        return true;
    }
    if (nesne == ui.AyKutusu) {
        ayOdağı_.Uygula(
            olay, [this] { AyKutusu_GotFocus(); }, [this] { AyKutusu_LostFocus(); });
        return false;
    }
    if (olay->type() == QEvent::MouseButtonRelease) {
        const auto bulunan = std::find(GünEtiketi.begin(), GünEtiketi.end(), nesne);
        const auto* fare = static_cast<QMouseEvent*>(olay);
        if (bulunan != GünEtiketi.end() && fare->button() == Qt::LeftButton &&
            (*bulunan)->rect().contains(fare->position().toPoint())) {
            GünEtiketi_Click(int(bulunan - GünEtiketi.begin()));
            return true;
        }
    }
    return QDialog::eventFilter(nesne, olay);
}

// The active control: the one that holds the dialog's focus, or contains the widget that does.
bool TatilTarihleriFormu::EtkinDenetimMi(const QWidget* denetim) const
{
    return İçindeMi(focusWidget(), denetim);
}

QLabel* TatilTarihleriFormu::Hücre(int no) const
{
    if (no < 0 || no >= int(GünEtiketi.size()))
        throw Hata(HataNo::DenetimDizisiÖğesiYok,
                   QStringLiteral("Denetim dizisi öğesi yok: ") + QString::number(no));
    return GünEtiketi[size_t(no)];
}
