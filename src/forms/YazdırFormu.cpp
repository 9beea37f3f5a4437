#include "YazdırFormu.h"

#include "FöyTuru.h"
#include "common/Korumalar.h"
#include "gui/YazıcıApileri.h"

#include <QCoreApplication>
#include <QEvent>

YazdırFormu::YazdırFormu(FöyTuru& tur, QWidget* üst)
    : QDialog(üst, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint), tur_(tur)
{
    // The icon lives in the resources of a static library, which the linker keeps only when
    // asked to.
    Q_INIT_RESOURCE(tessaro);
    ui.setupUi(this);
}

bool YazdırFormu::event(QEvent* olay)
{
    const bool sonuç = QDialog::event(olay);
    // The run starts once, at the first activation: a message box or the progress shown during
    // the run gives the activation back when it closes.
    if (olay->type() == QEvent::WindowActivate && !çalıştı_) {
        çalıştı_ = true;
        Form_Activate();
    }
    return sonuç;
}

void YazdırFormu::Form_Activate()
{
    Tuzak([] { QCoreApplication::processEvents(); });
    tur_.Çalıştır(GeçerliYazıcı(), FöyTuru::İşaretler::BasılanıKaldır, this);
    Tuzak([&] { close(); });
}
