#pragma once
// A printer object that records what it is asked to draw instead of drawing it on A4. Texts
// measure 2 mm a letter (2.5 mm in bold); a line is 4 mm high. hataVer fails chosen drawings.

#include "common/YazıcıNesnesi.h"

#include <functional>
#include <vector>

struct Çizim
{
    enum Tür { Metin, Çizgi, Dikdörtgen, BelgeSonu };
    Tür tür = Metin;
    QPointF baş, son; // baş: a text's top-left corner
    QString metin;
    bool kalın = false;
    int kalem = 0; // pen width in device dots
};

class KayıtYazıcısı : public YazıcıNesnesi
{
public:
    std::vector<Çizim> çizimler;
    std::function<bool(const Çizim&)> hataVer;

protected:
    void MetinÇiz(QPointF p, const QString& m) override { Kaydet(Çizim::Metin, p, p, m); }
    void ÇizgiÇiz(QPointF a, QPointF b) override { Kaydet(Çizim::Çizgi, a, b); }
    void DikdörtgenÇiz(QPointF a, QPointF b) override { Kaydet(Çizim::Dikdörtgen, a, b); }
    qreal MetinÖlç(const QString& m) override { return m.size() * (KalınMı() ? 2.5 : 2.0); }
    qreal SatırYüksekliğiÖlç() override { return 4; }
    QSizeF AlanÖlç() override { return {210, 297}; }
    void BelgeyiKapat() override { Kaydet(Çizim::BelgeSonu); }

private:
    void Kaydet(Çizim::Tür tür, QPointF baş = {}, QPointF son = {}, const QString& metin = {})
    {
        Çizim çizim{tür, baş, son, metin, tür == Çizim::Metin && KalınMı(), KalemGenişliği()};
        if (hataVer && hataVer(çizim))
            YazıcıHatası(QStringLiteral("Kayıt yazıcısında sınama hatası"));
        çizimler.push_back(std::move(çizim));
    }
};
