#include "SayfalıYazıcı.h"

#include "Hata.h"

#include <QPagedPaintDevice>

SayfalıYazıcı::SayfalıYazıcı(QPagedPaintDevice* aygıt) : YazıcıNesnesi(aygıt), aygıt_(aygıt) {}

bool SayfalıYazıcı::Bitir()
{
    sayfaBitti_ = false;
    try {
        YazıcıNesnesi::BelgeyiKapat();
    } catch (const Hata&) {
        return false;
    }
    return !YazıcıHatasıOlduMu();
}

void SayfalıYazıcı::MetinÇiz(QPointF solÜst, const QString& metin)
{
    SayfaAç();
    YazıcıNesnesi::MetinÇiz(solÜst, metin);
}

void SayfalıYazıcı::ÇizgiÇiz(QPointF baş, QPointF son)
{
    SayfaAç();
    YazıcıNesnesi::ÇizgiÇiz(baş, son);
}

void SayfalıYazıcı::DikdörtgenÇiz(QPointF köşe1, QPointF köşe2)
{
    SayfaAç();
    YazıcıNesnesi::DikdörtgenÇiz(köşe1, köşe2);
}

void SayfalıYazıcı::BelgeyiKapat()
{
    if (BelgeAçıkMı())
        sayfaBitti_ = true;
}

void SayfalıYazıcı::SayfaAç()
{
    if (!sayfaBitti_)
        return;
    sayfaBitti_ = false;
    if (!aygıt_->newPage())
        YazıcıHatası(QStringLiteral("Yeni sayfa açılamadı."));
}
