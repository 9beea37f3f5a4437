#include "YazıcıNesnesi.h"

#include "Hata.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace {
constexpr qreal MilimetreBaşınaİnç = 1.0 / 25.4;
} // namespace

YazıcıNesnesi::YazıcıNesnesi(QPaintDevice* aygıt) : aygıt_(aygıt), yazıTipi_(VarsayılanYazıTipi())
{
}

YazıcıNesnesi::YazıcıNesnesi() : yazıTipi_(VarsayılanYazıTipi()) {}

YazıcıNesnesi::~YazıcıNesnesi()
{
    if (ressam_.isActive())
        ressam_.end();
}

QFont YazıcıNesnesi::VarsayılanYazıTipi()
{
    // Line height 3.26 mm: 31 rows end about 271 mm down the printable area, which leaves
    // room for margins of up to 8 mm at the top and the bottom.
    QFont yazıTipi(QStringLiteral("Arial"));
    yazıTipi.setPointSizeF(8.25);
    return yazıTipi;
}

void YazıcıNesnesi::KalemGenişliğiniAyarla(int nokta)
{
    kalemNokta_ = nokta;
}

void YazıcıNesnesi::KalınYazı(bool açık)
{
    kalın_ = açık;
    yazıTipi_.setBold(açık);
}

void YazıcıNesnesi::YazıBoyutunuAyarla(qreal punto)
{
    yazıTipi_.setPointSizeF(punto);
}

float YazıcıNesnesi::Genişlik()
{
    return float(AlanÖlç().width());
}

float YazıcıNesnesi::Yükseklik()
{
    return float(AlanÖlç().height());
}

float YazıcıNesnesi::MetinGenişliği(const QString& metin)
{
    return float(MetinÖlç(metin));
}

float YazıcıNesnesi::SatırYüksekliği()
{
    return float(SatırYüksekliğiÖlç());
}

// The position follows every drawing asked for, whether or not the device managed it.
void YazıcıNesnesi::Yaz(const QString& metin)
{
    const QPointF yer(x_, y_);
    x_ += MetinGenişliği(metin);
    Çalıştır([&] { MetinÇiz(yer, metin); });
}

void YazıcıNesnesi::SatırYaz(const QString& metin)
{
    const QPointF yer(x_, y_);
    x_ = 0;
    y_ += SatırYüksekliği();
    Çalıştır([&] { MetinÇiz(yer, metin); });
}

void YazıcıNesnesi::Çizgi(float x1, float y1, float x2, float y2)
{
    x_ = x2;
    y_ = y2;
    Çalıştır([&] { ÇizgiÇiz(QPointF(x1, y1), QPointF(x2, y2)); });
}

void YazıcıNesnesi::Çizgi(float x2, float y2)
{
    Çizgi(x_, y_, x2, y2);
}

void YazıcıNesnesi::DoluDikdörtgen(float x1, float y1, float x2, float y2)
{
    x_ = x2;
    y_ = y2;
    Çalıştır([&] { DikdörtgenÇiz(QPointF(x1, y1), QPointF(x2, y2)); });
}

void YazıcıNesnesi::DoluDikdörtgen(float x2, float y2)
{
    DoluDikdörtgen(x_, y_, x2, y2);
}

void YazıcıNesnesi::BelgeyiBitir()
{
    Çalıştır([&] { BelgeyiKapat(); });
}

void YazıcıNesnesi::Çalıştır(const std::function<void()>& iş)
{
    try {
        iş();
    } catch (const Hata& hata) {
        if (hata.Numara() == HataNo::YazıcıHatası)
            hataOldu_ = true;
        throw;
    }
}

void YazıcıNesnesi::YazıcıHatası(const QString& açıklama)
{
    throw Hata(HataNo::YazıcıHatası, açıklama);
}

QPainter& YazıcıNesnesi::Ressam()
{
    if (!ressam_.isActive()) {
        BelgeAdınıVer(belgeAdı_);
        if (!ressam_.begin(aygıt_))
            YazıcıHatası(QStringLiteral("Yazıcıya bağlanılamadı."));
    }
    return ressam_;
}

qreal YazıcıNesnesi::NoktaX() const
{
    return aygıt_->logicalDpiX() * MilimetreBaşınaİnç;
}

qreal YazıcıNesnesi::NoktaY() const
{
    return aygıt_->logicalDpiY() * MilimetreBaşınaİnç;
}

QPointF YazıcıNesnesi::Aygıtta(QPointF mm) const
{
    return QPointF(mm.x() * NoktaX(), mm.y() * NoktaY());
}

void YazıcıNesnesi::MetinÇiz(QPointF solÜst, const QString& metin)
{
    QPainter& ressam = Ressam();
    ressam.setFont(yazıTipi_);
    ressam.setPen(Qt::black);
    // The position is the top of the text cell; QPainter places text on its baseline.
    const qreal taban = QFontMetricsF(yazıTipi_, aygıt_).ascent();
    ressam.drawText(Aygıtta(solÜst) + QPointF(0, taban), metin);
}

void YazıcıNesnesi::ÇizgiÇiz(QPointF baş, QPointF son)
{
    QPainter& ressam = Ressam();
    ressam.setPen(QPen(Qt::black, kalemNokta_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    ressam.drawLine(Aygıtta(baş), Aygıtta(son));
}

void YazıcıNesnesi::DikdörtgenÇiz(QPointF köşe1, QPointF köşe2)
{
    QPainter& ressam = Ressam();
    const QPen kalem(Qt::black, kalemNokta_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const QRectF alan = QRectF(Aygıtta(köşe1), Aygıtta(köşe2)).normalized();
    // A rectangle without height or width is a bar of the pen's width; QPainter would leave
    // the stroke of an empty rectangle out.
    if (alan.height() < 1 || alan.width() < 1) {
        ressam.setPen(kalem);
        ressam.drawLine(Aygıtta(köşe1), Aygıtta(köşe2));
        return;
    }
    ressam.setPen(kalem);
    ressam.setBrush(Qt::black);
    ressam.drawRect(alan);
    ressam.setBrush(Qt::NoBrush);
}

qreal YazıcıNesnesi::MetinÖlç(const QString& metin)
{
    return QFontMetricsF(yazıTipi_, aygıt_).horizontalAdvance(metin) / NoktaX();
}

qreal YazıcıNesnesi::SatırYüksekliğiÖlç()
{
    return QFontMetricsF(yazıTipi_, aygıt_).height() / NoktaY();
}

QSizeF YazıcıNesnesi::AlanÖlç()
{
    return QSizeF(aygıt_->width() / NoktaX(), aygıt_->height() / NoktaY());
}

void YazıcıNesnesi::BelgeyiKapat()
{
    if (!ressam_.isActive())
        return;
    if (!ressam_.end())
        YazıcıHatası(QStringLiteral("Sayfa yazıcıya gönderilemedi."));
}

void YazıcıNesnesi::BelgeAdınıVer(const QString&) {}
