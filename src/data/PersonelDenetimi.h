#pragma once
// A staff record as the staff dialog takes it: what leaving each of its five boxes does to the
// text, and the checks made before the record is written, in their order and with their
// messages. The dialog and the import of a staff list share them, so that a row read from a file
// is taken exactly as the same texts typed into the dialog.

#include <QString>
#include <array>
#include <functional>
#include <optional>

// The five boxes in the dialog's order; a record holds their texts at these indexes.
enum PersonelAlanı { SicilAlanı, AdSoyadAlanı, ÜnvanAlanı, ServisAlanı, SıraNoAlanı };
using PersonelKaydı = std::array<QString, 5>;

// The text a box holds once the user leaves it: name, title and department normalised
// (AdıSoyadıDüzelt, ÜnvanıDüzelt), the two numbers trimmed of white space.
QString AlanıDüzelt(int alan, const QString& metin);

struct Kusur
{
    enum Tür {
        SicilYok,
        SicilRakamDeğil,
        SicilÇokBüyük,
        SicilKayıtlı,
        AdSoyadYok,
        SoyadYok,
        ÜnvanYok,
        ServisYok
    };
    Tür tür;
    int alan;      // the box at fault
    QString mesaj; // the dialog's message
    QString neden; // the same in a few words, as a list of rows shows it
};

// The first check the record fails, in the dialog's order; none when it may be written. The
// registry number must be digits that fit the 64-bit column; başkasınınMı, asked only about
// such a number, answers whether it belongs to another stored person.
std::optional<Kusur> PersoneliDenetle(const PersonelKaydı& kayıt,
                                      const std::function<bool(const QString&)>& başkasınınMı);
