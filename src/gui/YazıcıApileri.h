#pragma once
// The printers of the system: the installed ones as the platform lists them (device name and
// connection), and the current printer the sheets are drawn on. The program starts on
// the system's default printer (or the first one listed when there is no default); a printer
// made current here stays current until the program ends.

#include <QList>
#include <QString>
#include <memory>

class QPrinter;
class YazıcıNesnesi;

struct YüklüYazıcı
{
    QString ad;
    // Where the printer is connected, as the platform reports it: for a CUPS queue its device
    // address (device-uri), with any password in it left out; empty when the system gives none.
    QString bağlantıYeri;
};

// One look at the installed printers, in the platform's order: the spooler is asked once, so
// the names and connections belong together even while printers come and go.
QList<YüklüYazıcı> YüklüYazıcılar();
bool YazıcıYüklüMü(const QString& ad);
bool YüklüYazıcıVarMı();

QString GeçerliYazıcıAdı();
void GeçerliYazıcıyıAyarla(const QString& ad); // a printer not installed throws Hata 9

// The drawing object of the current printer. A test may put its own (a recording printer) in
// its place; null brings the system's printer back.
YazıcıNesnesi& GeçerliYazıcı();
void YazıcıNesnesiniAyarla(YazıcıNesnesi* nesne);

// A printer object of its own over yazıcı, which must outlive it: every sheet is a print job
// of its own, as on the current printer.
std::unique_ptr<YazıcıNesnesi> YazıcıNesnesiOluştur(QPrinter* yazıcı);
