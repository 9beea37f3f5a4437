#pragma once
// One "MESAİ İMZA FÖYÜ" page: a framed sheet with the centred title (a line for each line of
// the institution name, the last one followed by the month and the year), the person block, the
// weekday and weekend hours beside it, and a ruled table of one row per day of the month.
// Yazdır draws it on a printer object, in millimetres from the top-left corner of the
// printable area, and ends the print document. The working hours are read from the database
// at every sheet; everything else comes in with FöyBilgileri.

#include <QDate>
#include <QString>
#include <functional>

class YazıcıNesnesi;

struct FöyBilgileri
{
    QString kurumAdı;
    QString ayAdı; // as the month box shows it: "OCAK"
    int ayNo = 1;  // 1..12
    qint16 başlıkYılı = 0;
    QString tarihYılı; // the year box's text; the dates are built from it
    QString sicili;
    QString adıSoyadı;
    QString ünvanı;
    QString servisi;
    QString sıraNo;
    std::function<bool(const QDate&)> tatilMi; // the month holiday set
};

class İmzaFöyü
{
public:
    İmzaFöyü(YazıcıNesnesi& yazıcı, FöyBilgileri bilgiler);

    // Draws the sheet and ends the document. Each step traps its errors; a printer failure
    // is dropped silently, and the result then is false: the page did not come out whole. A
    // sheet whose working hours or year could not be read is not drawn at all, and is false.
    bool Yazdır();

private:
    // The default size of the font, or a smaller one when 31 day rows below a title of
    // başlıkSatırları lines would run past a frame whose bottom is at altKenar.
    void YazıBoyutunuSeç(float altKenar, int başlıkSatırları);
    void BilgiSatırıYaz(const QString& etiket, const QString& değer);
    void GünSatırlarıYaz(qint16 yıl);
    // Where metin begins when centred in a signature column that begins at x.
    float Ortası(float x, const QString& metin);

    YazıcıNesnesi& yazıcı_;
    FöyBilgileri bilgiler_;

    float SolKenar = 0;
    float SağKenar = 0;
    float TarihSütunuGenişliği = 0;
    float SütunGenişliği = 0;
};
