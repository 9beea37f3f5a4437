#pragma once
// The printer object the signature sheet draws with: a page in millimetres whose origin is the
// top-left corner of the printable area, a current position (cx, cy), a pen measured in device
// dots and one font whose size and bold attribute can be switched.
//
// Position rules:
//   Yaz(t)            draws t with its text cell's top-left at (cx, cy); cx moves right by the
//                     width of t, cy stays;
//   SatırYaz(t)       draws t the same way; then cx = 0 and cy moves down by the line height;
//   Çizgi, DoluDikdörtgen  leave the position at their end point (x2, y2); the forms without a
//                     start point begin at (cx, cy).
// A document begins with the first drawing after construction or after BelgeyiBitir, and
// BelgeyiBitir hands it over as a print job of its own. A printer that fails throws
// Hata 482 (HataNo::YazıcıHatası); YazıcıHatasıOlduMu tells whether that happened since the
// last HataKaydınıSıfırla, so that a caller whose errors are dropped silently still knows.
//
// The drawing itself goes through the protected virtual functions, so that a recording
// variant can stand in for the device.

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>

class QPaintDevice;

class YazıcıNesnesi
{
public:
    // aygıt: what the pages are drawn on (a QPrinter, a QPdfWriter, an image); it must outlive
    // the object.
    explicit YazıcıNesnesi(QPaintDevice* aygıt);
    virtual ~YazıcıNesnesi();
    YazıcıNesnesi(const YazıcıNesnesi&) = delete;
    YazıcıNesnesi& operator=(const YazıcıNesnesi&) = delete;

    // Arial (Liberation Sans through fontconfig) at the size at which a month of 31 day rows
    // fits on an A4 sheet with the margins printers usually keep.
    static QFont VarsayılanYazıTipi();

    void KalemGenişliğiniAyarla(int nokta);
    void KalınYazı(bool açık);
    void YazıBoyutunuAyarla(qreal punto);
    bool KalınMı() const { return kalın_; }

    float Y() const { return y_; }
    void XAyarla(float x) { x_ = x; }
    void YAyarla(float y) { y_ = y; }

    float Genişlik();  // of the printable area
    float Yükseklik(); // of the printable area
    float MetinGenişliği(const QString& metin);
    float SatırYüksekliği();

    void Yaz(const QString& metin);
    void SatırYaz(const QString& metin);
    void Çizgi(float x1, float y1, float x2, float y2);
    void Çizgi(float x2, float y2);
    void DoluDikdörtgen(float x1, float y1, float x2, float y2);
    void DoluDikdörtgen(float x2, float y2);
    void BelgeyiBitir();

    // The name under which the next document is queued.
    void BelgeAdınıAyarla(const QString& ad) { belgeAdı_ = ad; }

    void HataKaydınıSıfırla() { hataOldu_ = false; }
    bool YazıcıHatasıOlduMu() const { return hataOldu_; }

protected:
    YazıcıNesnesi();

    virtual void MetinÇiz(QPointF solÜst, const QString& metin);
    virtual void ÇizgiÇiz(QPointF baş, QPointF son);
    virtual void DikdörtgenÇiz(QPointF köşe1, QPointF köşe2);
    virtual qreal MetinÖlç(const QString& metin);
    virtual qreal SatırYüksekliğiÖlç();
    virtual QSizeF AlanÖlç();
    // Finishes the open document; the base ends the painter.
    virtual void BelgeyiKapat();
    // Hands the name of the document about to begin to the device; a plain device has none.
    virtual void BelgeAdınıVer(const QString& ad);

    bool BelgeAçıkMı() const { return ressam_.isActive(); }
    int KalemGenişliği() const { return kalemNokta_; }

    // Throws the printer error; every failure of the device goes through here.
    [[noreturn]] void YazıcıHatası(const QString& açıklama);

private:
    QPainter& Ressam();
    qreal NoktaX() const;
    qreal NoktaY() const;
    QPointF Aygıtta(QPointF mm) const;
    void Çalıştır(const std::function<void()>& iş);

    QPaintDevice* aygıt_ = nullptr;
    QPainter ressam_;
    QFont yazıTipi_;
    int kalemNokta_ = 1;
    bool kalın_ = false;
    float x_ = 0;
    float y_ = 0;
    QString belgeAdı_;
    bool hataOldu_ = false;
};
