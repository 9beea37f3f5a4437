#include "YazıcıSeçmeFormu.h"

#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/OrtakYordamlarModülü.h"
#include "common/YazıcıApileri.h"
#include "ui_YazıcıSeçmeFormu.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

YazıcıSeçmeFormu::YazıcıSeçmeFormu(QWidget* üst)
    : QDialog(üst, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::YazıcıSeçmeFormu>())
{
    ui->setupUi(this);
    TekerleğiOdağaBağla(ui->YazıcıAdlarıKutusu);
    connect(ui->YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this,
            &YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click);
    connect(ui->TamamDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::TamamDüğmesi_Click);
    connect(ui->İptalDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::İptalDüğmesi_Click);
    Form_Load();
}

YazıcıSeçmeFormu::~YazıcıSeçmeFormu() = default;

void YazıcıSeçmeFormu::keyPressEvent(QKeyEvent* olay)
{
    // Esc is the cancel button's key; QDialog would only close the window.
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        ui->İptalDüğmesi->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void YazıcıSeçmeFormu::Form_Load()
{
    QComboBox* liste = ui->YazıcıAdlarıKutusu;
    Yoksay([&] {
        ui->Altlık->setAutoFillBackground(true);
        QPalette renkler = ui->Altlık->palette();
        renkler.setColor(QPalette::Window, palette().color(QPalette::Window));
        ui->Altlık->setPalette(renkler);
    });
    // Filling the list selects nothing by itself (a combo box would take the first entry):
    // the selection is the current printer's, and it fills the connection box.
    Yoksay([&] {
        const QSignalBlocker sessiz(liste);
        const int sayı = YüklüYazıcıSayısı();
        for (int i = 0; i < sayı; ++i)
            liste->addItem(YazıcıAdı(i), i);
        liste->setCurrentIndex(-1);
    });
    Yoksay([&] { liste->setCurrentIndex(liste->findText(GeçerliYazıcıAdı())); });
}

void YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click()
{
    Yoksay([&] {
        const QVariant sıra = ui->YazıcıAdlarıKutusu->currentData();
        ui->BağlantıNoktasıKutusu->setText(sıra.isValid() ? YazıcıBağlantıYeri(sıra.toInt())
                                                          : QString());
    });
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click()
{
    Tuzak([&] {
        const QVariant sıra = ui->YazıcıAdlarıKutusu->currentData();
        // A printer removed while the dialog was open shifts the ones after it: the index must
        // still name the chosen printer, or the sheets would go to another one.
        if (sıra.isValid() && sıra.toInt() < YüklüYazıcıSayısı() &&
            YazıcıAdı(sıra.toInt()) != ui->YazıcıAdlarıKutusu->currentText())
            throw Hata(9, QStringLiteral("Alt simge aralık dışında"));
        GeçerliYazıcıyıAyarla(sıra.isValid() ? sıra.toInt() : -1);
    });
    Tuzak([&] { accept(); });
    Tuzak([] { QCoreApplication::processEvents(); });
}

void YazıcıSeçmeFormu::İptalDüğmesi_Click()
{
    YazıcıSeçimiİptal = true;
    reject();
}
