#include "AnaForm.h"

bool AnaForm::Yazdır()
{
    return false;
}

void AnaForm::YazdırmaİşiniBaşlat() {}
