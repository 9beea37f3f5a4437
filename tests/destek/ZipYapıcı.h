#pragma once
// The files under a folder as a zip archive, each named by its path from there: the tests make
// the spreadsheets that are zip archives (.xlsx, .ods) from the parts kept beside them.

#include <QDirIterator>
#include <QTemporaryDir>
#include <zip.h>

inline QByteArray KlasörüZiple(const QString& klasör)
{
    const QTemporaryDir geçici;
    const QString yol = geçici.filePath(QStringLiteral("arşiv.zip"));
    zip_t* arşiv = zip_open(QFile::encodeName(yol).constData(), ZIP_CREATE, nullptr);
    for (QDirIterator i(klasör, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         i.hasNext();) {
        const QString dosya = i.next();
        zip_file_add(arşiv, dosya.mid(klasör.size() + 1).toUtf8().constData(),
                     zip_source_file(arşiv, QFile::encodeName(dosya).constData(), 0, -1),
                     ZIP_FL_ENC_UTF_8);
    }
    zip_close(arşiv);
    QFile zip(yol);
    zip.open(QIODevice::ReadOnly);
    return zip.readAll();
}
