#include "PersonelİçeAktarımı.h"

#include "TabloYapıcı.h"
#include "common/Hata.h"
#include "common/TürkçeMetin.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"

#include <algorithm>
#include <map>

namespace {
enum Sütun { Sicil, AdSoyad, Ad, Soyad, Ünvan, Servis, Sıra, SütunSayısı };
using Sütunlar = std::array<qsizetype, SütunSayısı>;

// The names a column goes by in the header row.
const std::array<std::vector<const char*>, SütunSayısı> SütunAdları = {{
    {"Sicil", "Sicili", "Sicil No", "Sicil Numarası"},
    {"Adı Soyadı", "Ad Soyad", "Adı ve Soyadı", "Ad Soyadı"},
    {"Adı"},
    {"Soyadı"},
    {"Ünvan", "Ünvanı", "Unvan", "Unvanı", "Görevi", "Kadro Ünvanı"},
    {"Servis", "Servisi", "Birim", "Birimi", "Bölüm", "Bölümü"},
    {"Sıra", "Sıra No", "Sıra Numarası"},
}};

// The names of the fields in a row's reason, in the order of the record.
const std::array<const char*, 5> AlanAdları = {"sicil", "ad soyad", "ünvan", "servis", "sıra no"};
// The longest text a field of the register takes from a file.
constexpr qsizetype EnUzunAlan = 255;

QString Anahtar(QString ad)
{
    ad.remove(QLatin1Char('.')).remove(QLatin1Char(':'));
    return TürkçeKüçükHarf(ad.simplified());
}

Sütunlar SütunlarıBul(const QStringList& hücreler)
{
    static const std::map<QString, Sütun> anahtarlar = [] {
        std::map<QString, Sütun> m;
        for (int sütun = 0; sütun < SütunSayısı; ++sütun)
            for (const char* ad : SütunAdları[sütun])
                m.emplace(Anahtar(QString::fromUtf8(ad)), Sütun(sütun));
        return m;
    }();
    Sütunlar yerler;
    yerler.fill(-1);
    for (qsizetype i = 0; i < hücreler.size(); ++i)
        if (const auto a = anahtarlar.find(Anahtar(hücreler[i])); a != anahtarlar.end())
            if (yerler[a->second] < 0)
                yerler[a->second] = i;
    return yerler;
}

bool Tam(const Sütunlar& s)
{
    return s[Sicil] >= 0 && (s[AdSoyad] >= 0 || (s[Ad] >= 0 && s[Soyad] >= 0)) && s[Ünvan] >= 0 &&
           s[Servis] >= 0;
}

// «"A", "B" ya da "C"», or «"A", "B", "C" ya da <ek>»
QString Seçenekler(Sütun sütun, const QString& ek = {})
{
    QStringList adlar;
    for (const char* ad : SütunAdları[sütun])
        adlar << QLatin1Char('"') + QString::fromUtf8(ad) + QLatin1Char('"');
    if (!ek.isEmpty())
        adlar << ek;
    const QString son = adlar.takeLast();
    return adlar.isEmpty() ? son
                           : adlar.join(QStringLiteral(", ")) + QStringLiteral(" ya da ") + son;
}

QString BaşlıkYokMesajı()
{
    return QStringLiteral("Dosyanın ilk 10 dolu satırında personel listesinin başlık satırı "
                          "bulunamadı.\r\n\r\nBaşlık satırında şu sütunlar bulunmalıdır:") +
           QStringLiteral("\r\n• Sicil: ") + Seçenekler(Sicil) +
           QStringLiteral("\r\n• Adı ve soyadı: ") +
           Seçenekler(AdSoyad, QStringLiteral("ayrı \"Adı\" ve \"Soyadı\" sütunları")) +
           QStringLiteral("\r\n• Ünvan: ") + Seçenekler(Ünvan) + QStringLiteral("\r\n• Servis: ") +
           Seçenekler(Servis) + QStringLiteral("\r\n• İsteğe bağlı olarak sıra numarası: ") +
           Seçenekler(Sıra);
}

bool RakamlarMı(const QString& metin)
{
    return std::all_of(metin.begin(), metin.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// The checks of a file's row beyond the dialog's: the order number, the length of the fields
// and the characters no one types.
QString EkNeden(const PersonelKaydı& kayıt)
{
    if (!RakamlarMı(kayıt[SıraNoAlanı]))
        return QStringLiteral("sıra no yalnızca rakamlardan oluşmalı");
    for (std::size_t i = 0; i < kayıt.size(); ++i) {
        const QString alan = QString::fromUtf8(AlanAdları[i]);
        if (kayıt[i].size() > EnUzunAlan)
            return alan + QStringLiteral(" çok uzun");
        if (std::any_of(kayıt[i].begin(), kayıt[i].end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; }))
            return alan + QStringLiteral(" geçersiz karakter içeriyor");
    }
    return {};
}
} // namespace

bool PersonelİçeAktarımı::BaşlıkSatırıMı(const QStringList& hücreler)
{
    return Tam(SütunlarıBul(hücreler));
}

PersonelİçeAktarımı::PersonelİçeAktarımı(const Tablo& tablo, const std::set<qint64>& kayıtlılar)
{
    const auto ilkler = tablo.begin() + qsizetype(std::min<std::size_t>(10, tablo.size()));
    const auto başlık = std::find_if(tablo.begin(), ilkler, BaşlıkSatırıMı);
    if (başlık == ilkler)
        BiçimHatası(BaşlıkYokMesajı());
    const Sütunlar s = SütunlarıBul(*başlık);
    std::set<qint64> dosyada;
    for (auto satır = başlık + 1; satır != tablo.end(); ++satır) {
        const auto hücre = [&](Sütun sütun) {
            return s[sütun] < 0 ? QString() : satır->value(s[sütun]);
        };
        const PersonelKaydı ham = {hücre(Sicil),
                                   s[AdSoyad] >= 0 ? hücre(AdSoyad)
                                                   : hücre(Ad) + QLatin1Char(' ') + hücre(Soyad),
                                   hücre(Ünvan), hücre(Servis), hücre(Sıra)};
        Satır yeni{{}, Durum::Eklenecek, {}};
        for (std::size_t i = 0; i < ham.size(); ++i)
            yeni.kayıt[i] = AlanıDüzelt(int(i), ham[i]);
        if (std::all_of(yeni.kayıt.begin(), yeni.kayıt.end(), std::mem_fn(&QString::isEmpty)))
            continue;
        const std::optional<Kusur> kusur = PersoneliDenetle(yeni.kayıt, [&](const QString& sicil) {
            return kayıtlılar.count(sicil.toLongLong()) > 0;
        });
        // A registry number met again further down the file is refused from its second row on.
        const bool sicilGeçerli = !kusur || kusur->alan != SicilAlanı;
        if (kusur && kusur->tür == Kusur::SicilKayıtlı)
            yeni.durum = Durum::ZatenKayıtlı;
        else if (sicilGeçerli && !dosyada.insert(yeni.kayıt[SicilAlanı].toLongLong()).second)
            yeni.neden = QStringLiteral("dosyada iki kez");
        else
            yeni.neden = kusur ? kusur->neden : EkNeden(yeni.kayıt);
        if (!yeni.neden.isEmpty())
            yeni.durum = Durum::Hatalı;
        satırlar_.push_back(std::move(yeni));
    }
}

int PersonelİçeAktarımı::Sayı(Durum durum) const
{
    return int(std::count_if(satırlar_.begin(), satırlar_.end(),
                             [durum](const Satır& s) { return s.durum == durum; }));
}

QString PersonelİçeAktarımı::Özet() const
{
    return QStringLiteral("%1 satır okundu: %2 eklenecek, %3 zaten kayıtlı, %4 hatalı.")
        .arg(satırlar_.size())
        .arg(Sayı(Durum::Eklenecek))
        .arg(Sayı(Durum::ZatenKayıtlı))
        .arg(Sayı(Durum::Hatalı));
}

QString PersonelİçeAktarımı::DurumMetni(const Satır& satır)
{
    switch (satır.durum) {
    case Durum::Eklenecek:
        return QStringLiteral("Eklenecek");
    case Durum::ZatenKayıtlı:
        return QStringLiteral("Zaten kayıtlı");
    default:
        return QStringLiteral("Hatalı: ") + satır.neden;
    }
}

void PersonelİçeAktarımı::Ekle() const
{
    Veritabanı.İşlemİçinde([this] {
        for (const Satır& s : satırlar_)
            if (s.durum == Durum::Eklenecek)
                Veritabanı.Çalıştır(Deyim::PersonelEkle(s.kayıt[SicilAlanı], s.kayıt[AdSoyadAlanı],
                                                        s.kayıt[ÜnvanAlanı], s.kayıt[ServisAlanı],
                                                        s.kayıt[SıraNoAlanı]));
    });
}

std::set<qint64> KayıtlıSiciller()
{
    std::set<qint64> siciller;
    for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::Siciller()); !k.EOF_(); k.SonrakineGeç())
        siciller.insert(k.Alan(QStringLiteral("Sicili")).toLongLong());
    return siciller;
}

PersonelİçeAktarımı PersonelListesiniOku(const QString& yol, const İlerleme& ilerleme)
{
    try {
        return PersonelİçeAktarımı(
            TabloDosyasınıOku(yol, PersonelİçeAktarımı::BaşlıkSatırıMı, ilerleme),
            KayıtlıSiciller());
    } catch (const Hata& hata) {
        if (hata.Numara() != HataNo::GeçersizDosyaBiçimi)
            throw;
        return PersonelİçeAktarımı(hata.Açıklama());
    }
}
