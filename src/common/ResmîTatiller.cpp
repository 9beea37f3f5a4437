#include "ResmîTatiller.h"

#include <algorithm>
#include <iterator>

namespace {

// The national days are those of Law 2429 on national festivals and general holidays (Ulusal
// Bayram ve Genel Tatiller Hakkında Kanun): 1 May became a holiday in 2009, 15 July in 2017.
struct UlusalGün
{
    int ay;
    int gün;
    int ilkYıl;
};
constexpr UlusalGün UlusalGünler[] = {{1, 1, 0},     {4, 23, 0}, {5, 1, 2009}, {5, 19, 0},
                                      {7, 15, 2017}, {8, 30, 0}, {10, 29, 0}};

// The first days of Ramazan Bayramı (three days) and Kurban Bayramı (four days), as announced in
// the Hijri calendar of the Presidency of Religious Affairs (Diyanet İşleri Başkanlığı).
struct Bayramlar
{
    int yıl;
    int ramazanAyı, ramazanGünü;
    int kurbanAyı, kurbanGünü;
};
constexpr Bayramlar BayramTablosu[] = {
    {2008, 9, 30, 12, 8},  {2009, 9, 20, 11, 27}, {2010, 9, 9, 11, 16}, {2011, 8, 30, 11, 6},
    {2012, 8, 19, 10, 25}, {2013, 8, 8, 10, 15},  {2014, 7, 28, 10, 4}, {2015, 7, 17, 9, 24},
    {2016, 7, 5, 9, 12},   {2017, 6, 25, 9, 1},   {2018, 6, 15, 8, 21}, {2019, 6, 4, 8, 11},
    {2020, 5, 24, 7, 31},  {2021, 5, 13, 7, 20},  {2022, 5, 2, 7, 9},   {2023, 4, 21, 6, 28},
    {2024, 4, 10, 6, 16},  {2025, 3, 30, 6, 6},   {2026, 3, 20, 5, 27}, {2027, 3, 9, 5, 16},
    {2028, 2, 26, 5, 5},   {2029, 2, 14, 4, 24},  {2030, 2, 4, 4, 13},  {2031, 1, 24, 4, 2},
    {2032, 1, 14, 3, 22}};

void SıralaVeTekle(std::vector<QDate>& günler)
{
    std::sort(günler.begin(), günler.end());
    günler.erase(std::unique(günler.begin(), günler.end()), günler.end());
}

} // namespace

ResmîTatilYılı ResmîTatiller(int yıl)
{
    ResmîTatilYılı sonuç;
    for (const UlusalGün& g : UlusalGünler)
        if (yıl >= g.ilkYıl)
            sonuç.tamGünler.emplace_back(yıl, g.ay, g.gün);
    sonuç.yarımGünler.emplace_back(yıl, 10, 28);

    const auto bayram = std::find_if(std::begin(BayramTablosu), std::end(BayramTablosu),
                                     [yıl](const Bayramlar& b) { return b.yıl == yıl; });
    if (bayram != std::end(BayramTablosu)) {
        sonuç.bayramlarBiliniyor = true;
        const QDate ramazan(yıl, bayram->ramazanAyı, bayram->ramazanGünü);
        const QDate kurban(yıl, bayram->kurbanAyı, bayram->kurbanGünü);
        for (int i = 0; i < 3; ++i)
            sonuç.tamGünler.push_back(ramazan.addDays(i));
        for (int i = 0; i < 4; ++i)
            sonuç.tamGünler.push_back(kurban.addDays(i));
        sonuç.yarımGünler.push_back(ramazan.addDays(-1));
        sonuç.yarımGünler.push_back(kurban.addDays(-1));
    }

    SıralaVeTekle(sonuç.tamGünler);
    SıralaVeTekle(sonuç.yarımGünler);
    // An eve that is itself a full holiday (23 April before a feast) is no half day.
    const auto& tam = sonuç.tamGünler;
    auto& yarım = sonuç.yarımGünler;
    yarım.erase(std::remove_if(yarım.begin(), yarım.end(),
                               [&tam](const QDate& g) {
                                   return std::binary_search(tam.begin(), tam.end(), g);
                               }),
                yarım.end());
    return sonuç;
}
