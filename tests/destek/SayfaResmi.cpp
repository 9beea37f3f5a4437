#include "SayfaResmi.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

bool Koyu(const QImage& resim, int x, int y)
{
    return qGray(resim.pixel(x, y)) < 160;
}

std::vector<int> Çizgiler(const QImage& resim, double pay, bool yatay)
{
    const int boy = yatay ? resim.height() : resim.width();
    const int en = yatay ? resim.width() : resim.height();
    std::vector<int> çizgiler;
    int başlangıç = -1;
    for (int i = 0; i <= boy; ++i) {
        int koyu = 0;
        if (i < boy)
            for (int j = 0; j < en; ++j)
                koyu += yatay ? Koyu(resim, j, i) : Koyu(resim, i, j);
        const bool çizgi = i < boy && koyu > pay * en;
        if (çizgi && başlangıç < 0)
            başlangıç = i;
        if (!çizgi && başlangıç >= 0) {
            çizgiler.push_back((başlangıç + i - 1) / 2);
            başlangıç = -1;
        }
    }
    return çizgiler;
}

} // namespace

QImage PdfResmi(const QString& pdf, int dpi, const QString& png)
{
    const QFileInfo hedef(png);
    const QString kök = hedef.path() + QLatin1Char('/') + hedef.completeBaseName();
    // cups-pdf's re-encoded fonts make poppler talk on stderr; the picture is what counts.
    QProcess süreç;
    süreç.setStandardErrorFile(QProcess::nullDevice());
    süreç.start(QStringLiteral("pdftoppm"),
                {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                 kök});
    süreç.waitForFinished(60000);
    return QImage(kök + QStringLiteral(".png"));
}

std::vector<int> YatayÇizgiler(const QImage& resim, double pay)
{
    return Çizgiler(resim, pay, true);
}

std::vector<int> DikeyÇizgiler(const QImage& resim, double pay)
{
    return Çizgiler(resim, pay, false);
}

QString PdfMetni(const QString& pdf)
{
    QProcess süreç;
    süreç.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    süreç.waitForFinished(30000);
    return QString::fromUtf8(süreç.readAllStandardOutput());
}
