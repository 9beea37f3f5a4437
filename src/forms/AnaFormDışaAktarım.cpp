// The main window's way out without a print run: the marked entries' sheets as the pages of a
// print preview or of one PDF file. Both are drawn by the same sheet run as a print run, on the
// holiday set rebuilt first, and leave the marks as they are.

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
#include <QStandardPaths>

namespace {
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
        yol = QFileDialog::getSaveFileName(
            this, QStringLiteral("PDF Dosyası Olarak Kaydet"),
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QLatin1Char('/') +
                ad,
            QStringLiteral("PDF dosyaları (*.pdf)"));
    });
    if (yol.isEmpty())
        return;
    AyKutusu_Click();
    Tuzak([&] {
        QSaveFile dosya(yol);
        FöyTuru::Sonuç sonuç = FöyTuru::Sonuç::Eksik;
        if (dosya.open(QIODevice::WriteOnly)) {
            QPdfWriter pdf(&dosya);
            pdf.setCreator(ProgramBaşlığı);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            pdf.setPageMargins(QMarginsF(PdfKenarMm, PdfKenarMm, PdfKenarMm, PdfKenarMm),
                               QPageLayout::Millimeter);
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
