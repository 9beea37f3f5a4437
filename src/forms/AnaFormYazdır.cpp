// The main window's marks and its print run: marking all or none, the print button's checks,
// the printer choice, and the sheet run that the print run, the preview and the PDF file share.

#include "AnaForm.h"
#include "YazdırFormu.h"
#include "YazıcıSeçmeFormu.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "gui/OrtakYordamlarModülü.h"
#include "İmzaFöyü.h"

void AnaForm::ListeyiSeçDüğmesi_Click()
{
    Yoksay([this] { ui.PersonelListesi->Kişiler().HepsiniİşaretleVeyaTemizle(true); });
}

void AnaForm::SeçimiTemizleDüğmesi_Click()
{
    Yoksay([this] { ui.PersonelListesi->Kişiler().HepsiniİşaretleVeyaTemizle(false); });
}

bool AnaForm::İşaretliVarMı() const
{
    const PersonelModeli& kişiler = ui.PersonelListesi->Kişiler();
    for (int i = 0; i < kişiler.rowCount(); ++i)
        if (kişiler.İşaretliMi(i))
            return true;
    return false;
}

void AnaForm::YazdırDüğmesi_Click()
{
    if (!FöyHazırMı())
        return;
    bool yazıcıVar = false;
    Tuzak([&] {
        if (!YazıcıVar) {
            MesajKutusunuOrtala();
            MesajKutusu({QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\n"
                                        "Lütfen, bir yazıcı yükleyip tekrar deneyiniz."),
                         MesajSimgesi::Ünlem});
            return;
        }
        yazıcıVar = true;
    });
    if (yazıcıVar)
        YazdırmaİşiniBaşlat();
}

bool AnaForm::FöyHazırMı()
{
    bool hazır = false;
    Tuzak([&] {
        if (!İşaretliVarMı()) {
            MesajKutusunuOrtala();
            MesajKutusu({QStringLiteral("Lütfen, listeden bir personel seçiniz!")});
            ui.PersonelListesi->setFocus();
            return;
        }
        if (KurumAdı.isEmpty()) {
            MesajKutusunuOrtala();
            MesajKutusu({QStringLiteral("Lütfen, \"Kurum Adı\" giriniz!")});
            ui.KurumAdıGirişiDüğmesi->setFocus();
            return;
        }
        hazır = true;
    });
    return hazır;
}

bool AnaForm::Yazdır(YazıcıNesnesi& yazıcı)
{
    return İmzaFöyü(yazıcı, GeçerliFöyBilgileri()).Yazdır();
}

FöyTuru AnaForm::Föyler()
{
    return FöyTuru(
        ui.PersonelListesi->Kişiler(), [this](int satır) { return KişiyiGöster(satır); },
        [this](YazıcıNesnesi& yazıcı) { return Yazdır(yazıcı); });
}

// An export does not move the user's place.
FöyTuru::Sonuç AnaForm::FöyleriÇiz(YazıcıNesnesi& yazıcı)
{
    const int güncel = ui.PersonelListesi->currentRow();
    const FöyTuru::Sonuç sonuç = Föyler().Çalıştır(yazıcı, FöyTuru::İşaretler::Koru, this);
    Tuzak([&] { KişiyiGöster(güncel); });
    return sonuç;
}

FöyBilgileri AnaForm::GeçerliFöyBilgileri() const
{
    FöyBilgileri bilgiler;
    bilgiler.kurumAdı = KurumAdı;
    bilgiler.ayAdı = ui.AyKutusu->currentText();
    bilgiler.ayNo = ui.AyKutusu->currentData().toInt();
    bilgiler.başlıkYılı = ui.YılKutusu->Value();
    bilgiler.tarihYılı = ui.YılKutusu->Text();
    bilgiler.sicili = ui.SiciliKutusu->text();
    bilgiler.adıSoyadı = ui.AdıSoyadıKutusu->text();
    bilgiler.ünvanı = ui.ÜnvanıKutusu->text();
    bilgiler.servisi = ui.ServisiKutusu->text();
    bilgiler.sıraNo = ui.SıraNoKutusu->text();
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
    Tuzak([this] { ui.YazdırDüğmesi->setEnabled(false); });
    Tuzak([this] {
        FöyTuru tur = Föyler();
        YazdırFormu ilerleme(tur, this);
        ilerleme.exec();
    });
    Tuzak([this] { ui.YazdırDüğmesi->setEnabled(true); });
}
