// The holiday calendar's context menu: the chosen year's official holidays added in one step.

#include "TatilTarihleriFormu.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/ResmîTatiller.h"
#include "controls/DüğmeliKutu.h"
#include "data/TatilTarihleri.h"
#include "data/Veritabanı.h"
#include "gui/OrtakYordamlarModülü.h"

#include <QLocale>
#include <QMenu>
#include <algorithm>

namespace {
QString TarihListesi(const std::vector<QDate>& günler)
{
    QStringList metinler;
    for (const QDate& gün : günler)
        metinler << QLocale().toString(gün, QLocale::ShortFormat);
    return metinler.join(QStringLiteral(", "));
}

// What adding the official holidays of yıl did: the count first, then, when some of the added
// days are not in the list because it shows another month (ay, its first day), a line saying so,
// then each kind of day left out on a line of its own.
QString ResmîTatilÖzeti(int yıl, const ResmîTatilYılı& takvim, const QDate& ay,
                        const std::vector<QDate>& eklenen, const std::vector<QDate>& zatenVar,
                        const std::vector<QDate>& pazar)
{
    const QString yılı = QString::number(yıl);
    QStringList satırlar;
    satırlar << (eklenen.empty()
                     ? yılı + QStringLiteral(" yılının resmî tatillerinden listeye yeni gün "
                                             "eklenmedi.")
                     : yılı + QStringLiteral(" yılının resmî tatillerinden ") +
                           QString::number(eklenen.size()) +
                           QStringLiteral(" gün listeye eklendi."));
    if (std::any_of(eklenen.begin(), eklenen.end(),
                    [&](const QDate& gün) { return QDate(gün.year(), gün.month(), 1) != ay; }))
        satırlar << QStringLiteral("Listede yalnızca ") +
                        QLocale().standaloneMonthName(ay.month()) +
                        QStringLiteral(" ayının tatilleri görünür; diğer aylar için ayı seçiniz.");
    if (!zatenVar.empty())
        satırlar << QStringLiteral("Listede zaten olduğu için eklenmeyen: ") +
                        TarihListesi(zatenVar);
    if (!pazar.empty())
        satırlar << QStringLiteral("PAZAR gününe denk geldiği için eklenmeyen: ") +
                        TarihListesi(pazar);
    if (!takvim.yarımGünler.empty())
        satırlar << QStringLiteral("Yarım gün (öğleden sonra) olduğu için eklenmeyen: ") +
                        TarihListesi(takvim.yarımGünler);
    if (!takvim.bayramlarBiliniyor)
        satırlar << QStringLiteral("Ramazan Bayramı ve Kurban Bayramı ") + yılı +
                        QStringLiteral(" yılı için eklenmedi: bu yılın bayram tarihleri "
                                       "programda yok.");
    return satırlar.join(QLatin1Char('\n'));
}
} // namespace

// The menu is named after the year the year box shows when it opens.
void TatilTarihleriFormu::TatilMenüsünüAç(const QWidget* denetim, const QPoint& yer)
{
    auto* menü = new QMenu(this);
    menü->setAttribute(Qt::WA_DeleteOnClose);
    menü->addAction(QString::number(ui.YılKutusu->Value()) +
                        QStringLiteral(" Yılının Resmî Tatillerini Ekle"),
                    this, &TatilTarihleriFormu::ResmîTatilleriEkle_Click);
    menü->popup(denetim->mapToGlobal(yer));
}

// Adds the year's official full-day holidays that are neither Sundays nor stored yet, all in one
// transaction, then lists the month again as an added day does and says what was left out.
void TatilTarihleriFormu::ResmîTatilleriEkle_Click()
{
    const int yıl = ui.YılKutusu->Value();
    const ResmîTatilYılı takvim = ResmîTatiller(yıl);
    std::vector<QDate> eklenen, zatenVar, pazar;
    const bool kaydedildi = Tuzak([&] {
        Veritabanı.İşlemİçinde([&] {
            const std::vector<QDate> kayıtlı =
                TatilTarihleriniOku(QDate(yıl, 1, 1), QDate(yıl, 12, 31));
            TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
            for (const QDate& gün : takvim.tamGünler) {
                if (gün.dayOfWeek() == Qt::Sunday) {
                    pazar.push_back(gün);
                } else if (std::find(kayıtlı.begin(), kayıtlı.end(), gün) != kayıtlı.end()) {
                    zatenVar.push_back(gün);
                } else {
                    tablo.YeniEkle();
                    tablo.AlanıAyarla(QStringLiteral("TatilTarihi"), gün);
                    tablo.Güncelle();
                    eklenen.push_back(gün);
                }
            }
            tablo.Kapat();
        });
    });
    if (!kaydedildi)
        return;
    Tuzak([&] { TatilTarihleriniListele(); });
    MesajKutusunuOrtala();
    MesajKutusu({ResmîTatilÖzeti(yıl, takvim, gösterilenAy_, eklenen, zatenVar, pazar),
                 MesajSimgesi::Bilgi});
}
