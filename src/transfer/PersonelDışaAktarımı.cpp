#include "PersonelDışaAktarımı.h"

#include "common/Hata.h"
#include "common/Kitaplık.h"
#include "data/Deyimler.h"
#include "data/GüvenliDosya.h"
#include "data/Veritabanı.h"

#include <QFile>
#include <QFileInfo>
#include <xlsxwriter.h>

const std::array<const char*, 5> ListeBaşlıkları = {"Sicili", "Adı Soyadı", "Ünvanı", "Servisi",
                                                    "Sıra No"};

namespace {

// A number that a number cell holds as it stands: no leading zero to lose, and digits few
// enough for a double to keep them all.
bool SayıHücresiMi(const QString& metin)
{
    return !metin.isEmpty() && metin.size() <= 15 &&
           (metin.size() == 1 || metin.front() != QLatin1Char('0')) &&
           std::all_of(metin.begin(), metin.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// libxlsxwriter, loaded at the first workbook written.
struct XlsxWriter
{
    decltype(&::workbook_new) workbook_new;
    decltype(&::workbook_add_worksheet) workbook_add_worksheet;
    decltype(&::workbook_add_format) workbook_add_format;
    decltype(&::format_set_bold) format_set_bold;
    decltype(&::worksheet_set_column) worksheet_set_column;
    decltype(&::worksheet_write_string) worksheet_write_string;
    decltype(&::worksheet_write_number) worksheet_write_number;
    decltype(&::workbook_close) workbook_close;
};

const XlsxWriter& XlsxWriterKitaplığı()
{
    static const XlsxWriter xlsx = [] {
        Kitaplık k("xlsxwriter", 4, HataNo::GeçersizÇağrı);
        return XlsxWriter{
            KITAPLIK_ISLEVI(k, workbook_new),           KITAPLIK_ISLEVI(k, workbook_add_worksheet),
            KITAPLIK_ISLEVI(k, workbook_add_format),    KITAPLIK_ISLEVI(k, format_set_bold),
            KITAPLIK_ISLEVI(k, worksheet_set_column),   KITAPLIK_ISLEVI(k, worksheet_write_string),
            KITAPLIK_ISLEVI(k, worksheet_write_number), KITAPLIK_ISLEVI(k, workbook_close)};
    }();
    return xlsx;
}

bool XlsxYaz(const std::vector<PersonelKaydı>& kayıtlar, const QString& yol)
{
    const XlsxWriter& xlsx = XlsxWriterKitaplığı();
    lxw_workbook* kitap = xlsx.workbook_new(QFile::encodeName(GeçiciYol(yol)).constData());
    if (!kitap)
        return false;
    lxw_worksheet* sayfa = xlsx.workbook_add_worksheet(kitap, "Personel Listesi");
    lxw_format* kalın = xlsx.workbook_add_format(kitap);
    xlsx.format_set_bold(kalın);
    lxw_error sonuç = xlsx.worksheet_set_column(sayfa, 0, 4, 24, nullptr);
    for (lxw_col_t sütun = 0; sütun < ListeBaşlıkları.size(); ++sütun)
        if (sonuç == LXW_NO_ERROR)
            sonuç = xlsx.worksheet_write_string(sayfa, 0, sütun, ListeBaşlıkları[sütun], kalın);
    for (lxw_row_t satır = 1; satır <= kayıtlar.size() && sonuç == LXW_NO_ERROR; ++satır) {
        const PersonelKaydı& kayıt = kayıtlar[satır - 1];
        for (lxw_col_t sütun = 0; sütun < kayıt.size() && sonuç == LXW_NO_ERROR; ++sütun) {
            const QString& metin = kayıt[sütun];
            const bool sayıAlanı = sütun == SicilAlanı || sütun == SıraNoAlanı;
            if (sayıAlanı && SayıHücresiMi(metin))
                sonuç = xlsx.worksheet_write_number(sayfa, satır, sütun, metin.toDouble(), nullptr);
            else if (!metin.isEmpty())
                sonuç = xlsx.worksheet_write_string(sayfa, satır, sütun, metin.toUtf8().constData(),
                                                    nullptr);
        }
    }
    // Closing writes the file, and frees the workbook whatever happened before.
    return xlsx.workbook_close(kitap) == LXW_NO_ERROR && sonuç == LXW_NO_ERROR;
}

QString CsvAlanı(const QString& metin)
{
    if (!metin.contains(QLatin1Char(';')) && !metin.contains(QLatin1Char('"')) &&
        !metin.contains(QLatin1Char('\r')) && !metin.contains(QLatin1Char('\n')))
        return metin;
    QString alan = metin;
    return QLatin1Char('"') + alan.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

bool CsvYaz(const std::vector<PersonelKaydı>& kayıtlar, const QString& yol)
{
    QStringList satırlar;
    QStringList başlık;
    for (const char* ad : ListeBaşlıkları)
        başlık << QString::fromUtf8(ad);
    satırlar << başlık.join(QLatin1Char(';'));
    for (const PersonelKaydı& kayıt : kayıtlar) {
        QStringList alanlar;
        for (const QString& metin : kayıt)
            alanlar << CsvAlanı(metin);
        satırlar << alanlar.join(QLatin1Char(';'));
    }
    const QByteArray veri =
        "\xEF\xBB\xBF" + (satırlar.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    QFile dosya(GeçiciYol(yol));
    return dosya.open(QIODevice::WriteOnly) && dosya.write(veri) == veri.size() && dosya.flush();
}
} // namespace

std::vector<PersonelKaydı> KayıtlıPersonel()
{
    // The list's own statement gives the order, and each person's record is read as the main
    // window reads it.
    std::vector<qint32> sıra;
    for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel()); !k.EOF_();
         k.SonrakineGeç())
        sıra.push_back(k.Alan(QStringLiteral("Nosu")).toInt());
    std::vector<PersonelKaydı> kayıtlar;
    kayıtlar.reserve(sıra.size());
    for (const qint32 nosu : sıra) {
        SonuçKümesi kişi = Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(nosu));
        PersonelKaydı kayıt;
        for (std::size_t i = 0; i < kayıt.size(); ++i)
            kayıt[i] = kişi.Alan(int(i) + 1).toString();
        kayıtlar.push_back(std::move(kayıt));
    }
    return kayıtlar;
}

bool PersonelListesiniYaz(const std::vector<PersonelKaydı>& kayıtlar, const QString& yol)
{
    const bool csv =
        QFileInfo(yol).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0;
    const bool yazıldı = csv ? CsvYaz(kayıtlar, yol) : XlsxYaz(kayıtlar, yol);
    if (!yazıldı) {
        QFile::remove(GeçiciYol(yol));
        return false;
    }
    try {
        GeçiciDosyayıYerleştir(GeçiciYol(yol), yol);
    } catch (const Hata&) {
        return false;
    }
    return true;
}
