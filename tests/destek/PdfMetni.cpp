#include "PdfMetni.h"

#include <QProcess>

using namespace Qt::StringLiterals;

QString PdfMetni(const QString& pdf)
{
    QProcess süreç;
    süreç.setStandardErrorFile(QProcess::nullDevice());
    süreç.start(u"pdftotext"_s, {pdf, u"-"_s});
    süreç.waitForFinished(60000);
    return QString::fromUtf8(süreç.readAllStandardOutput());
}
