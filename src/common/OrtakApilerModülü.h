#pragma once
// The platform seams of the core: the one message-box function, the clock, the end of the
// program and the per-user settings store. The program installs the real implementations at
// start-up; tests install scripted ones.

#include <QDateTime>
#include <QString>
#include <functional>
#include <memory>

class QSettings;

enum class MesajSimgesi { Bilgi, Ünlem, Soru, Kritik };
enum class MesajDüğmeleri { Tamam, EvetHayır };
enum class Yanıt { Tamam, Evet, Hayır };

struct Mesaj
{
    QString metin;
    MesajSimgesi simge = MesajSimgesi::Bilgi;
    MesajDüğmeleri düğmeler = MesajDüğmeleri::Tamam;
    QString başlık = QStringLiteral("Tessaro");
    Yanıt varsayılan = Yanıt::Tamam; // for Yes/No boxes: the button Enter presses
};

// Shows one modal message box and returns the button pressed. Every box of the program goes
// through here; centring over the active window is armed by the caller beforehand.
Yanıt MesajKutusu(const Mesaj& mesaj);
void MesajKutusuUygulamasınıAyarla(std::function<Yanıt(const Mesaj&)> uygulama);

// Today's date and the current time.
QDateTime Şimdi();
QDate Bugün();
void SaatiAyarla(std::function<QDateTime()> saat); // an empty function restores the real clock

// Ends the program at once: no unload handlers, nothing saved. The real one ends the process;
// a test's records the code and returns, after which ProgramBittiMi() is true and the guards
// run no further step.
void ProgramıBitir(int kod);
bool ProgramBittiMi();
void ProgramSonunuAyarla(std::function<void(int)> son); // an empty function restores the real end
void ProgramSonunuSıfırla();                            // tests: forget an earlier end

// The per-user settings store of AyarUygulamaAdı ("Velnora\Tessaro").
std::unique_ptr<QSettings> AyarlarıAç();
// The settings an administrator keeps for every account of the computer
// (/etc/xdg/Velnora/Tessaro.conf); the program only reads them.
std::unique_ptr<QSettings> SistemAyarlarınıAç();

// The folder of the program file, ending in a separator; tests point it at a folder of their own.
QString ProgramDosyasınınKlasörü();
void ProgramDosyasınınKlasörünüAyarla(const QString& klasör); // empty: the real folder again

// The folder a file dialog opens in: the user's documents folder when it exists, otherwise the
// home folder. (A dialog given a folder that is not there would open in the working folder, the
// program's own.)
QString DosyaPenceresiKlasörü();

// Opens the address in the system's web browser; nothing is reported when it cannot.
void AdresiAç(const QString& adres);
