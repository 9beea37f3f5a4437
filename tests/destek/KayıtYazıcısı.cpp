#include "KayıtYazıcısı.h"

KayıtYazıcısı::KayıtYazıcısı(QSizeF alan, qreal satırYüksekliği, bool boyutaGöre)
    : alan_(alan), satırYüksekliği_(satırYüksekliği), boyutaGöre_(boyutaGöre)
{
}

qreal KayıtYazıcısı::SatırYüksekliğiÖlç()
{
    if (!boyutaGöre_)
        return satırYüksekliği_;
    return satırYüksekliği_ * YazıTipi().pointSizeF() / VarsayılanYazıTipi().pointSizeF();
}

std::vector<Çizim> KayıtYazıcısı::Belge(int n) const
{
    std::vector<Çizim> belge;
    int sıra = 0;
    for (const Çizim& ç : çizimler) {
        if (ç.tür == Çizim::BelgeSonu) {
            if (sıra++ == n)
                return belge;
            belge.clear();
            continue;
        }
        belge.push_back(ç);
    }
    return sıra == n ? belge : std::vector<Çizim>{};
}

int KayıtYazıcısı::BelgeSayısı() const
{
    int sayı = 0;
    for (const Çizim& ç : çizimler)
        sayı += ç.tür == Çizim::BelgeSonu;
    return sayı;
}

void KayıtYazıcısı::Kaydet(Çizim çizim)
{
    çizim.kalem = KalemGenişliği();
    if (hataVer && hataVer(çizim))
        YazıcıHatası(QStringLiteral("Kayıt yazıcısında sınama hatası"));
    çizimler.push_back(std::move(çizim));
}

void KayıtYazıcısı::MetinÇiz(QPointF solÜst, const QString& metin)
{
    Kaydet({Çizim::Metin, solÜst, solÜst, metin, KalınMı()});
}

void KayıtYazıcısı::ÇizgiÇiz(QPointF baş, QPointF son)
{
    Kaydet({Çizim::Çizgi, baş, son, {}, false});
}

void KayıtYazıcısı::DikdörtgenÇiz(QPointF köşe1, QPointF köşe2)
{
    Kaydet({Çizim::Dikdörtgen, köşe1, köşe2, {}, false});
}

qreal KayıtYazıcısı::MetinÖlç(const QString& metin)
{
    return metin.size() * HarfGenişliği(KalınMı());
}

void KayıtYazıcısı::BelgeyiKapat()
{
    Kaydet({Çizim::BelgeSonu, {}, {}, {}, false});
}
