// Printing speed.
//  1. 500 sheets into PDF, each its own document as in a print run (the printer object is
//     ended after every sheet and the next one starts a new file): sheets per second.
//  2. Through a private cupsd with a cups-pdf queue: the time the program spends on one job,
//     from the start of the sheet to the job having been handed to the spooler.

#include "common/YazıcıNesnesi.h"
#include "destek/CupsSunucusu.h"
#include "destek/TestOrtamı.h"
#include "forms/İmzaFöyü.h"
#include "gui/YazıcıApileri.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <numeric>

namespace {

FöyBilgileri Bilgiler(int sıra)
{
    FöyBilgileri b;
    b.kurumAdı = QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ");
    b.ayAdı = QStringLiteral("OCAK");
    b.ayNo = 1;
    b.başlıkYılı = 2024;
    b.tarihYılı = QStringLiteral("2024");
    b.sicili = QString::number(1000 + sıra);
    b.adıSoyadı = QStringLiteral("Personel %1").arg(sıra);
    b.ünvanı = QStringLiteral("Memur");
    b.servisi = QStringLiteral("İdari");
    b.sıraNo = QString::number(sıra);
    b.tatilMi = [](const QDate& t) { return t == QDate(2024, 1, 1); };
    return b;
}

void PdfHızı()
{
    constexpr int Adet = 500;
    QTemporaryDir klasör;
    QPrinter yazıcı(QPrinter::HighResolution);
    yazıcı.setOutputFormat(QPrinter::PdfFormat);
    yazıcı.setPageSize(QPageSize(QPageSize::A4));
    YazıcıNesnesi nesne(&yazıcı);
    QElapsedTimer süre;
    süre.start();
    const std::clock_t işlemciBaşı = std::clock();
    int bozuk = 0;
    for (int i = 0; i < Adet; ++i) {
        yazıcı.setOutputFileName(klasör.path() + QStringLiteral("/foy%1.pdf").arg(i));
        bozuk += !İmzaFöyü(nesne, Bilgiler(i)).Yazdır();
    }
    const double saniye = süre.nsecsElapsed() / 1e9;
    const double işlemci = double(std::clock() - işlemciBaşı) / CLOCKS_PER_SEC;
    // The processor time tells the program's own cost when other work shares the machine.
    std::printf("PDF: %d föy (her biri ayrı belge) %.2f s içinde: %.0f föy/s, föy başına %.2f ms"
                " (%d hatalı)\n",
                Adet, saniye, Adet / saniye, 1000 * saniye / Adet, bozuk);
    std::printf("PDF: işlemci zamanı %.2f s: föy başına %.2f ms, %.0f föy/s\n", işlemci,
                1000 * işlemci / Adet, Adet / işlemci);
}

void SpoolerHızı()
{
    CupsSunucusu sunucu({QStringLiteral("olcum")});
    if (!sunucu.Neden().isEmpty()) {
        std::printf("cupsd: ölçülemedi (%s)\n", qPrintable(sunucu.Neden()));
        return;
    }
    GeçerliYazıcıyıAyarla(sunucu.Kuyruk(0));
    constexpr int Adet = 30;
    std::vector<double> süreler;
    int bozuk = 0;
    QElapsedTimer toplam;
    toplam.start();
    for (int i = 0; i < Adet; ++i) {
        QElapsedTimer süre;
        süre.start();
        bozuk += !İmzaFöyü(GeçerliYazıcı(), Bilgiler(i)).Yazdır();
        süreler.push_back(süre.nsecsElapsed() / 1e6);
    }
    const double teslim = toplam.nsecsElapsed() / 1e6;
    const std::vector<CupsSunucusu::İş> işler = sunucu.İşleriBekle(sunucu.Kuyruk(0), Adet);
    const double bitiş = toplam.nsecsElapsed() / 1e6;
    std::sort(süreler.begin(), süreler.end());
    const double ortalama = std::accumulate(süreler.begin(), süreler.end(), 0.0) / Adet;
    std::printf("cupsd: %d iş, iş başına programda geçen süre (föyün başından işin sıraya "
                "verilmesine): ortalama %.1f ms, ortanca %.1f ms, en kısa %.1f ms, en uzun "
                "%.1f ms (%d hatalı)\n",
                Adet, ortalama, süreler[Adet / 2], süreler.front(), süreler.back(), bozuk);
    std::printf("cupsd: %d işin hepsi %.0f ms içinde teslim edildi; kuyruk %zu işi %.1f s "
                "içinde PDF'e yazdı\n",
                Adet, teslim, işler.size(), bitiş / 1000);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    TestOrtamı ortam;
    ortam.VeritabanınıAç();
    // The spooler first: the process has to be pointed at it before printers are listed.
    SpoolerHızı();
    PdfHızı();
    return 0;
}
