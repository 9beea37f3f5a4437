#pragma once
// A test's own world: a temporary program folder with a fresh Tsr.vtb, program-files folder
// (PROGRAMFILES) and per-user and system-wide settings folders, scripted message boxes, an
// observed program end and an adjustable clock. Everything is put back when it goes.

#include "DosyaEngelleri.h"
#include "common/OrtakApilerModülü.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

// The texts of one column of a selection on the open connection, in its order.
QStringList Sütun(const QString& seçim, const QString& sütun);

class TestOrtamı
{
public:
    // veritabanıYaz: put a fresh initial Tsr.vtb into the program folder.
    explicit TestOrtamı(bool veritabanıYaz = true);
    ~TestOrtamı();
    TestOrtamı(const TestOrtamı&) = delete;
    TestOrtamı& operator=(const TestOrtamı&) = delete;

    QString ProgramKlasörü() const;   // ends in '/'
    QString ProgramDosyaları() const; // ends in '/'
    QString Ev() const;               // the world's home folder (HOME), ends in '/'
    QString VeritabanıYolu() const { return ProgramKlasörü() + QStringLiteral("Tsr.vtb"); }
    QString YedekYolu() const
    {
        return ProgramDosyaları() + QStringLiteral("Velnora/Vtb Yedekleri/Tsr.ydk");
    }

    // Sets ProgramKlasörü and AyarUygulamaAdı and opens Veritabanı on the test's file.
    void VeritabanınıAç();
    // Runs one statement on the open connection (test data).
    void Çalıştır(const QString& deyim);

    // Message boxes: each shown box is recorded; answers are taken from the front of yanıtlar,
    // or the box's default button when none is queued.
    std::vector<Mesaj> gösterilen;
    std::deque<Yanıt> yanıtlar;
    std::optional<int> bitişKodu; // set when the program was ended

    void SaatiAyarla(const QDateTime& an);

    // Makes Tsr.vtb unwritable even for root (chattr +i) and reopens the connection on it: every
    // read works and every write is refused. Undone when the world goes.
    bool VeritabanınıSaltOkunurYap();
    // Moves Tsr.vtb onto a tiny disk, fills the disk up and reopens the connection there: every
    // read works and every write fails for want of space. Undone when the world goes.
    bool VeritabanınıDoluDiskeTaşı();

private:
    QTemporaryDir kök_;
    QByteArray eskiEv_;
    std::unique_ptr<KüçükDisk> disk_;
    bool saltOkunur_ = false;
};
