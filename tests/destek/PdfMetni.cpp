#include "PdfMetni.h"

#include <QProcess>

QString PdfMetni(const QString& pdf)
{
    QProcess süreç;
    süreç.setStandardErrorFile(QProcess::nullDevice());
    süreç.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    süreç.waitForFinished(60000);
    return QString::fromUtf8(süreç.readAllStandardOutput());
}
