#include "AnaForm.h"
#include "YazdırFormu.h"
#include "YazıcıSeçmeFormu.h"
#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "controls/DüğmeliKutu.h"
#include "ui_AnaForm.h"
#include "İmzaFöyü.h"

bool AnaForm::Yazdır()
{
    return İmzaFöyü(GeçerliYazıcı(), GeçerliFöyBilgileri()).Yazdır();
}

FöyBilgileri AnaForm::GeçerliFöyBilgileri() const
{
    FöyBilgileri bilgiler;
    bilgiler.kurumAdı = KurumAdı;
    bilgiler.ayAdı = ui->AyKutusu->currentText();
    bilgiler.ayNo = ui->AyKutusu->currentData().toInt();
    bilgiler.başlıkYılı = ui->YılKutusu->Value();
    bilgiler.tarihYılı = ui->YılKutusu->Text();
    bilgiler.sicili = ui->SiciliKutusu->text();
    bilgiler.adıSoyadı = ui->AdıSoyadıKutusu->text();
    bilgiler.ünvanı = ui->ÜnvanıKutusu->text();
    bilgiler.servisi = ui->ServisiKutusu->text();
    bilgiler.sıraNo = ui->SıraNoKutusu->text();
    bilgiler.tatilMi = [this](const QDate& tarih) { return TatilMi(tarih); };
    return bilgiler;
}

void AnaForm::YazdırmaİşiniBaşlat()
{
    Tuzak([] { YazıcıSeçimiİptal = false; });
    Tuzak([this] {
        YazıcıSeçmeFormu seçme(this);
        seçme.exec();
    });
    if (YazıcıSeçimiİptal) {
        YazıcıSeçimiİptal = false;
        return;
    }
    // The holiday calendar may have changed since the month was chosen.
    AyKutusu_Click();
    Tuzak([this] { ui->YazdırDüğmesi->setEnabled(false); });
    Tuzak([this] {
        YazdırFormu ilerleme(
            ui->PersonelListesi, [this](int satır) { return KişiyiGöster(satır); },
            [this] { return Yazdır(); }, this);
        ilerleme.exec();
    });
    Tuzak([this] { ui->YazdırDüğmesi->setEnabled(true); });
}
