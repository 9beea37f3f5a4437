#include "YazıcıSeçmeFormu.h"

#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "gui/OrtakYordamlarModülü.h"
#include "gui/YazıcıApileri.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QSignalBlocker>

YazıcıSeçmeFormu::YazıcıSeçmeFormu(QWidget* üst)
    : QDialog(üst, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint)
{
    ui.setupUi(this);
    TekerleğiOdağaBağla(ui.YazıcıAdlarıKutusu);
    connect(ui.YazıcıAdlarıKutusu, &QComboBox::currentIndexChanged, this,
            &YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click);
    connect(ui.TamamDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::TamamDüğmesi_Click);
    connect(ui.İptalDüğmesi, &QPushButton::clicked, this, &YazıcıSeçmeFormu::İptalDüğmesi_Click);
    Form_Load();
}

void YazıcıSeçmeFormu::keyPressEvent(QKeyEvent* olay)
{
    // Esc is the cancel button's key; QDialog would only close the window.
    if (olay->key() == Qt::Key_Escape && olay->modifiers() == Qt::NoModifier) {
        ui.İptalDüğmesi->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

void YazıcıSeçmeFormu::Form_Load()
{
    QComboBox* liste = ui.YazıcıAdlarıKutusu;
    Yoksay([&] {
        ui.Altlık->setAutoFillBackground(true);
        QPalette renkler = ui.Altlık->palette();
        renkler.setColor(QPalette::Window, palette().color(QPalette::Window));
        ui.Altlık->setPalette(renkler);
    });
    // Filling the list selects nothing by itself (a combo box would take the first entry):
    // the selection is the current printer's, and it fills the connection box.
    Yoksay([&] {
        const QSignalBlocker sessiz(liste);
        yazıcılar_ = YüklüYazıcılar();
        for (int i = 0; i < yazıcılar_.size(); ++i)
            liste->addItem(yazıcılar_.at(i).ad, i);
        liste->setCurrentIndex(-1);
    });
    Yoksay([&] { liste->setCurrentIndex(liste->findText(GeçerliYazıcıAdı())); });
}

void YazıcıSeçmeFormu::YazıcıAdlarıKutusu_Click()
{
    Yoksay([&] {
        const QVariant sıra = ui.YazıcıAdlarıKutusu->currentData();
        ui.BağlantıNoktasıKutusu->setText(sıra.isValid() ? yazıcılar_.at(sıra.toInt()).bağlantıYeri
                                                         : QString());
    });
}

void YazıcıSeçmeFormu::TamamDüğmesi_Click()
{
    const QVariant sıra = ui.YazıcıAdlarıKutusu->currentData();
    const QString ad = sıra.isValid() ? yazıcılar_.at(sıra.toInt()).ad : GeçerliYazıcıAdı();
    // A printer removed from the system since the dialog opened: the sheets go nowhere rather
    // than to another printer, and the marks stay for the next run.
    if (!YazıcıYüklüMü(ad)) {
        MesajKutusunuOrtala();
        MesajKutusu(Mesaj{QStringLiteral("\"") + ad +
                              QStringLiteral("\" yazıcısı artık sistemde bulunmuyor. Yazdırma "
                                             "iptal edildi; lütfen, başka bir yazıcı seçiniz."),
                          MesajSimgesi::Ünlem, MesajDüğmeleri::Tamam,
                          QStringLiteral("Yazıcı bulunamadı!")});
        İptalDüğmesi_Click();
        return;
    }
    Tuzak([&] { GeçerliYazıcıyıAyarla(ad); });
    Tuzak([&] { accept(); });
    Tuzak([] { QCoreApplication::processEvents(); });
}

void YazıcıSeçmeFormu::İptalDüğmesi_Click()
{
    YazıcıSeçimiİptal = true;
    reject();
}
