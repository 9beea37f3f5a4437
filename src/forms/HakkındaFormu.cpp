#include "HakkındaFormu.h"

#include "Kaynaklar.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"

#include <QMouseEvent>

HakkındaFormu::HakkındaFormu(QWidget* üst) : QDialog(üst)
{
    // The icon lives in the resources of a static library, which the linker keeps only when
    // asked to.
    Q_INIT_RESOURCE(tessaro);
    ui.setupUi(this);
    ui.VelnoraEtiketi->installEventFilter(this);
    ui.Altlık->installEventFilter(this);
    connect(ui.KapatDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

QString HakkındaFormu::SürümYazısı(int ana, int ara, int düzeltme)
{
    return QStringLiteral("Sürüm ") + Kaynak::SürümMetni(ana, ara, düzeltme);
}

bool HakkındaFormu::eventFilter(QObject* nesne, QEvent* olay)
{
    if (nesne == ui.VelnoraEtiketi) {
        // Handled here, so that the background below the link does not see them too.
        if (olay->type() == QEvent::MouseMove) {
            VelnoraEtiketi_MouseMove();
            return true;
        }
        if (olay->type() == QEvent::MouseButtonRelease) {
            const auto* fare = static_cast<QMouseEvent*>(olay);
            if (fare->button() == Qt::LeftButton &&
                ui.VelnoraEtiketi->rect().contains(fare->position().toPoint()))
                VelnoraEtiketi_Click();
            return true;
        }
    }
    if (nesne == ui.Altlık && olay->type() == QEvent::MouseMove)
        Altlık_MouseMove();
    return QDialog::eventFilter(nesne, olay);
}

void HakkındaFormu::Form_Load()
{
    Yoksay([this] {
        ui.Etiket_0->setText(Kaynak::ÜrünAdı());
        ui.Etiket_0->adjustSize();
    });
    Yoksay([this] {
        ui.Etiket_1->setText(
            SürümYazısı(Kaynak::SürümAna, Kaynak::SürümAra, Kaynak::SürümDüzeltme));
        ui.Etiket_1->adjustSize();
    });
    Yoksay([this] {
        QLabel* uyarı = ui.Etiket_2;
        uyarı->setText(Kaynak::YasalUyarı());
        uyarı->resize(uyarı->width(), uyarı->heightForWidth(uyarı->width()));
    });
    Yoksay([this] {
        ui.Etiket_3->adjustSize();
        QLabel* bağlantı = ui.VelnoraEtiketi;
        bağlantı->setText(Kaynak::YapımcıAdresi());
        bağlantı->resize(qMax(bağlantı->width(), bağlantı->sizeHint().width()), bağlantı->height());
    });
}

void HakkındaFormu::VelnoraEtiketi_MouseMove()
{
    QFont yazı = ui.VelnoraEtiketi->font();
    if (yazı.underline())
        return;
    yazı.setUnderline(true);
    ui.VelnoraEtiketi->setFont(yazı);
}

void HakkındaFormu::Altlık_MouseMove()
{
    QFont yazı = ui.VelnoraEtiketi->font();
    if (!yazı.underline())
        return;
    yazı.setUnderline(false);
    ui.VelnoraEtiketi->setFont(yazı);
}

// The window stays open; an address that cannot be opened is passed over in silence.
void HakkındaFormu::VelnoraEtiketi_Click()
{
    Yoksay([] { AdresiAç(Kaynak::YapımcıAdresi()); });
}
