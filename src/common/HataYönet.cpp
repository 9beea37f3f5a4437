#include "HataYönet.h"

#include "Hata.h"
#include "Kaynaklar.h"
#include "OrtakApilerModülü.h"

void HataYönet(const Hata& hata)
{
    const int n = hata.Numara();
    if (n == HataNo::DiskYadaAğHatası || n == HataNo::GeçersizYol) {
        MesajKutusu({QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar "
                                    "deneyiniz!"),
                     MesajSimgesi::Ünlem});
        ProgramıBitir(0);
        return;
    }
    if (n == HataNo::DosyaAçılamıyor) {
        MesajKutusu({QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar "
                                    "deneyiniz!"),
                     MesajSimgesi::Ünlem});
        ProgramıBitir(0);
        return;
    }
    if (n == HataNo::ÖzelKullanımda || n == HataNo::YazıcıHatası)
        return;

    const QString satırSonu = QStringLiteral("\r\n");
    const QString metin = Kaynak::Metin(30) + satırSonu + satırSonu + Kaynak::Metin(40) +
                          QLatin1Char(' ') + QString::number(n) + satırSonu + satırSonu +
                          Kaynak::Metin(50) + QLatin1Char(' ') + hata.Açıklama();
    const Yanıt yanıt = MesajKutusu(
        {metin, MesajSimgesi::Kritik, MesajDüğmeleri::EvetHayır, Kaynak::Metin(60), Yanıt::Evet});
    if (yanıt == Yanıt::Hayır)
        ProgramıBitir(0);
}
