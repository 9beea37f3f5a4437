#include "YazdırFormu.h"

#include "common/Hata.h"
#include "common/Korumalar.h"
#include "ui_YazdırFormu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QListWidget>

YazdırFormu::YazdırFormu(QListWidget* liste, std::function<bool(int)> güncelYap,
                         std::function<bool()> yazdır, QWidget* üst)
    : QDialog(üst, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint),
      ui(std::make_unique<Ui::YazdırFormu>()), liste_(liste), güncelYap_(std::move(güncelYap)),
      yazdır_(std::move(yazdır))
{
    // The icon lives in the resources of a static library, which the linker keeps only when
    // asked to.
    Q_INIT_RESOURCE(tessaro);
    ui->setupUi(this);
}

YazdırFormu::~YazdırFormu() = default;

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

QListWidgetItem* YazdırFormu::Öğe(int sıra) const
{
    QListWidgetItem* öğe = liste_->item(sıra);
    if (!öğe)
        throw Hata(HataNo::GeçersizDizin, QStringLiteral("Liste dizini geçersiz"));
    return öğe;
}

void YazdırFormu::Form_Activate()
{
    Tuzak([] { QCoreApplication::processEvents(); });
    int sayı = 0;
    Tuzak([&] { sayı = liste_->count(); });
    for (int i = 0; i < sayı; ++i) {
        bool işaretli = false;
        Tuzak([&] { işaretli = Öğe(i)->checkState() == Qt::Checked; });
        if (!işaretli)
            continue;
        bool güncel = false;
        Tuzak([&] { güncel = güncelYap_(i); });
        if (!güncel)
            continue;
        bool basıldı = false;
        Tuzak([&] { basıldı = yazdır_(); });
        if (basıldı)
            Tuzak([&] { Öğe(i)->setCheckState(Qt::Unchecked); });
    }
    Tuzak([&] { close(); });
}
