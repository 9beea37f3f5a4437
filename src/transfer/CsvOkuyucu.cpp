// Delimited text as spreadsheets write it: one record a line, fields between separators, a field
// in double quotes holding separators, line breaks and doubled quotes as it pleases.

#include "TabloYapıcı.h"

#include <QStringDecoder>

namespace {
QString Çöz(const QByteArray& veri)
{
    if (veri.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE)(veri);
    if (veri.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE)(veri);
    // Without a mark, text that is not valid UTF-8 is the Turkish Windows code page.
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString metin = utf8(veri);
    if (!utf8.hasError())
        return metin;
    return QStringDecoder("windows-1254")(veri);
}

class KayıtOkuyucu
{
public:
    KayıtOkuyucu(const QString& metin, QChar ayraç) : metin_(metin), ayraç_(ayraç) {}

    qsizetype Konum() const { return konum_; }

    // The next record's fields; false at the end of the text.
    bool Sonraki(QStringList& alanlar)
    {
        alanlar.clear();
        if (konum_ >= metin_.size())
            return false;
        QString alan;
        // Past the longest cell a field's characters are passed over.
        const auto ekle = [&alan](QChar c) {
            if (alan.size() < EnUzunHücre)
                alan += c;
        };
        bool tırnakta = false;
        bool alanBaşı = true;
        while (konum_ < metin_.size()) {
            const QChar c = metin_.at(konum_++);
            if (tırnakta) {
                if (c != QLatin1Char('"'))
                    ekle(c);
                else if (konum_ < metin_.size() && metin_.at(konum_) == QLatin1Char('"'))
                    ekle(metin_.at(konum_++));
                else
                    tırnakta = false;
            } else if (c == QLatin1Char('"') && alanBaşı) {
                tırnakta = true;
            } else if (c == ayraç_) {
                alanlar << alan;
                alan.clear();
                alanBaşı = true;
                continue;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                if (c == QLatin1Char('\r') && konum_ < metin_.size() &&
                    metin_.at(konum_) == QLatin1Char('\n'))
                    ++konum_;
                break;
            } else {
                ekle(c);
            }
            alanBaşı = false;
        }
        alanlar << alan;
        return true;
    }

private:
    const QString& metin_;
    QChar ayraç_;
    qsizetype konum_ = 0;
};

// The separator that makes one of the first ten full records a header; ";" when none does.
QChar Ayraç(const QString& metin, const BaşlıkSınaması& başlıkMı)
{
    for (const QChar ayraç : {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')}) {
        KayıtOkuyucu okuyucu(metin, ayraç);
        QStringList alanlar;
        for (int dolu = 0; dolu < 10 && okuyucu.Sonraki(alanlar);) {
            if (başlıkMı(alanlar))
                return ayraç;
            if (!alanlar.join(QString()).trimmed().isEmpty())
                ++dolu;
        }
    }
    return QLatin1Char(';');
}
} // namespace

Tablo CsvOku(const QByteArray& veri, const BaşlıkSınaması& başlıkMı, const İlerleme& ilerleme)
{
    const QString metin = Çöz(veri);
    KayıtOkuyucu okuyucu(metin, Ayraç(metin, başlıkMı));
    TabloYapıcı tablo(ilerleme);
    QStringList alanlar;
    while (okuyucu.Sonraki(alanlar)) {
        for (qsizetype i = 0; i < alanlar.size(); ++i)
            tablo.Hücre(i, alanlar[i]);
        tablo.SatırıBitir();
        tablo.İlerle(okuyucu.Konum(), metin.size());
    }
    return tablo.Al();
}
