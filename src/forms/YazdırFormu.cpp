#include "YazdırFormu.h"

#include "common/Korumalar.h"
#include "gui/PersonelModeli.h"

#include <QCoreApplication>
#include <QEvent>

YazdırFormu::YazdırFormu(PersonelModeli& kişiler, std::function<bool(int)> güncelYap,
                         std::function<bool()> yazdır, QWidget* üst)
    : QDialog(üst, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint),
      kişiler_(kişiler), güncelYap_(std::move(güncelYap)), yazdır_(std::move(yazdır))
{
    // The icon lives in the resources of a static library, which the linker keeps only when
    // asked to.
    Q_INIT_RESOURCE(tessaro);
    ui.setupUi(this);
}

bool YazdırFormu::event(QEvent* olay)
{
    const bool sonuç = QDialog::event(olay);
    // The run starts once, at the first activation: a message box shown during the run
    // gives the activation back when it closes.
    if (olay->type() == QEvent::WindowActivate && !çalıştı_) {
        çalıştı_ = true;
        Form_Activate();
    }
    return sonuç;
}

void YazdırFormu::Form_Activate()
{
    Tuzak([] { QCoreApplication::processEvents(); });
    int sayı = 0;
    Tuzak([&] { sayı = kişiler_.rowCount(); });
    for (int i = 0; i < sayı; ++i) {
        bool işaretli = false;
        Tuzak([&] { işaretli = kişiler_.İşaretliMi(i); });
        if (!işaretli)
            continue;
        bool güncel = false;
        Tuzak([&] { güncel = güncelYap_(i); });
        if (!güncel)
            continue;
        bool basıldı = false;
        Tuzak([&] { basıldı = yazdır_(); });
        if (basıldı)
            Tuzak([&] { kişiler_.İşaretle(i, false); });
    }
    Tuzak([&] { close(); });
}
