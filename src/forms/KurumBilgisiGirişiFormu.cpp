#include "KurumBilgisiGirişiFormu.h"

#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

namespace {
const QString Tablo = QStringLiteral("KurumTablosu");
const QString KurumAdıAlanı = QStringLiteral("KurumAdi");
constexpr int EnUzunAd = 200;
constexpr int EnKısaAd = 5;
} // namespace

KurumBilgisiGirişiFormu::KurumBilgisiGirişiFormu(QWidget* üst) : QDialog(üst)
{
    ui.setupUi(this);
    ui.KurumBilgisiKutusu->installEventFilter(this);
    connect(ui.KaydetDüğmesi, &QPushButton::clicked, this,
            &KurumBilgisiGirişiFormu::KaydetDüğmesi_Click);
    connect(ui.VazgeçDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
    // The length limit is the user's: a longer name stored earlier is still shown whole.
    connect(ui.KurumBilgisiKutusu->document(), &QTextDocument::contentsChange, this,
            [this](int konum, int, int eklenen) { KurumBilgisiKutusu_Change(konum, eklenen); });
}

bool KurumBilgisiGirişiFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    // The context menu coming and going neither leaves nor enters the box: selecting the whole
    // text there would make its "Paste" replace it.
    if (nesne == ui.KurumBilgisiKutusu)
        odak_.Uygula(
            olay, [this] { KurumBilgisiKutusu_GotFocus(); },
            [this] { KurumBilgisiKutusu_LostFocus(); });
    return QDialog::eventFilter(nesne, olay);
}

void KurumBilgisiGirişiFormu::Form_Load()
{
    ui.KurumBilgisiKutusu->setPlainText(KurumAdı);
}

void KurumBilgisiGirişiFormu::KurumBilgisiKutusu_GotFocus()
{
    AlanıVurgula(ui.KurumBilgisiKutusu, ui.Etiket);
}

void KurumBilgisiGirişiFormu::KurumBilgisiKutusu_LostFocus()
{
    const QString metin = ui.KurumBilgisiKutusu->toPlainText();
    const QString düzeltilmiş = KurumAdınıDüzelt(metin);
    if (düzeltilmiş != metin)
        ui.KurumBilgisiKutusu->setPlainText(düzeltilmiş);
}

// Whatever would pass the longest name is taken back from the end of what was just typed or
// pasted, so a keystroke beyond the limit does nothing and a paste is cut to fit.
void KurumBilgisiGirişiFormu::KurumBilgisiKutusu_Change(int konum, int eklenen)
{
    QTextDocument* belge = ui.KurumBilgisiKutusu->document();
    const int fazla = int(belge->toPlainText().size()) - EnUzunAd;
    if (fazla <= 0 || eklenen <= 0)
        return;
    const int son = qMin(konum + eklenen, belge->characterCount() - 1);
    int baş = qMax(konum, son - fazla);
    // A character written with two UTF-16 units (an emoji) goes whole or stays whole.
    if (belge->characterAt(baş).isLowSurrogate() && baş > konum)
        --baş;
    QTextCursor imleç(belge);
    imleç.setPosition(baş);
    imleç.setPosition(son, QTextCursor::KeepAnchor);
    imleç.removeSelectedText();
}

void KurumBilgisiGirişiFormu::KaydetDüğmesi_Click()
{
    // Pressed by its access key the button leaves the focus in the box; taking it here leaves
    // the box, and so puts its text right, before the check, as a mouse click does.
    ui.KaydetDüğmesi->setFocus(Qt::ShortcutFocusReason);
    const QString ad = ui.KurumBilgisiKutusu->toPlainText();
    if (ad.size() < EnKısaAd) {
        MesajKutusunuOrtala();
        MesajKutusu({QStringLiteral("Kurum bilgisinin en az 5 karakter olması gerekiyor!")});
        ui.KurumBilgisiKutusu->setFocus();
        return;
    }
    const bool yazıldı = Tuzak([&] {
        // The table tells whether its one row is there: a name that could not be read at start-up
        // leaves KurumAdı empty, and adding then would store a second row behind the first.
        TabloKümesi tablo = Veritabanı.TabloAç(Tablo);
        if (tablo.EOF_())
            tablo.YeniEkle();
        else
            tablo.Düzenle();
        tablo.AlanıAyarla(KurumAdıAlanı, ad);
        tablo.Güncelle();
        tablo.Kapat();
    });
    // A refused write keeps the dialog open with the name typed, and the old name in force.
    if (!yazıldı)
        return;
    KurumAdı = ad;
    accept();
}
