// Times the import of 10,000 staff into an empty register, from an .xlsx workbook and from a
// CSV file that the export wrote: the file read, every row checked, and all of them added in
// one transaction. The median of several runs, each into a fresh register.

#include "destek/TestOrtamı.h"
#include "transfer/PersonelDışaAktarımı.h"
#include "transfer/PersonelİçeAktarımı.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int KişiSayısı = 10000;
constexpr int Tekrar = 7;

struct Süreler
{
    qint64 okuma = 0; // read and checked
    qint64 ekleme = 0;
};

Süreler Ölç(const QString& yol)
{
    TestOrtamı ortam;
    ortam.VeritabanınıAç();
    QElapsedTimer saat;
    saat.start();
    const PersonelİçeAktarımı aktarım = PersonelListesiniOku(yol);
    Süreler süre;
    süre.okuma = saat.restart();
    aktarım.Ekle();
    süre.ekleme = saat.elapsed();
    if (aktarım.Sayı(PersonelİçeAktarımı::Durum::Eklenecek) != KişiSayısı) {
        std::fprintf(stderr, "Beklenmeyen sonuç: %s\n", qPrintable(aktarım.Özet()));
        std::exit(1);
    }
    return süre;
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication uygulama(argc, argv);
    std::vector<PersonelKaydı> kayıtlar;
    for (int i = 0; i < KişiSayısı; ++i)
        kayıtlar.push_back({QString::number(100000 + i), QStringLiteral("Kişi %1 SOYADI").arg(i),
                            QStringLiteral("Memur"), QStringLiteral("Servis %1").arg(i % 40),
                            QString::number(i + 1)});
    const QTemporaryDir klasör;
    for (const QString& ad : {QStringLiteral("liste.xlsx"), QStringLiteral("liste.csv")}) {
        const QString yol = klasör.filePath(ad);
        if (!PersonelListesiniYaz(kayıtlar, yol))
            return 1;
        std::vector<Süreler> ölçümler;
        for (int i = 0; i < Tekrar; ++i)
            ölçümler.push_back(Ölç(yol));
        std::sort(ölçümler.begin(), ölçümler.end(), [](const Süreler& a, const Süreler& b) {
            return a.okuma + a.ekleme < b.okuma + b.ekleme;
        });
        const Süreler& orta = ölçümler[ölçümler.size() / 2];
        std::printf("%d kişi, %s: okuma ve denetim %lld ms, ekleme %lld ms, toplam %lld ms\n",
                    KişiSayısı, qPrintable(ad), orta.okuma, orta.ekleme, orta.okuma + orta.ekleme);
    }
    return 0;
}
