#pragma once
// The cells of a spreadsheet's first sheet as texts, read from the kinds of file an office keeps
// its lists in: .xlsx, .ods, .xls and delimited text (.csv, .txt). Rows in which every cell is
// blank are left out; a number reads as a person would type it (12345, never 12345.0 or
// 1.2345E+4). A file that cannot be read as its kind throws Hata 321 with a sentence for the user.

#include <QStringList>
#include <functional>
#include <vector>

using Tablo = std::vector<QStringList>;
// Called now and then while a file is read: yapılan of toplam are done.
using İlerleme = std::function<void(qint64 yapılan, qint64 toplam)>;
// Whether a row is the header wanted; a delimited text's separator is the one that makes one.
using BaşlıkSınaması = std::function<bool(const QStringList&)>;

// Limits of a sheet that can hold a staff list. Rows past the first EnÇokSatır full ones refuse
// the file; cells right of EnÇokSütun are left out, and a cell is cut after EnUzunHücre
// characters (no field of the register is that long, so such a row can only be refused).
constexpr int EnÇokSatır = 100000;
constexpr int EnÇokSütun = 1000;
constexpr int EnUzunHücre = 1000;
constexpr qint64 EnBüyükDosya = qint64(256) << 20;

// The kind follows the file name's extension.
Tablo TabloDosyasınıOku(const QString& yol, const BaşlıkSınaması& başlıkMı,
                        const İlerleme& ilerleme = {});

// One kind each, from the file's bytes; an .xls from its path, as FreeXL reads files only.
Tablo XlsxOku(const QByteArray& veri, const İlerleme& ilerleme = {});
Tablo OdsOku(const QByteArray& veri, const İlerleme& ilerleme = {});
Tablo XlsOku(const QString& yol, const İlerleme& ilerleme = {});
// UTF-8 with or without a byte-order mark, UTF-16 with one, otherwise Windows-1254; fields
// separated by ";", "," or a tab, quoted with '"' (doubled inside), line breaks inside quotes.
Tablo CsvOku(const QByteArray& veri, const BaşlıkSınaması& başlıkMı, const İlerleme& ilerleme = {});
