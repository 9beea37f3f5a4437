#include "Deyimler.h"

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
           S("WHERE Servisi='") + servis + S("' ") + S("ORDER BY SiraNo ASC");
}

QString Servisler()
{
    return S("SELECT DISTINCT Servisi FROM PersonelBilgileriTablosu ") + S("ORDER BY Servisi ASC");
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
    return S("SELECT Sicili FROM PersonelBilgileriTablosu ") + S("WHERE Sicili= ") + sicil;
}

QString PersonelEkle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                     const QString& servisi, const QString& sıraNo)
{
    return S("INSERT INTO PersonelBilgileriTablosu ") + S("(Sicili, ") + S("AdiSoyadi, ") +
           S("Unvani, ") + S("Servisi, ") + S("SiraNo) ") + S("VALUES (") + sicil + S(", ") +
           S("'") + adıSoyadı + S("', ") + S("'") + ünvanı + S("', ") + S("'") + servisi +
           S("', ") + S("'") + sıraNo + S("')");
}

QString PersonelGüncelle(const QString& sicil, const QString& adıSoyadı, const QString& ünvanı,
                         const QString& servisi, const QString& sıraNo, qint32 nosu)
{
    return S("UPDATE PersonelBilgileriTablosu ") + S("SET ") + S("Sicili=") + sicil + S(", ") +
           S("AdiSoyadi= '") + adıSoyadı + S("', ") + S("Unvani='") + ünvanı + S("', ") +
           S("Servisi='") + servisi + S("', ") + S("SiraNo='") + sıraNo + S("' ") +
           S("WHERE Nosu= ") + Sayı(nosu);
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

} // namespace Deyim
