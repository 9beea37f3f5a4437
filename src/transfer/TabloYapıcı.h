#pragma once
// What the readers of Tablo.h share: the table built cell by cell within its limits, the text of
// a number cell, the refusal of a file, and the archive that .xlsx and .ods files are.

#include "Tablo.h"

#include <QIODevice>
#include <memory>

struct zip;
struct zip_file;

// Throws Hata 321 with the sentence.
[[noreturn]] void BiçimHatası(const QString& cümle);
[[noreturn]] void ŞifreliDosyaHatası();

// The digits of a whole number up to 15 digits, otherwise the shortest form of the value; a text
// that is no number is returned as it is.
QString SayıMetni(const QString& değer);
QString SayıMetni(double değer);

class TabloYapıcı
{
public:
    explicit TabloYapıcı(const İlerleme& ilerleme) : ilerleme_(ilerleme) {}

    // The cell at column sütun (0 the first) of the row being read.
    void Hücre(qint64 sütun, const QString& metin);
    // Ends the row, which stands kez times in the sheet.
    void SatırıBitir(qint64 kez = 1);
    // Reports the progress, once in a while.
    void İlerle(qint64 yapılan, qint64 toplam);
    Tablo Al() { return std::move(tablo_); }

private:
    const İlerleme& ilerleme_;
    Tablo tablo_;
    QStringList satır_;
    bool dolu_ = false;
    int adım_ = 0;
};

// One part of a zip archive, inflated while it is read. Reading past EnBüyükDosya, or a part
// that fails its check, ends in a read error.
class ZipGirdisi : public QIODevice
{
public:
    ZipGirdisi(zip_file* dosya, qint64 boyut);
    ~ZipGirdisi() override;

    bool isSequential() const override { return true; }
    qint64 Okunan() const { return okunan_; }
    qint64 Boyut() const { return boyut_; } // as the archive gives it

protected:
    qint64 readData(char* veri, qint64 en) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    zip_file* dosya_;
    qint64 boyut_;
    qint64 okunan_ = 0;
};

// A zip archive read from memory; its parts are found by name without regard to letter case.
class ZipArşivi
{
public:
    // bozuk: the sentence for a file that is not such an archive.
    ZipArşivi(const QByteArray& veri, QString bozuk);
    ~ZipArşivi();
    ZipArşivi(const ZipArşivi&) = delete;
    ZipArşivi& operator=(const ZipArşivi&) = delete;

    // None when there is no such part; an encrypted part throws ŞifreliDosyaHatası.
    std::unique_ptr<ZipGirdisi> Aç(const QString& ad) const;
    const QString& Bozuk() const { return bozuk_; }

private:
    QByteArray veri_;
    QString bozuk_;
    zip* arşiv_ = nullptr;
};
