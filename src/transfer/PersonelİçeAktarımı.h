#pragma once
// The import of a staff list from a spreadsheet: the header row found among the sheet's first
// rows, each row below it taken as the staff dialog takes the same texts typed (normalised as on
// leaving its boxes, then checked in its order), and the rows that pass added in one
// transaction through the program's own insert statement.

#include "Tablo.h"
#include "data/PersonelDenetimi.h"

#include <set>
#include <vector>

class PersonelİçeAktarımı
{
public:
    enum class Durum { Eklenecek, ZatenKayıtlı, Hatalı };
    struct Satır
    {
        PersonelKaydı kayıt; // as it would be stored
        Durum durum;
        QString neden; // why a row is refused
    };

    // The rows of tablo below its header, with the registry numbers of kayıtlılar stored
    // already. Without a header throws Hata 321 with the names of the columns needed.
    PersonelİçeAktarımı(const Tablo& tablo, const std::set<qint64>& kayıtlılar);
    // An import that cannot be made, for the reason given: it has no rows.
    explicit PersonelİçeAktarımı(QString sorun) : sorun_(std::move(sorun)) {}

    // Whether the cells name the columns of a staff list: registry number, name (one column,
    // or two for the name and the surname), title and department; the order number may be
    // missing. Names are compared without regard to Turkish letter case, dots, colons and the
    // blanks around them.
    static bool BaşlıkSatırıMı(const QStringList& hücreler);

    // Why the file could not be taken; empty when it could.
    const QString& Sorun() const { return sorun_; }
    const std::vector<Satır>& Satırlar() const { return satırlar_; }
    int Sayı(Durum durum) const;
    // "<n> satır okundu: <e> eklenecek, <k> zaten kayıtlı, <h> hatalı."
    QString Özet() const;
    // "Eklenecek", "Zaten kayıtlı" or "Hatalı: <neden>".
    static QString DurumMetni(const Satır& satır);

    // Adds every row to be added, all in one transaction: on a failure none is, and the error
    // goes on to the caller.
    void Ekle() const;

private:
    std::vector<Satır> satırlar_;
    QString sorun_;
};

// The registry numbers of the register.
std::set<qint64> KayıtlıSiciller();

// The import of the staff list in the file's first sheet, against the register. A file that is
// not what its name says, is damaged or encrypted, or has no header gives an import with a
// Sorun; the register's own errors are thrown.
PersonelİçeAktarımı PersonelListesiniOku(const QString& yol, const İlerleme& ilerleme = {});
