// The readers of spreadsheet files and the import's checks: no input crashes them or takes them
// past their limits, a file is either read or refused with Hata 321, and every row they would
// add makes a sound insert statement, normalised already. The input's first byte chooses how it
// is read: as delimited text, as an .xlsx and an .ods file, as an .xls file, or zipped here as
// the sheet and shared strings of a workbook and as the content of a document, so that the XML
// readers see more than the zip reader's refusals. Reading every input every way made each run
// several times as slow, and the fuzzer varies that byte as any other.

#include "FuzzOrtak.h"
#include "common/Hata.h"
#include "data/Deyimler.h"
#include "transfer/PersonelİçeAktarımı.h"

#include <QFile>
#include <QTemporaryDir>
#include <zip.h>

namespace {
QByteArray Zip(const std::vector<std::pair<const char*, QByteArray>>& parçalar)
{
    zip_source_t* kaynak = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t* arşiv = zip_open_from_source(kaynak, ZIP_TRUNCATE, nullptr);
    zip_source_keep(kaynak);
    // Stored, not deflated: compressing every input cost more than reading it back.
    for (const auto& [ad, veri] : parçalar) {
        const zip_int64_t sıra = zip_file_add(
            arşiv, ad, zip_source_buffer(arşiv, veri.constData(), zip_uint64_t(veri.size()), 0), 0);
        zip_set_file_compression(arşiv, zip_uint64_t(sıra), ZIP_CM_STORE, 0);
    }
    zip_close(arşiv);
    QByteArray sonuç;
    zip_stat_t bilgi;
    if (zip_source_stat(kaynak, &bilgi) == 0 && zip_source_open(kaynak) == 0) {
        sonuç.resize(qsizetype(bilgi.size));
        zip_source_read(kaynak, sonuç.data(), bilgi.size);
        zip_source_close(kaynak);
    }
    zip_source_free(kaynak);
    return sonuç;
}

void Denetle(const std::function<Tablo()>& oku, const QString& girdi)
{
    Tablo tablo;
    try {
        tablo = oku();
    } catch (const Hata& hata) {
        FUZZ_DOGRULA(hata.Numara() == HataNo::GeçersizDosyaBiçimi, girdi);
        return;
    }
    FUZZ_DOGRULA(tablo.size() <= std::size_t(EnÇokSatır), girdi);
    for (const QStringList& satır : tablo) {
        FUZZ_DOGRULA(satır.size() <= EnÇokSütun, girdi);
        FUZZ_DOGRULA(!satır.join(QString()).trimmed().isEmpty(), girdi);
        for (const QString& hücre : satır)
            FUZZ_DOGRULA(hücre.size() <= EnUzunHücre, girdi);
    }
    try {
        const PersonelİçeAktarımı aktarım(tablo, {});
        using D = PersonelİçeAktarımı::Durum;
        FUZZ_DOGRULA(std::size_t(aktarım.Sayı(D::Eklenecek) + aktarım.Sayı(D::ZatenKayıtlı) +
                                 aktarım.Sayı(D::Hatalı)) == aktarım.Satırlar().size(),
                     girdi);
        for (const PersonelİçeAktarımı::Satır& satır : aktarım.Satırlar()) {
            if (satır.durum != D::Eklenecek)
                continue;
            const PersonelKaydı& k = satır.kayıt;
            for (std::size_t i = 0; i < k.size(); ++i)
                FUZZ_DOGRULA(AlanıDüzelt(int(i), k[i]) == k[i], girdi);
            bool kurulur = true;
            try {
                Deyim::PersonelEkle(k[0], k[1], k[2], k[3], k[4]);
            } catch (const Hata&) {
                kurulur = false;
            }
            FUZZ_DOGRULA(kurulur, girdi);
        }
    } catch (const Hata& hata) {
        FUZZ_DOGRULA(hata.Numara() == HataNo::GeçersizDosyaBiçimi, girdi);
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    if (boyut == 0)
        return 0;
    const QByteArray bayt(reinterpret_cast<const char*>(veri), qsizetype(boyut));
    const QString girdi = FuzzMetni(veri, boyut);
    switch (veri[0] % 4) {
    case 0:
        Denetle(
            [&] {
                return XlsxOku(Zip(
                    {{"xl/workbook.xml", R"(<workbook xmlns:r="urn:r"><sheets><sheet r:id="s"/>)"
                                         R"(</sheets></workbook>)"},
                     {"xl/_rels/workbook.xml.rels",
                      R"(<Relationships><Relationship Id="s" Type="/worksheet" Target="a.xml"/>)"
                      R"(<Relationship Id="d" Type="/sharedStrings" Target="a.xml"/>)"
                      R"(</Relationships>)"},
                     {"xl/a.xml", bayt}}));
            },
            girdi);
        Denetle([&] { return OdsOku(Zip({{"content.xml", bayt}})); }, girdi);
        break;
    case 1:
        Denetle([&] { return XlsxOku(bayt); }, girdi);
        Denetle([&] { return OdsOku(bayt); }, girdi);
        break;
    case 2: {
        // FreeXL reads files only, and refuses at once what does not start as a compound
        // document: only such inputs are worth a file.
        if (!bayt.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
            break;
        static const QTemporaryDir klasör;
        const QString xls = klasör.filePath(QStringLiteral("girdi.xls"));
        QFile dosya(xls);
        if (dosya.open(QIODevice::WriteOnly) && dosya.write(bayt) == bayt.size() && dosya.flush())
            Denetle([&] { return XlsOku(xls); }, girdi);
        break;
    }
    default:
        Denetle([&] { return CsvOku(bayt, PersonelİçeAktarımı::BaşlıkSatırıMı); }, girdi);
    }
    return 0;
}
