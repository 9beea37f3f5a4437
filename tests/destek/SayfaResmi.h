#pragma once
// A printed page as a person sees it: a PDF page rendered to an image with pdftoppm, and the
// long straight lines found on it.

#include <QImage>
#include <QString>
#include <vector>

// Renders the first page of pdf at dpi into png (a .png name, kept for a look) and loads it.
QImage PdfResmi(const QString& pdf, int dpi, const QString& png);

// The rows (or columns) of the image across which dark pixels run for more than the given
// share of its width (or height); neighbouring rows count as one line, given by its middle.
std::vector<int> Çizgiler(const QImage& resim, double pay, bool yatay);
inline std::vector<int> YatayÇizgiler(const QImage& resim, double pay)
{
    return Çizgiler(resim, pay, true);
}
inline std::vector<int> DikeyÇizgiler(const QImage& resim, double pay)
{
    return Çizgiler(resim, pay, false);
}

// The text pdftotext reads from pdf; every page ends with a form feed.
QString PdfMetni(const QString& pdf);
