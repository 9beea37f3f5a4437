#include "PersonelDökümü.h"

#include "Deyimler.h"
#include "Sıralamalar.h"
#include "Veritabanı.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <utility>

namespace {

// A row's order number in the order of the sort; NULL comes before every text.
struct SıraNo
{
    SıraNoDeğeri değer;
    bool yok;
    size_t satır;
};

// A department's bytes; empty for NULL, which comes before every text.
using Servis = std::optional<QByteArray>;

bool ServisÖnce(const Servis& a, const Servis& b)
{
    if (!a || !b)
        return !a && b;
    return TürkçeSırası(*a, *b) < 0;
}

// NULL is met once at most, so it is never beside another.
bool AynıServis(const Servis& a, const Servis& b)
{
    return a && b && TürkçeSırası(*a, *b) == 0;
}

} // namespace

std::optional<PersonelDökümü> PersonelDökümüOku()
{
    SonuçKümesi satırlar = Veritabanı.KayıtKümesiAç(Deyim::PersonelTaraması());
    const int nosu = satırlar.Konum(QStringLiteral("Nosu"));
    const int ad = satırlar.Konum(QStringLiteral("AdiSoyadi"));
    const int sıraNo = satırlar.Konum(QStringLiteral("SiraNo"));
    const int servis = satırlar.Konum(QStringLiteral("Servisi"));
    PersonelDökümü döküm;
    std::vector<PersonelSatırı> okunan;
    // The order numbers one after another (the record set's bytes last only as long as their
    // row), and where each lies: its length, -1 for NULL, after the previous one's end.
    QByteArray baytlar;
    std::vector<qsizetype> uzunluklar;
    // Each department once, as first met; a department met again costs one look-up. The set's
    // views point into the byte arrays of servisler, which stay where they are when the vector
    // grows (Qt's own hash of a text is slow where the processor's AES instructions are
    // emulated, and there are as many look-ups as rows).
    std::vector<Servis> servisler;
    std::unordered_set<std::string_view> görülen;
    bool boşServisVar = false;
    for (; !satırlar.EOF_(); satırlar.SonrakineGeç()) {
        const std::optional<QByteArrayView> s = satırlar.Baytlar(sıraNo);
        const std::optional<QByteArrayView> d = satırlar.Baytlar(servis);
        if (!s || !d)
            return std::nullopt;
        uzunluklar.push_back(s->isNull() ? -1 : s->size());
        baytlar.append(*s);
        okunan.push_back({satırlar.Metin(ad), satırlar.Tamsayı(nosu)});
        if (d->isNull()) {
            if (!std::exchange(boşServisVar, true))
                servisler.emplace_back();
        } else if (görülen.count(std::string_view(d->data(), size_t(d->size()))) == 0) {
            const QByteArray& yeni = *servisler.emplace_back(d->toByteArray());
            görülen.emplace(yeni.constData(), size_t(yeni.size()));
        }
    }
    satırlar.Kapat();

    std::vector<SıraNo> sıra;
    sıra.reserve(okunan.size());
    qsizetype baş = 0;
    for (const qsizetype uzunluk : uzunluklar) {
        const QByteArrayView metin(baytlar.constData() + baş, std::max<qsizetype>(uzunluk, 0));
        sıra.push_back({SıraNoDeğeriniOku(metin), uzunluk < 0, sıra.size()});
        baş += metin.size();
    }
    std::stable_sort(sıra.begin(), sıra.end(), [](const SıraNo& a, const SıraNo& b) {
        if (a.yok || b.yok)
            return a.yok && !b.yok;
        return SıraNoSırası(a.değer, b.değer) < 0;
    });
    döküm.kişiler.reserve(okunan.size());
    for (const SıraNo& s : sıra)
        döküm.kişiler.push_back(std::move(okunan[s.satır]));

    std::stable_sort(servisler.begin(), servisler.end(), ServisÖnce);
    servisler.erase(std::unique(servisler.begin(), servisler.end(), AynıServis), servisler.end());
    for (const Servis& s : servisler)
        döküm.servisler << (s ? QString::fromUtf8(*s) : QString());
    return döküm;
}
