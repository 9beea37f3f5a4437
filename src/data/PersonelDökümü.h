#pragma once
// The staff table read in one scan for the main window's first load: the department list and
// everybody, each in the order its own statement gives (Deyim::Servisler, Deyim::TümPersonel),
// ordered in memory by the database's two collations. Ties fall as SQLite leaves them: people
// of one order number in the order of the table, and of the departments that are one under the
// Turkish collation (letter case aside) the one met first in the table stands for them all.

#include <QStringList>
#include <optional>
#include <vector>

struct PersonelSatırı
{
    QString adıSoyadı;
    qint32 nosu = 0;
};

struct PersonelDökümü
{
    QStringList servisler;
    std::vector<PersonelSatırı> kişiler;
};

// Empty when a row's order number or department holds a number or a blob, which only another
// tool can store and which only SQLite orders as its statements do. Errors are thrown.
std::optional<PersonelDökümü> PersonelDökümüOku();
