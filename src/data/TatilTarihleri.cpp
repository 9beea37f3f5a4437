#include "TatilTarihleri.h"

#include "Deyimler.h"
#include "Veritabanı.h"

std::vector<QDate> TatilTarihleriniOku(const QDate& ilk, const QDate& son)
{
    std::vector<QDate> günler;
    SonuçKümesi tatiller = Veritabanı.KayıtKümesiAç(Deyim::TatilAralığı(ilk, son));
    for (; !tatiller.EOF_(); tatiller.SonrakineGeç()) {
        const QVariant tarih = tatiller.Alan(QStringLiteral("TatilTarihi"));
        if (tarih.typeId() == QMetaType::QDate)
            günler.push_back(tarih.toDate());
    }
    tatiller.Kapat();
    return günler;
}
