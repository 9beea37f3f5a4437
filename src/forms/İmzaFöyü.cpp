#include "İmzaFöyü.h"

#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/Sayılar.h"
#include "common/YazıcıNesnesi.h"
#include "data/Veritabanı.h"

#include <QLocale>
#include <algorithm>

namespace {

const QString PazarMetni = QStringLiteral("PAZAR");
const QString TatilMetni = QStringLiteral("TATİL");

// From the top of the printable area to the lower edge of the 31st row's bar the sheet takes
// 19.8 mm of spacing down to the first row and 4.1 mm in each row, besides the line height
// of every title line, the five person lines, the header and every row.
constexpr float SabitAralıklar = 19.8f + 31 * 4.1f;
constexpr int BaşlıksızSatırSayısı = 6 + 31;
// A smaller font leaves this much between the last row's bar and the frame's bottom.
constexpr float AltPay = 1;
constexpr qreal EnKüçükPunto = 1;

} // namespace

İmzaFöyü::İmzaFöyü(YazıcıNesnesi& yazıcı, FöyBilgileri bilgiler)
    : yazıcı_(yazıcı), bilgiler_(std::move(bilgiler))
{
}

bool İmzaFöyü::Yazdır()
{
    YazıcıNesnesi& y = yazıcı_;
    qint16 haftaİçi = 0;
    qint16 haftaSonu = 0;
    float ÜstKenar = 0;
    float SağBoşluk = 0;
    float AltBoşluk = 0;
    float AltKenar = 0;
    float TabloÜstü = 0;
    qint16 yıl = 0;
    QStringList başlık;
    y.HataKaydınıSıfırla();
    y.BelgeAdınıAyarla(bilgiler_.adıSoyadı + QStringLiteral(" - Mesai İmza Föyü"));

    // A sheet is drawn only from hours and a period that could be read.
    const bool okundu =
        Tuzak([&] {
            TabloKümesi süreler = Veritabanı.TabloAç(QStringLiteral("MesaiSüreleriTablosu"));
            haftaİçi = KısaTamsayı(süreler.Alan(QStringLiteral("HaftaIciSuresi")));
            haftaSonu = KısaTamsayı(süreler.Alan(QStringLiteral("HaftaSonuSuresi")));
            süreler.Kapat();
        }) &&
        Tuzak([&] { yıl = KısaTamsayı(bilgiler_.tarihYılı); });
    if (!okundu)
        return false;
    // Each line of the institution name is a line of the title; the last one carries the rest.
    Tuzak([&] {
        başlık = QString(bilgiler_.kurumAdı)
                     .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                     .split(QLatin1Char('\n'));
        başlık.last() += QStringLiteral(" MESAİ İMZA FÖYÜ - ") + bilgiler_.ayAdı +
                         QLatin1Char(' ') + QString::number(bilgiler_.başlıkYılı);
    });
    // The printer object measures in millimetres; the pen is the one setting a sheet makes.
    Tuzak([&] { y.KalemGenişliğiniAyarla(3); });
    Tuzak([&] {
        SolKenar = 5;
        ÜstKenar = 5;
        SağBoşluk = 0;
        AltBoşluk = 5;
        SağKenar = y.Genişlik() - (SağBoşluk + SolKenar);
        AltKenar = y.Yükseklik() - (AltBoşluk + ÜstKenar);
    });
    Tuzak([&] { YazıBoyutunuSeç(AltKenar, int(başlık.size())); });
    // The frame: four rectangles without height or width, each from where the last ended.
    Tuzak([&] {
        y.DoluDikdörtgen(SolKenar, ÜstKenar, SağKenar, ÜstKenar);
        y.DoluDikdörtgen(SağKenar, AltKenar);
        y.DoluDikdörtgen(SolKenar, AltKenar);
        y.DoluDikdörtgen(SolKenar, ÜstKenar);
    });
    // Each line centred on the whole printable width, measured before bold is switched on.
    Tuzak([&] { y.YAyarla(ÜstKenar * 1.8f); });
    for (const QString& satır : başlık) {
        Tuzak([&] { y.XAyarla((y.Genişlik() - y.MetinGenişliği(satır)) / 2); });
        Tuzak([&] {
            y.KalınYazı(true);
            y.SatırYaz(satır);
            y.KalınYazı(false);
        });
    }
    Tuzak([&] { y.YAyarla(y.Y() + 1.8f); });
    Tuzak([&] {
        const float cy = y.Y();
        y.DoluDikdörtgen(SolKenar, cy + 1, SağKenar, cy + 1);
    });
    Tuzak([&] { y.YAyarla(y.Y() + 2); });
    BilgiSatırıYaz(QStringLiteral("Sicili"), bilgiler_.sicili);
    BilgiSatırıYaz(QStringLiteral("Adı Soyadı"), bilgiler_.adıSoyadı);
    BilgiSatırıYaz(QStringLiteral("Ünvanı"), bilgiler_.ünvanı);
    BilgiSatırıYaz(QStringLiteral("Birimi"), bilgiler_.servisi);
    BilgiSatırıYaz(QStringLiteral("Sıra No"), bilgiler_.sıraNo);
    Tuzak([&] {
        const float cy = y.Y();
        y.DoluDikdörtgen(SolKenar, cy + 2, SağKenar, cy + 2);
    });
    Tuzak([&] {
        TabloÜstü = y.Y();
        TarihSütunuGenişliği = 30;
    });
    Tuzak([&] {
        y.KalınYazı(true);
        const QString tarih = QStringLiteral("TARİH");
        y.XAyarla(SolKenar + (TarihSütunuGenişliği - y.MetinGenişliği(tarih)) / 2);
        y.YAyarla(y.Y() + 2);
        y.Yaz(tarih);
    });
    Tuzak([&] { SütunGenişliği = (SağKenar - TarihSütunuGenişliği) / 3; });
    Tuzak([&] {
        const float x1 = SolKenar + TarihSütunuGenişliği;
        const QString giriş = QStringLiteral("GİRİŞ");
        const QString çıkış = QStringLiteral("ÇIKIŞ");
        const QString kontrol = QStringLiteral("KONTROL");
        y.XAyarla(Ortası(x1, giriş));
        y.Yaz(giriş);
        y.XAyarla(Ortası(x1 + SütunGenişliği, çıkış));
        y.Yaz(çıkış);
        y.XAyarla(Ortası(x1 + 2 * SütunGenişliği, kontrol));
        y.SatırYaz(kontrol);
    });
    Tuzak([&] {
        const float cy = y.Y();
        y.DoluDikdörtgen(SolKenar, cy + 2, SağKenar, cy + 2);
    });
    GünSatırlarıYaz(yıl);
    // The column lines run down to the frame's bottom however many days the month has.
    Tuzak([&] {
        const float x1 = SolKenar + TarihSütunuGenişliği;
        y.Çizgi(x1, TabloÜstü, x1, AltKenar);
        y.Çizgi(x1 + SütunGenişliği, TabloÜstü, x1 + SütunGenişliği, AltKenar);
        y.Çizgi(x1 + 2 * SütunGenişliği, TabloÜstü, x1 + 2 * SütunGenişliği, AltKenar);
    });
    // Beside the person block, which every further title line moves down.
    const auto saatSatırı = [&](float cy, const QString& etiket, qint16 saat) {
        y.YAyarla(cy + float(başlık.size() - 1) * y.SatırYüksekliği());
        y.XAyarla(155);
        y.KalınYazı(true);
        y.Yaz(etiket);
        y.XAyarla(172);
        y.Yaz(QStringLiteral(":"));
        y.XAyarla(174);
        y.KalınYazı(false);
        y.Yaz(QString::number(saat) + QStringLiteral(" Saat"));
    };
    Tuzak([&] { saatSatırı(22, QStringLiteral("Hafta İçi"), haftaİçi); });
    Tuzak([&] { saatSatırı(26, QStringLiteral("Hafta Sonu"), haftaSonu); });
    Tuzak([&] {
        y.KalınYazı(false);
        y.BelgeyiBitir();
    });
    return !y.YazıcıHatasıOlduMu();
}

