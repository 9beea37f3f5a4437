#include "SayfaResmi.h"

#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

// cups-pdf's re-encoded fonts make poppler talk on stderr; what it writes out is what counts.
QByteArray Çalıştır(const QString& program, const QStringList& değişkenler)
{
    QProcess süreç;
    süreç.setStandardErrorFile(QProcess::nullDevice());
    süreç.start(program, değişkenler);
    süreç.waitForFinished(60000);
    return süreç.readAllStandardOutput();
}

} // namespace

std::vector<int> Çizgiler(const QImage& resim, double pay, bool yatay)
{
    const int boy = yatay ? resim.height() : resim.width();
    const int en = yatay ? resim.width() : resim.height();
    std::vector<int> çizgiler;
    int başlangıç = -1;
    for (int i = 0; i <= boy; ++i) {
        int koyu = 0;
        for (int j = 0; i < boy && j < en; ++j)
            koyu += qGray(yatay ? resim.pixel(j, i) : resim.pixel(i, j)) < 160;
        if (koyu > pay * en && başlangıç < 0)
            başlangıç = i;
        if (koyu <= pay * en && başlangıç >= 0) {
            çizgiler.push_back((başlangıç + i - 1) / 2);
            başlangıç = -1;
        }
    }
    return çizgiler;
}

QImage PdfResmi(const QString& pdf, int dpi, const QString& png)
{
    const QString kök = png.chopped(4);
    Çalıştır(u"pdftoppm"_s, {u"-png"_s, u"-r"_s, QString::number(dpi), u"-f"_s, u"1"_s,
                             u"-singlefile"_s, pdf, kök});
    return QImage(png);
}

QString PdfMetni(const QString& pdf)
{
    return QString::fromUtf8(Çalıştır(u"pdftotext"_s, {pdf, u"-"_s}));
}
