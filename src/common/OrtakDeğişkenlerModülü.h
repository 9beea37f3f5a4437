#pragma once
// The program-wide values. Each is set in one place and read where the windows need it.

#include <QColor>
#include <QDate>
#include <QString>

extern QString ProgramBaşlığı;  // "Velnora - Tessaro 1.01": caption and single-copy key
extern QString ProgramKlasörü;  // the program file's folder, ending in a separator
extern QString VeriKlasörü;     // the folder holding Tsr.vtb, ending in a separator
extern QString AyarUygulamaAdı; // "Velnora\Tessaro"
extern QColor VurguRengi;       // the label colour of the focused entry box
extern QString KurumAdı;        // the institution name in force
extern bool YazıcıVar;          // a printer was installed at start-up
extern bool YazıcıSeçimiİptal;  // the printer choice was cancelled
extern bool DeğiştirmeModu;     // the staff dialog opens in edit mode
extern QDate SeçilenTarih;      // handed from the main window to the holiday calendar