void İmzaFöyü::YazıBoyutunuSeç(float altKenar, int başlıkSatırları)
{
    YazıcıNesnesi& y = yazıcı_;
    const int satırlar = BaşlıksızSatırSayısı + başlıkSatırları;
    qreal punto = YazıcıNesnesi::VarsayılanYazıTipi().pointSizeF();
    y.YazıBoyutunuAyarla(punto);
    if (y.SatırYüksekliği() <= (altKenar - SabitAralıklar) / satırlar)
        return;
    // The line height does not follow the size exactly: every size tried is measured, and
    // the next one is smaller by at least 0.05 pt until the rows fit.
    const float enBüyük = (altKenar - AltPay - SabitAralıklar) / satırlar;
    for (float h = y.SatırYüksekliği(); h > enBüyük && punto > EnKüçükPunto;
         h = y.SatırYüksekliği()) {
        punto = std::max(EnKüçükPunto, std::min(punto * enBüyük / h, punto - 0.05));
        y.YazıBoyutunuAyarla(punto);
    }
}

void İmzaFöyü::BilgiSatırıYaz(const QString& etiket, const QString& değer)
{
    YazıcıNesnesi& y = yazıcı_;
    Tuzak([&] {
        y.KalınYazı(false);
        y.XAyarla(2 * SolKenar);
        y.Yaz(etiket);
    });
    Tuzak([&] {
        y.XAyarla(35);
        y.Yaz(QStringLiteral(":"));
    });
    // Bold stays on: every later text sets its own weight.
    Tuzak([&] {
        y.XAyarla(37);
        y.KalınYazı(true);
        y.SatırYaz(değer);
    });
}

