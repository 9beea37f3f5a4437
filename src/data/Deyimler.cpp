#include "Deyimler.h"

#include "common/Hata.h"

#include <algorithm>

namespace Deyim {

namespace {
QString S(const char* metin)
{
    return QString::fromUtf8(metin);
}
QString Sayı(qint64 n)
{
    return QString::number(n);
}

// A text value goes between single quotes as it is, so a quote inside it would end the text and
// let the rest be read as part of the statement. Nothing is built from such a value.
const QString& Metin(const QString& değer)
{
    if (değer.contains(QLatin1Char('\'')))
        throw Hata(HataNo::SözdizimiHatası,
                   QStringLiteral("Metin değeri tek tırnak (') içeremez: ") + değer);
    return değer;
}

// A number given as text (a registry number) goes in bare, so it must be digits only.
const QString& SayıMetni(const QString& değer)
{
    const bool rakamlar = !değer.isEmpty() && std::all_of(değer.begin(), değer.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!rakamlar)
        throw Hata(HataNo::SözdizimiHatası,
                   QStringLiteral("Sayı değeri yalnızca rakamlardan oluşmalı: ") + değer);
    return değer;
}
} // namespace

QString TarihDeğişmezi(const QDate& tarih)
{
    return S("#") + Sayı(tarih.month()) + S("/") + Sayı(tarih.day()) + S("/") + Sayı(tarih.year()) +
           S("#");
}

QString TümPersonel()
{
    return S("SELECT Nosu, AdiSoyadi, SiraNo FROM PersonelBilgileriTablosu ") +
           S("ORDER BY SiraNo ASC");
}

QString ServisPersoneli(const QString& servis)
{
    return S("SELECT Nosu, AdiSoyadi, SiraNo FROM PersonelBilgileriTablosu ") +
           S("WHERE Servisi='") + Metin(servis) + S("' ") + S("ORDER BY SiraNo ASC");
}

QString Servisler()
{
    return S("SELECT DISTINCT Servisi FROM PersonelBilgileriTablosu ") + S("ORDER BY Servisi ASC");
}

QString PersonelTaraması()
{
    return S("SELECT Nosu, AdiSoyadi, SiraNo, Servisi FROM PersonelBilgileriTablosu ") +
           S("ORDER BY Nosu ASC");
}

QString PersonelAyrıntısı(qint32 nosu)
{
    return S("SELECT * FROM PersonelBilgileriTablosu ") + S("WHERE Nosu=") + Sayı(nosu);
}

QString PersoneliSil(qint32 nosu)
{
    return S("DELETE * FROM PersonelBilgileriTablosu ") + S("WHERE Nosu=") + Sayı(nosu);
}

QString SicilArama(const QString& sicil)
{
    return S("SELECT Sicili FROM PersonelBilgileriTablosu ") + S("WHERE Sicili= ") +
           SayıMetni(sicil);
}

QString PersonelEkle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                     const QString& servisi, const QString& sıraNo)
{
    return S("INSERT INTO PersonelBilgileriTablosu ") + S("(Sicili, ") + S("AdiSoyadi, ") +
           S("Unvani, ") + S("Servisi, ") + S("SiraNo) ") + S("VALUES (") + SayıMetni(sicil) +
           S(", ") + S("'") + Metin(adıSoyadı) + S("', ") + S("'") + Metin(ünvanı) + S("', ") +
           S("'") + Metin(servisi) + S("', ") + S("'") + Metin(sıraNo) + S("')");
}

QString PersonelGüncelle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                         const QString& servisi, const QString& sıraNo, qint32 nosu)
{
    return S("UPDATE PersonelBilgileriTablosu ") + S("SET ") + S("Sicili=") + SayıMetni(sicil) +
           S(", ") + S("AdiSoyadi= '") + Metin(adıSoyadı) + S("', ") + S("Unvani='") +
           Metin(ünvanı) + S("', ") + S("Servisi='") + Metin(servisi) + S("', ") + S("SiraNo='") +
           Metin(sıraNo) + S("' ") + S("WHERE Nosu= ") + Sayı(nosu);
}

QString TatilAralığı(const QDate& ilk, const QDate& son)
{
    return S("SELECT TatilTarihi FROM TatilTarihleriTablosu ") + S("WHERE TatilTarihi BETWEEN ") +
           TarihDeğişmezi(ilk) + S(" AND ") + TarihDeğişmezi(son) + S(" ") +
           S("ORDER BY TatilTarihi ASC");
}

QString TatilSil(const QDate& tarih)
{
    return S("DELETE * FROM TatilTarihleriTablosu ") + S("WHERE TatilTarihi=") +
           TarihDeğişmezi(tarih);
}

QString Siciller()
{
    return S("SELECT Sicili FROM PersonelBilgileriTablosu");
}

} // namespace Deyim
