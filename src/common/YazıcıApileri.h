#pragma once
// The printers of the system: the installed ones as the platform lists them (index, device
// name and connection), and the current printer the sheets are drawn on. The program starts on
// the system's default printer (or the first one listed when there is no default); a printer
// made current here stays current until the program ends.

#include <QString>

class YazıcıNesnesi;

int YüklüYazıcıSayısı();
QString YazıcıAdı(int sıra);
// Where the printer is connected, as the platform reports it: for a CUPS queue its device
// address (device-uri), with any password in it left out; empty when the system gives none.
QString YazıcıBağlantıYeri(int sıra);

QString GeçerliYazıcıAdı();
void GeçerliYazıcıyıAyarla(int sıra); // an index outside the list throws Hata 9

// The drawing object of the current printer. A test may put its own (a recording printer) in
// its place; null brings the system's printer back.
YazıcıNesnesi& GeçerliYazıcı();
void YazıcıNesnesiniAyarla(YazıcıNesnesi* nesne);
