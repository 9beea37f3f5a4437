#pragma once
// A printer object that records what it is asked to draw instead of drawing it: every text
// with its top-left corner and weight, every line and filled rectangle with its two points,
// and every end of document. Texts measure 2 mm a letter (2.5 mm in bold), the line height is
// fixed (4 mm unless told; with boyutaGöre, that height at the default size, in proportion to
// the size set), the printable area is A4 unless told. hataVer makes chosen drawings fail with
// the printer error.

#include "common/YazıcıNesnesi.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

struct Çizim
{
    enum Tür { Metin, Çizgi, Dikdörtgen, BelgeSonu };
    Tür tür = Metin;
    QPointF baş; // a text's top-left corner
    QPointF son;
    QString metin;
    bool kalın = false;
    int kalem = 0; // pen width in device dots
};

class KayıtYazıcısı : public YazıcıNesnesi
{
public:
    explicit KayıtYazıcısı(QSizeF alan = QSizeF(210, 297), qreal satırYüksekliği = 4,
                           bool boyutaGöre = false);

    std::vector<Çizim> çizimler;
    std::function<bool(const Çizim&)> hataVer;

    // The drawings of the n-th document (from 0), without its end mark.
    std::vector<Çizim> Belge(int n) const;
    int BelgeSayısı() const;

    static qreal HarfGenişliği(bool kalın) { return kalın ? 2.5 : 2.0; }

protected:
    void MetinÇiz(QPointF solÜst, const QString& metin) override;
    void ÇizgiÇiz(QPointF baş, QPointF son) override;
    void DikdörtgenÇiz(QPointF köşe1, QPointF köşe2) override;
    qreal MetinÖlç(const QString& metin) override;
    qreal SatırYüksekliğiÖlç() override;
    QSizeF AlanÖlç() override { return alan_; }
    void BelgeyiKapat() override;

private:
    void Kaydet(Çizim çizim);
    QSizeF alan_;
    qreal satırYüksekliği_;
    bool boyutaGöre_;
};
