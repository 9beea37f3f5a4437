#pragma once
// The connection to the database file and its two kinds of record set, over SQLite.
//
// Statements arrive in the desktop-database dialect the program builds (DELETE *, #m/d/yyyy#
// date literals) and pass through DeyimÇevirici on their way to SQLite. Every failure is
// thrown as Hata with the engine number of the mapping table in SQLiteHataları.cpp.

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace detay {
struct BağlantıKapatıcı
{
    void operator()(sqlite3* b) const;
};
struct DeyimKapatıcı
{
    void operator()(sqlite3_stmt* d) const;
};
using BağlantıTutucu = std::unique_ptr<sqlite3, BağlantıKapatıcı>;
using DeyimTutucu = std::unique_ptr<sqlite3_stmt, DeyimKapatıcı>;
} // namespace detay

// A forward-only result of a SELECT: rows in the statement's order.
class SonuçKümesi
{
public:
    SonuçKümesi(sqlite3* bağlantı, detay::DeyimTutucu deyim);

    bool EOF_() const { return son_; }         // no current row: past the last one
    QVariant Alan(const QString& sütun) const; // null for SQL NULL; DATE columns as QDate
    QVariant Alan(int konum) const;
    void SonrakineGeç();
    void Kapat();

    // Reads for scans of many rows, with no QVariant for a field: a column's position by its
    // name; a field as Alan(konum).toInt() and Alan(konum).toString() give it; and a text
    // field's UTF-8 bytes as SQLite holds them, valid until the row changes (a null view for
    // NULL, nullopt for a number or a blob).
    int Konum(const QString& sütun) const;
    qint32 Tamsayı(int konum) const;
    QString Metin(int konum) const;
    std::optional<QByteArrayView> Baytlar(int konum) const;

private:
    void Adımla();
    void AlanıDenetle(int konum) const; // a current row that has the field
    sqlite3* bağlantı_;
    detay::DeyimTutucu deyim_;
    std::vector<QString> sütunlar_; // the column names, read once: rows are read by name
    bool son_ = true;
};

// A whole table opened by name, first row current; rows are added or edited through a buffer
// that Güncelle writes in one statement.
class TabloKümesi
{
public:
    TabloKümesi(sqlite3* bağlantı, QString tablo);

    bool EOF_() const { return !satır_.has_value(); }
    QVariant Alan(const QString& sütun) const;
    void AlanıAyarla(const QString& sütun, const QVariant& değer);
    void YeniEkle(); // AddNew
    void Düzenle();  // Edit the current row
    void Güncelle(); // Update: store the new or edited row
    void Kapat();

private:
    enum class Kip { Okuma, Ekleme, Düzenleme };
    void SatırıOku(const QString& koşul, qint64 sonraki);
    sqlite3* bağlantı_;
    QString tablo_;
    std::vector<QString> sütunlar_;
    std::optional<qint64> satır_; // rowid of the current row
    std::map<QString, QVariant> değerler_;
    std::map<QString, QVariant> tampon_;
    Kip kip_ = Kip::Okuma;
};

class VeritabanıBağlantısı
{
public:
    VeritabanıBağlantısı();
    ~VeritabanıBağlantısı();

    // Opens the file for reading and writing (not exclusively) and checks that it is a
    // database. Replaces any earlier connection.
    void Aç(const QString& yol);
    bool AçıkMı() const { return bağlantı_ != nullptr; }
    void Kapat();

    void Çalıştır(const QString& deyim);             // DELETE, INSERT, UPDATE
    SonuçKümesi KayıtKümesiAç(const QString& seçim); // SELECT, forward only
    TabloKümesi TabloAç(const QString& tablo);       // a whole table by name

    // Runs adımlar as one transaction: the changes they make are all stored, or, when a step or
    // the commit fails, none is, and the error goes on to the caller.
    void İşlemİçinde(const std::function<void()>& adımlar);

    // Writes a compacted copy of the file at kaynak to hedef, the backup; hedef is replaced only
    // once the copy is complete, so a failure leaves whatever stood at hedef untouched. A fault
    // of kaynak keeps its engine number; one while the copy is written, checked or put in place
    // is a fault of the backup folder (YedekYazılamıyor), which names that folder.
    static void Sıkıştır(const QString& kaynak, const QString& hedef);

private:
    sqlite3* Bağlantı() const;
    detay::BağlantıTutucu bağlantı_;
};

// The program's one connection, opened at start-up.
extern VeritabanıBağlantısı Veritabanı;

// Registers the Turkish collations on a connection (used by the connection itself and by the
// tool that writes the initial file).
void TürkçeSıralamalarıKaydet(sqlite3* bağlantı);

// The engine error for an SQLite result code (see the table in SQLiteHataları.cpp).
[[noreturn]] void SQLiteHatası(sqlite3* bağlantı, int kod, bool açılışta = false);
