// The main window's way out without a print run: the marked entries' sheets as the pages of a
// print preview or of one PDF file. Both are drawn by the same sheet run as a print run, on the
// holiday set rebuilt first, and leave the marks and the current entry as they are.

#include "AnaForm.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/SayfalıYazıcı.h"
#include "controls/DüğmeliKutu.h"
#include "gui/OrtakYordamlarModülü.h"
#include "gui/YazıcıApileri.h"

#include <QFileDialog>
#include <QMenu>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>

namespace {
// The preview takes this share of the screen's width and height.
constexpr qreal ÖnizlemePayı = 0.9;
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
        // Most of the screen; the preview fits one whole page to the window.
        const QRect alan = screen()->availableGeometry();
        önizleme.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                                 alan.size() * ÖnizlemePayı, alan));
        connect(&önizleme, &QPrintPreviewDialog::paintRequested, this, &AnaForm::ÖnizlemeyiÇiz);
        önizleme.exec();
    });
}

// The preview's pages are one document. Printing from the preview sends one job per person, as
// a print run does, and tells when a sheet did not come out whole; a file chosen there is written
// as "PDF Dosyası Olarak Kaydet" writes one.
void AnaForm::ÖnizlemeyiÇiz(QPrinter* yazıcı)
{
    AyKutusu_Click();
    if (yazıcı->paintEngine()->type() == QPaintEngine::Picture) {
        SayfalıYazıcı sayfalar(yazıcı);
        FöyleriÇiz(sayfalar);
        sayfalar.Bitir();
        return;
    }
    if (yazıcı->outputFormat() == QPrinter::PdfFormat) {
        PdfYaz(yazıcı->outputFileName(), yazıcı->pageLayout());
        return;
    }
    if (FöyleriÇiz(*YazıcıNesnesiOluştur(yazıcı)) != FöyTuru::Sonuç::Eksik)
        return;
    MesajKutusunuOrtala();
    MesajKutusu({QStringLiteral("Mesai cetvellerinin bir kısmı yazdırılamadı!\r\n\r\n"
                                "Lütfen, yazıcıyı kontrol edip tekrar deneyiniz."),
                 MesajSimgesi::Ünlem});
}

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
    PdfYaz(yol, QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                            QMarginsF(PdfKenarMm, PdfKenarMm, PdfKenarMm, PdfKenarMm),
                            QPageLayout::Millimeter));
}

// The file is written beside its place and takes it only once every page came out whole; a run
// called off leaves the file as it was.
void AnaForm::PdfYaz(const QString& yol, const QPageLayout& sayfa)
{
    Tuzak([&] {
        QSaveFile dosya(yol);
        FöyTuru::Sonuç sonuç = FöyTuru::Sonuç::Eksik;
        if (dosya.open(QIODevice::WriteOnly)) {
            QPdfWriter pdf(&dosya);
            pdf.setCreator(ProgramBaşlığı);
            pdf.setPageLayout(sayfa);
            pdf.setResolution(PdfÇözünürlüğü);
            SayfalıYazıcı sayfalar(&pdf);
            sonuç = FöyleriÇiz(sayfalar);
            if (!sayfalar.Bitir() && sonuç == FöyTuru::Sonuç::Tam)
                sonuç = FöyTuru::Sonuç::Eksik;
        }
        if (sonuç == FöyTuru::Sonuç::Tam && dosya.commit())
            return;
        dosya.cancelWriting();
        if (sonuç == FöyTuru::Sonuç::İptal)
            return;
        MesajKutusunuOrtala();
        MesajKutusu(
            {QStringLiteral("PDF dosyası kaydedilemedi:\r\n\r\n") + yol, MesajSimgesi::Ünlem});
    });
}
