#pragma once
// The printer object over a paged device (a PDF file, a print preview): every sheet is a page
// of one document. A sheet's BelgeyiBitir ends only its page; the next drawing opens a new one,
// so that no empty page trails the last sheet. Bitir ends the document itself.

#include "YazıcıNesnesi.h"

class QPagedPaintDevice;

class SayfalıYazıcı : public YazıcıNesnesi
{
public:
    explicit SayfalıYazıcı(QPagedPaintDevice* aygıt);

    // Ends the last page and the document; false when the device failed at the end or the
    // sheet drawn last did not come out whole.
    bool Bitir();

protected:
    void MetinÇiz(QPointF solÜst, const QString& metin) override;
    void ÇizgiÇiz(QPointF baş, QPointF son) override;
    void DikdörtgenÇiz(QPointF köşe1, QPointF köşe2) override;
    void BelgeyiKapat() override;

private:
    void SayfaAç();

    QPagedPaintDevice* aygıt_;
    bool sayfaBitti_ = false;
};
