#include "AnaForm.h"

#include "common/OrtakDeğişkenlerModülü.h"

AnaForm::AnaForm(QWidget* parent) : QWidget(parent) {}

void AnaForm::Yükle()
{
    setWindowTitle(ProgramBaşlığı);
    resize(634, 448);
    show();
}
