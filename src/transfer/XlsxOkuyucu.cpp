// The first worksheet of an Office Open XML workbook: the workbook names its sheets in order, its
// relationships say which part each is, and a sheet's cells hold numbers, indexes into the
// shared strings, inline strings, or a formula with the value it had when last calculated.

#include "TabloYapıcı.h"

#include <QDir>
#include <QXmlStreamReader>
#include <map>

namespace {
const QString Bozuk = QStringLiteral("Dosya bozuk ya da bir Excel çalışma kitabı (.xlsx) değil.");

struct İlişki
{
    QString tür;
    QString hedef; // the part's name in the archive
};

// The relationships of a part, by their id; a target is relative to the part's folder.
std::map<QString, İlişki> İlişkiler(const ZipArşivi& arşiv, const QString& bölüm)
{
    const qsizetype bölü = bölüm.lastIndexOf(QLatin1Char('/')) + 1;
    const QString klasör = bölüm.left(bölü);
    std::map<QString, İlişki> ilişkiler;
    const auto girdi =
        arşiv.Aç(klasör + QStringLiteral("_rels/") + bölüm.mid(bölü) + QStringLiteral(".rels"));
    if (!girdi)
        return ilişkiler;
    QXmlStreamReader xml(girdi.get());
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement() || xml.name() != u"Relationship")
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        // A target starting with "/" is named from the archive's root.
        QString hedef = a.value(QLatin1StringView("Target")).toString();
        hedef = QDir::cleanPath(hedef.startsWith(QLatin1Char('/')) ? hedef : klasör + hedef);
        while (hedef.startsWith(QLatin1Char('/')))
            hedef.remove(0, 1);
        ilişkiler[a.value(QLatin1StringView("Id")).toString()] = {
            a.value(QLatin1StringView("Type")).toString(), hedef};
    }
    return ilişkiler;
}

QString Hedef(const std::map<QString, İlişki>& ilişkiler, QStringView tür)
{
    for (const auto& [kimlik, ilişki] : ilişkiler)
        if (ilişki.tür.endsWith(tür))
            return ilişki.hedef;
    return {};
}

// The text of a string item (<si> or <is>) at its start: its runs, without phonetic guides.
QString DizeMetni(QXmlStreamReader& xml)
{
    QString metin;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t")
            metin += xml.readElementText();
        else if (xml.name() == u"r")
            metin += DizeMetni(xml);
        else
            xml.skipCurrentElement();
        metin.truncate(EnUzunHücre);
    }
    return metin;
}

std::vector<QString> PaylaşılanDizeler(const ZipArşivi& arşiv, const QString& bölüm)
{
    std::vector<QString> dizeler;
    const auto girdi = bölüm.isEmpty() ? nullptr : arşiv.Aç(bölüm);
    if (!girdi)
        return dizeler;
    QXmlStreamReader xml(girdi.get());
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError())
        if (xml.isStartElement() && xml.name() == u"si")
            dizeler.push_back(DizeMetni(xml));
    if (xml.hasError())
        BiçimHatası(Bozuk);
    return dizeler;
}

// The worksheet that the workbook names first.
QString İlkSayfa(const ZipArşivi& arşiv, const QString& kitap)
{
    const auto ilişkiler = İlişkiler(arşiv, kitap);
    const auto girdi = arşiv.Aç(kitap);
    if (!girdi)
        BiçimHatası(Bozuk);
    QXmlStreamReader xml(girdi.get());
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement() || xml.name() != u"sheet")
            continue;
        for (const QXmlStreamAttribute& a : xml.attributes()) {
            if (a.name() != u"id" || a.namespaceUri().isEmpty())
                continue;
            const auto ilişki = ilişkiler.find(a.value().toString());
            if (ilişki != ilişkiler.end() && ilişki->second.tür.endsWith(u"/worksheet"))
                return ilişki->second.hedef;
        }
    }
    BiçimHatası(Bozuk);
}

// The column of a cell reference ("AB12" is column 27, counting from 0); -1 without letters.
qint64 Sütun(QStringView başvuru)
{
    qint64 sütun = 0;
    for (const QChar c : başvuru) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        sütun = std::min<qint64>(sütun * 26 + (c.unicode() - u'A' + 1), EnÇokSütun + 1);
    }
    return sütun - 1;
}

void HücreyiOku(QXmlStreamReader& xml, const std::vector<QString>& dizeler, qint64& sütun,
                TabloYapıcı& tablo)
{
    const QXmlStreamAttributes a = xml.attributes();
    const qint64 yer =
        a.hasAttribute(QLatin1StringView("r")) ? Sütun(a.value(QLatin1StringView("r"))) : -1;
    sütun = yer >= 0 ? yer : sütun + 1;
    const QStringView tür = a.value(QLatin1StringView("t"));
    QString değer;
    QString satıriçi;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v")
            değer = xml.readElementText();
        else if (xml.name() == u"is")
            satıriçi = DizeMetni(xml);
        else
            xml.skipCurrentElement();
    }
    if (tür == u"s") {
        bool sayı = false;
        const qsizetype sıra = değer.toLongLong(&sayı);
        tablo.Hücre(sütun, sayı && sıra >= 0 && sıra < qsizetype(dizeler.size())
                               ? dizeler[std::size_t(sıra)]
                               : QString());
    } else if (tür == u"inlineStr") {
        tablo.Hücre(sütun, satıriçi);
    } else if (tür.isEmpty() || tür == u"n") {
        tablo.Hücre(sütun, SayıMetni(değer));
    } else {
        tablo.Hücre(sütun, değer);
    }
}
} // namespace

Tablo XlsxOku(const QByteArray& veri, const İlerleme& ilerleme)
{
    // A workbook saved with a password is no zip archive but an encrypted compound file.
    if (veri.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") &&
        veri.contains(QByteArray::fromRawData("E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o", 27)))
        ŞifreliDosyaHatası();
    const ZipArşivi arşiv(veri, Bozuk);
    QString kitap = Hedef(İlişkiler(arşiv, QString()), u"/officeDocument");
    if (kitap.isEmpty())
        kitap = QStringLiteral("xl/workbook.xml");
    const std::vector<QString> dizeler =
        PaylaşılanDizeler(arşiv, Hedef(İlişkiler(arşiv, kitap), u"/sharedStrings"));
    const auto girdi = arşiv.Aç(İlkSayfa(arşiv, kitap));
    if (!girdi)
        BiçimHatası(Bozuk);
    TabloYapıcı tablo(ilerleme);
    QXmlStreamReader xml(girdi.get());
    qint64 sütun = -1;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (xml.isStartElement() && xml.name() == u"c") {
            HücreyiOku(xml, dizeler, sütun, tablo);
        } else if (xml.isEndElement() && xml.name() == u"row") {
            tablo.SatırıBitir();
            tablo.İlerle(girdi->Okunan(), girdi->Boyut());
            sütun = -1;
        }
    }
    if (xml.hasError())
        BiçimHatası(Bozuk);
    return tablo.Al();
}
