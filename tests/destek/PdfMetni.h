#pragma once
// The text pdftotext reads from a PDF file; every page ends with a form feed. cups-pdf's
// re-encoded fonts make poppler talk on stderr, which is dropped.

#include <QString>

QString PdfMetni(const QString& pdf);
