// The first table of an OpenDocument spreadsheet. Its rows and cells may stand for several
// alike ones (number-rows-repeated, number-columns-repeated): a sheet's trailing empty rows are
// often one row repeated a million times, and are never laid out one by one here.

#include "TabloYapıcı.h"

#include <QXmlStreamReader>

namespace {
const QString Bozuk =
    QStringLiteral("Dosya bozuk ya da bir OpenDocument hesap tablosu (.ods) değil.");
constexpr QLatin1StringView TabloAdAlanı("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
constexpr QLatin1StringView OfisAdAlanı("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView MetinAdAlanı("urn:oasis:names:tc:opendocument:xmlns:text:1.0");

// How many times the element stands: its count attribute, at least once.
qint64 Kez(const QXmlStreamReader& xml, QLatin1StringView ad)
{
    return std::max<qint64>(1, xml.attributes().value(TabloAdAlanı, ad).toLongLong());
}

// The text of a cell at its start, as the sheet shows it: its paragraphs one to a line, with the
// spaces, tabs and line breaks they mark; notes attached to the cell are no part of it.
QString HücreMetni(QXmlStreamReader& xml)
{
    QString metin;
    int paragraf = 0;
    for (int derinlik = 0; derinlik >= 0 && !xml.atEnd(); metin.truncate(EnUzunHücre)) {
        const QXmlStreamReader::TokenType tür = xml.readNext();
        if (tür == QXmlStreamReader::EndElement) {
            --derinlik;
        } else if (tür == QXmlStreamReader::Characters && derinlik > 0) {
            metin += xml.text();
        } else if (tür == QXmlStreamReader::StartElement && xml.name() == u"annotation") {
            xml.skipCurrentElement();
        } else if (tür == QXmlStreamReader::StartElement) {
            ++derinlik;
            const QStringView ad = xml.name();
            if (xml.namespaceUri() != MetinAdAlanı)
                continue;
            if ((ad == u"p" || ad == u"h") && paragraf++ > 0)
                metin += QLatin1Char('\n');
            else if (ad == u"s")
                metin += QString(
                    std::clamp<qint64>(
                        xml.attributes().value(MetinAdAlanı, QLatin1StringView("c")).toLongLong(),
                        1, EnUzunHücre),
                    QLatin1Char(' '));
            else if (ad == u"tab")
                metin += QLatin1Char('\t');
            else if (ad == u"line-break")
                metin += QLatin1Char('\n');
        }
    }
    return metin;
}

// The manifest of a document saved with a password describes how each part is encrypted.
bool Şifreli(const ZipArşivi& arşiv)
{
    const auto girdi = arşiv.Aç(QStringLiteral("META-INF/manifest.xml"));
    if (!girdi)
        return false;
    QXmlStreamReader xml(girdi.get());
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError())
        if (xml.isStartElement() && xml.name() == u"encryption-data")
            return true;
    return false;
}

void SatırıOku(QXmlStreamReader& xml, TabloYapıcı& tablo)
{
    const qint64 satırKez = Kez(xml, QLatin1StringView("number-rows-repeated"));
    qint64 sütun = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"table-cell" && xml.name() != u"covered-table-cell") {
            xml.skipCurrentElement();
            continue;
        }
        // Columns past the last one kept need no counting.
        const qint64 kez =
            std::min<qint64>(Kez(xml, QLatin1StringView("number-columns-repeated")), EnÇokSütun);
        const QXmlStreamAttributes a = xml.attributes();
        const QStringView tür = a.value(OfisAdAlanı, QLatin1StringView("value-type"));
        const bool sayı = tür == u"float" || tür == u"percentage" || tür == u"currency";
        const QString değer = a.value(OfisAdAlanı, QLatin1StringView("value")).toString();
        const QString metin = HücreMetni(xml);
        for (qint64 i = 0; i < kez && sütun + i < EnÇokSütun; ++i)
            tablo.Hücre(sütun + i, sayı ? SayıMetni(değer) : metin);
        sütun = std::min<qint64>(sütun + kez, EnÇokSütun);
    }
    tablo.SatırıBitir(satırKez);
}
} // namespace

Tablo OdsOku(const QByteArray& veri, const İlerleme& ilerleme)
{
    const ZipArşivi arşiv(veri, Bozuk);
    if (Şifreli(arşiv))
        ŞifreliDosyaHatası();
    const auto girdi = arşiv.Aç(QStringLiteral("content.xml"));
    if (!girdi)
        BiçimHatası(Bozuk);
    TabloYapıcı tablo(ilerleme);
    QXmlStreamReader xml(girdi.get());
    // Rows stand in the table itself or in its groups of rows (header rows, row groups).
    int tabloİçi = 0;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (xml.isStartElement() && xml.namespaceUri() == TabloAdAlanı) {
            if (xml.name() == u"table" && ++tabloİçi > 1)
                break;
            if (xml.name() == u"table-row" && tabloİçi == 1) {
                SatırıOku(xml, tablo);
                tablo.İlerle(girdi->Okunan(), girdi->Boyut());
            }
        } else if (xml.isEndElement() && xml.namespaceUri() == TabloAdAlanı &&
                   xml.name() == u"table") {
            break;
        }
    }
    if (xml.hasError())
        BiçimHatası(Bozuk);
    return tablo.Al();
}
