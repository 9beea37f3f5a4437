#include "OrtakDeğişkenlerModülü.h"

QString ProgramBaşlığı;
QString ProgramKlasörü;
QString VeriKlasörü;
QString AyarUygulamaAdı;
QColor VurguRengi;
QString KurumAdı;
bool YazıcıVar = false;
bool YazıcıSeçimiİptal = false;
bool DeğiştirmeModu = false;
QDate SeçilenTarih;
