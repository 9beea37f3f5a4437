#include "Tablo.h"

#include "TabloYapıcı.h"

#include <QFile>
#include <QFileInfo>

Tablo TabloDosyasınıOku(const QString& yol, const BaşlıkSınaması& başlıkMı,
                        const İlerleme& ilerleme)
{
    const QString uzantı = QFileInfo(yol).suffix().toLower();
    if (uzantı == u"xls")
        return XlsOku(yol, ilerleme);
    const bool metin = uzantı == u"csv" || uzantı == u"txt";
    if (!metin && uzantı != u"xlsx" && uzantı != u"ods")
        BiçimHatası(QStringLiteral("Bu türde bir dosya okunamıyor: bir .xlsx, .xls, .ods, .csv "
                                   "ya da .txt dosyası seçiniz."));
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly))
        BiçimHatası(QStringLiteral("Dosya açılamadı."));
    if (dosya.size() > EnBüyükDosya)
        BiçimHatası(
            QStringLiteral("Dosya çok büyük: en çok %1 MB okunabilir.").arg(EnBüyükDosya >> 20));
    const QByteArray veri = dosya.readAll();
    if (metin)
        return CsvOku(veri, başlıkMı, ilerleme);
    return uzantı == u"xlsx" ? XlsxOku(veri, ilerleme) : OdsOku(veri, ilerleme);
}
