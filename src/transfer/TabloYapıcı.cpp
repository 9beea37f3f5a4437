#include "TabloYapıcı.h"

#include "common/Hata.h"
#include "common/Kitaplık.h"

#include <QLocale>
#include <cmath>
#include <zip.h>

namespace {

// libzip, loaded at the first archive read.
struct Zip
{
    decltype(&::zip_fclose) zip_fclose;
    decltype(&::zip_fread) zip_fread;
    decltype(&::zip_error_init) zip_error_init;
    decltype(&::zip_source_buffer_create) zip_source_buffer_create;
    decltype(&::zip_open_from_source) zip_open_from_source;
    decltype(&::zip_source_free) zip_source_free;
    decltype(&::zip_error_fini) zip_error_fini;
    decltype(&::zip_discard) zip_discard;
    decltype(&::zip_name_locate) zip_name_locate;
    decltype(&::zip_stat_index) zip_stat_index;
    decltype(&::zip_fopen_index) zip_fopen_index;
    decltype(&::zip_error_code_zip) zip_error_code_zip;
    decltype(&::zip_get_error) zip_get_error;
};

const Zip& ZipKitaplığı()
{
    static const Zip zip = [] {
        Kitaplık k("zip", 4, HataNo::GeçersizÇağrı);
        return Zip{
            KITAPLIK_ISLEVI(k, zip_fclose),           KITAPLIK_ISLEVI(k, zip_fread),
            KITAPLIK_ISLEVI(k, zip_error_init),       KITAPLIK_ISLEVI(k, zip_source_buffer_create),
            KITAPLIK_ISLEVI(k, zip_open_from_source), KITAPLIK_ISLEVI(k, zip_source_free),
            KITAPLIK_ISLEVI(k, zip_error_fini),       KITAPLIK_ISLEVI(k, zip_discard),
            KITAPLIK_ISLEVI(k, zip_name_locate),      KITAPLIK_ISLEVI(k, zip_stat_index),
            KITAPLIK_ISLEVI(k, zip_fopen_index),      KITAPLIK_ISLEVI(k, zip_error_code_zip),
            KITAPLIK_ISLEVI(k, zip_get_error)};
    }();
    return zip;
}

} // namespace

void BiçimHatası(const QString& cümle)
{
    throw Hata(HataNo::GeçersizDosyaBiçimi, cümle);
}

void ŞifreliDosyaHatası()
{
    BiçimHatası(QStringLiteral("Dosya parolayla korunuyor. Parolasını kaldırıp yeniden "
                               "kaydettikten sonra deneyiniz."));
}

QString SayıMetni(double değer)
{
    // Below 10^15 a double holds every whole number exactly.
    if (std::isfinite(değer) && değer == std::trunc(değer) && std::fabs(değer) < 1e15)
        return QString::number(qint64(değer));
    return QString::number(değer, 'g', 15);
}

QString SayıMetni(const QString& değer)
{
    bool sayı = false;
    const double d = QLocale::c().toDouble(değer.trimmed(), &sayı);
    return sayı ? SayıMetni(d) : değer;
}

void TabloYapıcı::Hücre(qint64 sütun, const QString& metin)
{
    if (sütun < 0 || sütun >= EnÇokSütun || metin.trimmed().isEmpty())
        return;
    if (satır_.size() <= sütun)
        satır_.resize(sütun + 1);
    satır_[sütun] = metin.left(EnUzunHücre);
    dolu_ = true;
}

void TabloYapıcı::SatırıBitir(qint64 kez)
{
    if (dolu_) {
        if (kez > EnÇokSatır - qint64(tablo_.size()))
            BiçimHatası(QStringLiteral("Dosyada çok fazla satır var: en çok %1 dolu satır "
                                       "okunabilir.")
                            .arg(QLocale(QLocale::Turkish).toString(EnÇokSatır)));
        tablo_.insert(tablo_.end(), std::size_t(kez), satır_);
    }
    satır_.clear();
    dolu_ = false;
}

void TabloYapıcı::İlerle(qint64 yapılan, qint64 toplam)
{
    if (ilerleme_ && ++adım_ % 512 == 0)
        ilerleme_(yapılan, toplam);
}

ZipGirdisi::ZipGirdisi(zip_file* dosya, qint64 boyut) : dosya_(dosya), boyut_(boyut)
{
    open(QIODevice::ReadOnly);
}

ZipGirdisi::~ZipGirdisi()
{
    ZipKitaplığı().zip_fclose(dosya_);
}

qint64 ZipGirdisi::readData(char* veri, qint64 en)
{
    if (okunan_ > EnBüyükDosya)
        return -1;
    const zip_int64_t okunan = ZipKitaplığı().zip_fread(dosya_, veri, zip_uint64_t(en));
    if (okunan > 0)
        okunan_ += okunan;
    return okunan;
}

ZipArşivi::ZipArşivi(const QByteArray& veri, QString bozuk) : veri_(veri), bozuk_(std::move(bozuk))
{
    const Zip& zip = ZipKitaplığı();
    zip_error_t hata;
    zip.zip_error_init(&hata);
    zip_source_t* kaynak =
        zip.zip_source_buffer_create(veri_.constData(), zip_uint64_t(veri_.size()), 0, &hata);
    if (kaynak)
        arşiv_ = zip.zip_open_from_source(kaynak, ZIP_RDONLY, &hata);
    if (kaynak && !arşiv_)
        zip.zip_source_free(kaynak);
    zip.zip_error_fini(&hata);
    if (!arşiv_)
        BiçimHatası(bozuk_);
}

ZipArşivi::~ZipArşivi()
{
    ZipKitaplığı().zip_discard(arşiv_);
}

std::unique_ptr<ZipGirdisi> ZipArşivi::Aç(const QString& ad) const
{
    const Zip& zip = ZipKitaplığı();
    const zip_int64_t sıra = zip.zip_name_locate(arşiv_, ad.toUtf8().constData(), ZIP_FL_NOCASE);
    zip_stat_t bilgi;
    if (sıra < 0 || zip.zip_stat_index(arşiv_, zip_uint64_t(sıra), 0, &bilgi) != 0)
        return nullptr;
    zip_file_t* dosya = zip.zip_fopen_index(arşiv_, zip_uint64_t(sıra), 0);
    if (!dosya) {
        const int neden = zip.zip_error_code_zip(zip.zip_get_error(arşiv_));
        if (neden == ZIP_ER_NOPASSWD || neden == ZIP_ER_WRONGPASSWD)
            ŞifreliDosyaHatası();
        BiçimHatası(bozuk_);
    }
    const qint64 boyut = (bilgi.valid & ZIP_STAT_SIZE) ? qint64(bilgi.size) : 0;
    return std::make_unique<ZipGirdisi>(dosya, boyut);
}