void İmzaFöyü::GünSatırlarıYaz(qint16 yıl)
{
    YazıcıNesnesi& y = yazıcı_;
    const float x1 = SolKenar + TarihSütunuGenişliği;
    for (int gün = 1; gün <= 31; ++gün) {
        // Day 31 of a shorter month rolls into the next one, which ends the table.
        const QDate tarih = QDate(yıl, bilgiler_.ayNo, 1).addDays(gün - 1);
        if (!tarih.isValid() || tarih.month() != bilgiler_.ayNo)
            break;
        QString tarihMetni;
        Tuzak([&] {
            y.KalınYazı(false);
            y.YAyarla(y.Y() + 2.6f);
        });
        Tuzak([&] {
            tarihMetni = QLocale::system().toString(tarih, QLocale::ShortFormat);
            y.XAyarla(SolKenar + (TarihSütunuGenişliği - y.MetinGenişliği(tarihMetni)) / 2);
        });
        Tuzak([&] {
            // A Sunday is marked as such even when it is a holiday as well.
            QString işaret;
            if (tarih.dayOfWeek() == Qt::Sunday)
                işaret = PazarMetni;
            else if (bilgiler_.tatilMi && bilgiler_.tatilMi(tarih))
                işaret = TatilMetni;
            if (işaret.isEmpty()) {
                y.SatırYaz(tarihMetni);
                return;
            }
            y.Yaz(tarihMetni);
            y.XAyarla(Ortası(x1, işaret));
            y.Yaz(işaret);
            y.XAyarla(Ortası(x1 + SütunGenişliği, işaret));
            y.Yaz(işaret);
            y.XAyarla(Ortası(x1 + 2 * SütunGenişliği, işaret));
            y.SatırYaz(işaret);
        });
        Tuzak([&] {
            const float cy = y.Y();
            y.DoluDikdörtgen(SolKenar, cy + 1.4f, SağKenar, cy + 1.5f);
        });
    }
}

float İmzaFöyü::Ortası(float x, const QString& metin)
{
    return x + (SütunGenişliği - yazıcı_.MetinGenişliği(metin)) / 2;
}
