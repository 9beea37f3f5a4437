#pragma once
// The whole register written out as a staff list that any spreadsheet opens, and that the
// import reads back into the same register, row for row.

#include "data/PersonelDenetimi.h"

#include <array>
#include <vector>

// The header row of a staff list written out, one caption for each field of the record.
extern const std::array<const char*, 5> ListeBaşlıkları;

// Every staff record, in the order of the staff list's "Tümü".
std::vector<PersonelKaydı> KayıtlıPersonel();

// Writes the header "Sicili", "Adı Soyadı", "Ünvanı", "Servisi", "Sıra No" and the records to
// yol: a name ending in .csv as UTF-8 text with a byte-order mark and ";" between the fields,
// any other as an .xlsx workbook whose numbers are number cells. The file is written beside yol
// and takes its place only when whole; false when it could not be, yol then as it was.
bool PersonelListesiniYaz(const std::vector<PersonelKaydı>& kayıtlar, const QString& yol);
