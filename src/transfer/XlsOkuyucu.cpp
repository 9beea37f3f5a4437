// The first worksheet of an Excel 97-2003 workbook, through FreeXL.

#include "TabloYapıcı.h"
#include "common/Hata.h"
#include "common/Kitaplık.h"

#include <QFile>
#include <freexl.h>
#include <memory>

namespace {

// FreeXL, loaded at the first workbook read.
struct FreeXl
{
    decltype(&::freexl_open) freexl_open;
    decltype(&::freexl_close) freexl_close;
    decltype(&::freexl_get_info) freexl_get_info;
    decltype(&::freexl_select_active_worksheet) freexl_select_active_worksheet;
    decltype(&::freexl_worksheet_dimensions) freexl_worksheet_dimensions;
    decltype(&::freexl_get_cell_value) freexl_get_cell_value;
};

const FreeXl& FreeXlKitaplığı()
{
    static const FreeXl freexl = [] {
        Kitaplık k("freexl", 1, HataNo::GeçersizÇağrı);
        return FreeXl{KITAPLIK_ISLEVI(k, freexl_open),
                      KITAPLIK_ISLEVI(k, freexl_close),
                      KITAPLIK_ISLEVI(k, freexl_get_info),
                      KITAPLIK_ISLEVI(k, freexl_select_active_worksheet),
                      KITAPLIK_ISLEVI(k, freexl_worksheet_dimensions),
                      KITAPLIK_ISLEVI(k, freexl_get_cell_value)};
    }();
    return freexl;
}

} // namespace

Tablo XlsOku(const QString& yol, const İlerleme& ilerleme)
{
    const FreeXl& freexl = FreeXlKitaplığı();
    const QString bozuk =
        QStringLiteral("Dosya bozuk ya da bir Excel 97-2003 çalışma kitabı (.xls) değil.");
    const void* tutucu = nullptr;
    const int açılış = freexl.freexl_open(QFile::encodeName(yol).constData(), &tutucu);
    const std::unique_ptr<const void, int (*)(const void*)> kitap(tutucu, freexl.freexl_close);
    if (açılış == FREEXL_FILE_NOT_FOUND)
        BiçimHatası(QStringLiteral("Dosya açılamadı."));
    if (açılış != FREEXL_OK)
        BiçimHatası(bozuk);
    unsigned int parola = 0;
    if (freexl.freexl_get_info(tutucu, FREEXL_BIFF_PASSWORD, &parola) == FREEXL_OK &&
        parola == FREEXL_BIFF_OBFUSCATED)
        ŞifreliDosyaHatası();
    unsigned int satırlar = 0;
    unsigned short sütunlar = 0;
    if (freexl.freexl_select_active_worksheet(tutucu, 0) != FREEXL_OK ||
        freexl.freexl_worksheet_dimensions(tutucu, &satırlar, &sütunlar) != FREEXL_OK)
        BiçimHatası(bozuk);
    TabloYapıcı tablo(ilerleme);
    for (unsigned int satır = 0; satır < satırlar; ++satır) {
        for (unsigned short sütun = 0; sütun < sütunlar; ++sütun) {
            FreeXL_CellValue hücre;
            if (freexl.freexl_get_cell_value(tutucu, satır, sütun, &hücre) != FREEXL_OK)
                BiçimHatası(bozuk);
            switch (hücre.type) {
            case FREEXL_CELL_INT:
                tablo.Hücre(sütun, QString::number(hücre.value.int_value));
                break;
            case FREEXL_CELL_DOUBLE:
                tablo.Hücre(sütun, SayıMetni(hücre.value.double_value));
                break;
            case FREEXL_CELL_TEXT:
            case FREEXL_CELL_SST_TEXT:
            case FREEXL_CELL_DATE:
            case FREEXL_CELL_DATETIME:
            case FREEXL_CELL_TIME:
                tablo.Hücre(sütun, QString::fromUtf8(hücre.value.text_value));
                break;
            default:
                break;
            }
        }
        tablo.SatırıBitir();
        tablo.İlerle(satır, satırlar);
    }
    return tablo.Al();
}
