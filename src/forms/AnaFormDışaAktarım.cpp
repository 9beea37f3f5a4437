// The main window's way out without a print run: the marked entries' sheets as the pages of a
// print preview or of one PDF file. Both are drawn by the same sheet code as a print run, on the
// holiday set rebuilt first, and leave the marks as they are.

#include "AnaForm.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/SayfalıYazıcı.h"
#include "controls/DüğmeliKutu.h"
#include "gui/OrtakYordamlarModülü.h"
#include "gui/YazıcıApileri.h"
#include "İmzaFöyü.h"

#include <QFileDialog>
#include <QMenu>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace {
// Runs of more people than this show their progress and can be cancelled.
constexpr int İlerlemesizKişiSayısı = 36;
// The sheet keeps clear of the paper's edge by this much on a page without printer margins.
constexpr qreal PdfKenarMm = 5;
constexpr int PdfÇözünürlüğü = 600;
} // namespace

void AnaForm::FöyMenüsünüAç(const QWidget* denetim, const QPoint& yer)
{
    auto* menü = new QMenu(this);
    menü->setAttribute(Qt::WA_DeleteOnClose);
    menü->addAction(QStringLiteral("&Baskı Önizleme..."), this, &AnaForm::BaskıÖnizleme_Click);
    menü->addAction(QStringLiteral("&PDF Dosyası Olarak Kaydet..."), this,
                    &AnaForm::PdfDosyasıOlarakKaydet_Click);
    menü->addSeparator();
    menü->addAction(QStringLiteral("Personel Listesini İçe &Aktar..."), this,
                    &AnaForm::PersonelListesiniİçeAktar_Click);
    menü->addAction(QStringLiteral("Personel Listesini &Dışa Aktar..."), this,
                    &AnaForm::PersonelListesiniDışaAktar_Click);
    menü->popup(denetim->mapToGlobal(yer));
}

// The preview is drawn for the current printer's paper, or A4 when there is no printer.
void AnaForm::BaskıÖnizleme_Click()
{
    if (!FöyHazırMı())
        return;
    Tuzak([this] {
        QPrinter yazıcı(QPrinter::HighResolution);
        if (YazıcıVar && YazıcıYüklüMü(GeçerliYazıcıAdı()))
            yazıcı.setPrinterName(GeçerliYazıcıAdı());
        else
            yazıcı.setPageSize(QPageSize(QPageSize::A4));
        QPrintPreviewDialog önizleme(&yazıcı, this);
        önizleme.setWindowTitle(QStringLiteral("Baskı Önizleme"));
        connect(&önizleme, &QPrintPreviewDialog::paintRequested, this, &AnaForm::ÖnizlemeyiÇiz);
        önizleme.exec();
    });
}

// The preview's pages are one document; printing from the preview sends one job per person, as
// a print run does, and a file chosen there holds every page.
void AnaForm::ÖnizlemeyiÇiz(QPrinter* yazıcı)
{
    AyKutusu_Click();
    const bool sayfalı = yazıcı->paintEngine()->type() == QPaintEngine::Picture ||
                         yazıcı->outputFormat() == QPrinter::PdfFormat;
    if (sayfalı) {
        SayfalıYazıcı sayfalar(yazıcı);
        FöyleriÇiz(sayfalar);
        sayfalar.Bitir();
    } else {
        FöyleriÇiz(*YazıcıNesnesiOluştur(yazıcı));
    }
}

// The file is written beside its place and takes it only once every page came out whole.
void AnaForm::PdfDosyasıOlarakKaydet_Click()
{
    if (!FöyHazırMı())
        return;
    QString yol;
    Tuzak([&] {
        const QString ad = QStringLiteral("Mesai İmza Föyleri - %1 %2.pdf")
                               .arg(ui.AyKutusu->currentText(), ui.YılKutusu->Text());
        yol = QFileDialog::getSaveFileName(this, QStringLiteral("PDF Dosyası Olarak Kaydet"),
                                           DosyaPenceresiKlasörü() + QLatin1Char('/') + ad,
                                           QStringLiteral("PDF dosyaları (*.pdf)"));
    });
    if (yol.isEmpty())
        return;
    AyKutusu_Click();
    Tuzak([&] {
        QSaveFile dosya(yol);
        ÇizimSonucu sonuç = ÇizimSonucu::Eksik;
        if (dosya.open(QIODevice::WriteOnly)) {
            QPdfWriter pdf(&dosya);
            pdf.setCreator(ProgramBaşlığı);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(PdfKenarMm, PdfKenarMm, PdfKenarMm, PdfKenarMm),
                               QPageLayout::Millimeter);
            pdf.setResolution(PdfÇözünürlüğü);
            SayfalıYazıcı sayfalar(&pdf);
            sonuç = FöyleriÇiz(sayfalar);
            if (!sayfalar.Bitir() && sonuç == ÇizimSonucu::Tam)
                sonuç = ÇizimSonucu::Eksik;
        }
        if (sonuç == ÇizimSonucu::Tam && dosya.commit())
            return;
        dosya.cancelWriting();
        if (sonuç == ÇizimSonucu::İptal)
            return;
        MesajKutusunuOrtala();
        MesajKutusu(
            {QStringLiteral("PDF dosyası kaydedilemedi:\r\n\r\n") + yol, MesajSimgesi::Ünlem});
    });
}

AnaForm::ÇizimSonucu AnaForm::FöyleriÇiz(YazıcıNesnesi& yazıcı)
{
    const PersonelModeli& kişiler = ui.PersonelListesi->Kişiler();
    std::vector<int> satırlar;
    for (int satır = 0; satır < kişiler.rowCount(); ++satır)
        if (kişiler.İşaretliMi(satır))
            satırlar.push_back(satır);
    std::unique_ptr<QProgressDialog> ilerleme;
    if (int(satırlar.size()) > İlerlemesizKişiSayısı) {
        ilerleme = std::make_unique<QProgressDialog>(QStringLiteral("Föyler hazırlanıyor..."),
                                                     QStringLiteral("İptal"), 0,
                                                     int(satırlar.size()), this);
        ilerleme->setWindowModality(Qt::WindowModal);
        ilerleme->setMinimumDuration(0);
    }
    ÇizimSonucu sonuç = ÇizimSonucu::Tam;
    for (std::size_t i = 0; i < satırlar.size(); ++i) {
        if (ilerleme) {
            ilerleme->setValue(int(i));
            if (ilerleme->wasCanceled())
                return ÇizimSonucu::İptal;
        }
        if (!KişiyiGöster(satırlar[i]) || !İmzaFöyü(yazıcı, GeçerliFöyBilgileri()).Yazdır())
            sonuç = ÇizimSonucu::Eksik;
    }
    return sonuç;
}
