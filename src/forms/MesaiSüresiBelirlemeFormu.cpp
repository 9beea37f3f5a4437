#include "MesaiSüresiBelirlemeFormu.h"

#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/Sayılar.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QApplication>
#include <optional>

namespace {
const QString Tablo = QStringLiteral("MesaiSüreleriTablosu");
const QString HaftaİçiAlanı = QStringLiteral("HaftaIciSuresi");
const QString HaftaSonuAlanı = QStringLiteral("HaftaSonuSuresi");
} // namespace

MesaiSüresiBelirlemeFormu::MesaiSüresiBelirlemeFormu(QWidget* üst) : QDialog(üst)
{
    ui.setupUi(this);
    connect(ui.HaftaİçiSüresiKutusu, &DüğmeliKutu::Change, this,
            [this] { SüreKutusu_Change(ui.HaftaİçiSüresiKutusu); });
    connect(ui.HaftaSonuSüresiKutusu, &DüğmeliKutu::Change, this,
            [this] { SüreKutusu_Change(ui.HaftaSonuSüresiKutusu); });
    connect(ui.KaydetDüğmesi, &QPushButton::clicked, this,
            &MesaiSüresiBelirlemeFormu::KaydetDüğmesi_Click);
    connect(ui.KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void MesaiSüresiBelirlemeFormu::Form_Load()
{
    std::optional<std::pair<QVariant, QVariant>> süreler;
    Tuzak([&] {
        TabloKümesi tablo = Veritabanı.TabloAç(Tablo);
        süreler.emplace(tablo.Alan(HaftaİçiAlanı), tablo.Alan(HaftaSonuAlanı));
        tablo.Kapat();
    });
    if (!süreler)
        return;
    // Setting the values raises Change while the focus is elsewhere: "Kaydet" stays disabled.
    Tuzak([&] { ui.HaftaİçiSüresiKutusu->SetValue(KısaTamsayı(süreler->first)); });
    Tuzak([&] { ui.HaftaSonuSüresiKutusu->SetValue(KısaTamsayı(süreler->second)); });
}

void MesaiSüresiBelirlemeFormu::SüreKutusu_Change(const DüğmeliKutu* kutu)
{
    if (İçindeMi(QApplication::focusWidget(), kutu))
        ui.KaydetDüğmesi->setEnabled(true);
}

void MesaiSüresiBelirlemeFormu::KaydetDüğmesi_Click()
{
    const bool yazıldı = Tuzak([&] {
        TabloKümesi tablo = Veritabanı.TabloAç(Tablo);
        tablo.Düzenle();
        tablo.AlanıAyarla(HaftaİçiAlanı, ui.HaftaİçiSüresiKutusu->Value());
        tablo.AlanıAyarla(HaftaSonuAlanı, ui.HaftaSonuSüresiKutusu->Value());
        tablo.Güncelle();
        tablo.Kapat();
    });
    // A refused write leaves the dialog open with the values entered.
    if (yazıldı)
        accept();
}
