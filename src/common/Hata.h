#pragma once
// The one exception type of the program: an error number and its description, as the database
// engine, the printing back end or the run time reported it. HataYönet sorts errors by number.

#include <QString>
#include <exception>

namespace HataNo {
constexpr int GeçersizÇağrı = 5;           // an unexpected failure inside a library call
constexpr int Taşma = 6;                   // a number outside the range of its type
constexpr int YetersizBellek = 7;          // an allocation failed
constexpr int AralıkDışında = 9;           // no such element (a printer that is not installed)
constexpr int TürUyuşmazlığı = 13;         // a text where a number was expected
constexpr int DosyaZatenVar = 58;          // a file that must not exist yet exists
constexpr int YolHatası = 75;              // a file could not be written, moved or replaced
constexpr int GeçersizDosyaBiçimi = 321;   // a file is not what its name says, or is damaged
constexpr int NesneAyarlanmamış = 91;      // no database connection (a failed open was passed over)
constexpr int BoşDeğer = 94;               // an empty field where a value was needed
constexpr int DenetimDizisiÖğesiYok = 340; // no control of a control array with that index
constexpr int GeçersizÖzellikDeğeri = 380; // a value outside a control's range
constexpr int GeçersizDizin = 381;         // a list index outside the list
constexpr int YazıcıHatası = 482;          // the printer refused a page
constexpr int GüncellemesizDüzenleme = 3020; // an update without AddNew or Edit before it
constexpr int GeçerliKayıtYok = 3021;        // a record set read at its end
constexpr int YinelenenDeğer = 3022;         // a second row with the same unique value
constexpr int DiskDolu = 3026;               // not enough space on the disk
constexpr int SaltOkunur = 3027;             // the file or folder cannot be written
constexpr int DiskYadaAğHatası = 3043;       // a read or write of the file failed
constexpr int GeçersizYol = 3044;            // the folder of the file does not exist
constexpr int TanınmayanBiçim = 3049;    // the file is damaged, or not a database of the program
constexpr int DosyaAçılamıyor = 3051;    // the file exists but cannot be opened
constexpr int KilitliKayıt = 3260;       // another process holds a write lock
constexpr int ÖzelKullanımda = 3356;     // another process holds the file exclusively
constexpr int SözdizimiHatası = 3075;    // the engine could not read the statement
constexpr int TabloYok = 3078;           // no table of that name
constexpr int GeçersizAlanDeğeri = 3162; // a value the column's rule refuses
constexpr int ÖğeYok = 3265;             // no column of that name or position
constexpr int YedekYazılamıyor = 3900;   // the backup copy could not be written into its folder
} // namespace HataNo

class Hata : public std::exception
{
public:
    Hata(int numara, QString açıklama) : numara_(numara), açıklama_(std::move(açıklama)) {}

    int Numara() const { return numara_; }
    const QString& Açıklama() const { return açıklama_; }
    const char* what() const noexcept override { return "Tessaro Hata"; }

private:
    int numara_;
    QString açıklama_;
};
