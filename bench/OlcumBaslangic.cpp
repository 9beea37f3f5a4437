// Start-up figures, printed in one run:
//  1. preparing and opening a database of 10,000 staff and 1,000 holidays, with the backup
//     renewed (the database last changed the day before) and without;
//  2. process start to the first window shown, taken in turns in every round: Tessaro with an
//     empty register and with 10,000 staff in 40 departments, the bare Qt Widgets window with
//     the same kinds of controls (EnKucukPencere), and the floor that lists the same two
//     registers at their least cost (TabanPencere). Each program answers on its local socket
//     right after its window is shown, and the time is when a connection first succeeds.
//     Printed: Tessaro's empty start against the bare window's, pair by pair, and what the
//     10,000 staff add to Tessaro's start against what they add to the floor's, round by round.
// The platform is the environment's (QT_QPA_PLATFORM, DISPLAY), offscreen when none is named;
// TESSARO_PROGRAM names another build of the program to measure.
//   OlcumBaslangic [ROUNDS]

#include "ProgramKopyası.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "destek/TestOrtamı.h"
#include "startup/TekKopyaKoruması.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double Ortanca(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void Yaz(const char* ad, const std::vector<double>& v)
{
    std::printf("%-58s median %8.1f ms  (min %.1f, max %.1f, %zu runs)\n", ad, Ortanca(v),
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()),
                v.size());
}

void VeritabanınıDoldur()
{
    Veritabanı.Çalıştır(QStringLiteral("BEGIN"));
    const QStringList servisler = {QStringLiteral("Muhasebe"),     QStringLiteral("İdari İşler"),
                                   QStringLiteral("Çevre Koruma"), QStringLiteral("Şehir Planlama"),
                                   QStringLiteral("Özel Kalem"),   QStringLiteral("Ulaşım")};
    for (int i = 1; i <= 10000; ++i)
        Veritabanı.Çalıştır(Deyim::PersonelEkle(
            QString::number(100000 + i), QStringLiteral("Personel Adı Soyadı %1").arg(i),
            QStringLiteral("Memur"), servisler[i % servisler.size()], QString::number(i % 300)));
    TabloKümesi tatiller = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
    for (int i = 0; i < 1000; ++i) {
        tatiller.YeniEkle();
        tatiller.AlanıAyarla(QStringLiteral("TatilTarihi"), QDate(2000, 1, 1).addDays(i * 7));
        tatiller.Güncelle();
    }
    tatiller.Kapat();
    Veritabanı.Çalıştır(QStringLiteral("COMMIT"));
    Veritabanı.Kapat();
}

std::vector<double> HazırlıkSüreleri(TestOrtamı& ortam, int tur, bool yenile)
{
    std::vector<double> süreler;
    for (int i = 0; i < tur; ++i) {
        {
            QFile f(ortam.VeritabanıYolu());
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addDays(yenile ? -1 : 0),
                          QFileDevice::FileModificationTime);
        }
        QElapsedTimer saat;
        saat.start();
        VeritabanınıHazırla(ortam.ProgramKlasörü());
        süreler.push_back(saat.nsecsElapsed() / 1e6);
        if (!Veritabanı.AçıkMı() || !ortam.gösterilen.empty()) {
            std::fprintf(stderr, "hazırlık başarısız\n");
            std::exit(1);
        }
        Veritabanı.Kapat();
    }
    return süreler;
}

// Starts the program and waits until a connection to soket succeeds; -1 when it never does.
double İlkPencereSüresi(const QString& program, const QStringList& bağımsız,
                        const QProcessEnvironment& ortam, const QString& soket)
{
    QProcess süreç;
    süreç.setProcessEnvironment(ortam);
    süreç.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer saat;
    saat.start();
    süreç.start(program, bağımsız);
    double süre = -1;
    while (saat.elapsed() < 20000) {
        QLocalSocket s;
        s.connectToServer(soket);
        if (s.waitForConnected(100)) {
            süre = saat.nsecsElapsed() / 1e6;
            s.abort();
            break;
        }
        QThread::usleep(500);
    }
    süreç.kill();
    süreç.waitForFinished(5000);
    return süre;
}

// 10,000 staff in 40 departments, in the register of a program copy.
void KaydıDoldur(const QString& yol)
{
    VeritabanıBağlantısı bağlantı;
    bağlantı.Aç(yol);
    bağlantı.Çalıştır(QStringLiteral("BEGIN"));
    for (int i = 0; i < 10000; ++i)
        bağlantı.Çalıştır(Deyim::PersonelEkle(
            QString::number(100000 + i), QStringLiteral("Personel Adı Soyadı %1").arg(i),
            QStringLiteral("Memur"),
            QStringLiteral("Servis %1").arg(i % 40, 2, 10, QLatin1Char('0')),
            QString::number(10000 - i)));
    bağlantı.Çalıştır(QStringLiteral("COMMIT"));
}

void Oran(const char* ad, const std::vector<double>& v)
{
    std::printf("%-58s median %8.2f    (min %.2f, max %.2f)\n", ad, Ortanca(v),
                *std::min_element(v.begin(), v.end()), *std::max_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication uygulama(argc, argv);
    const int tur = argc > 1 ? std::max(3, std::atoi(argv[1])) : 11;

    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        VeritabanınıDoldur();
        HazırlıkSüreleri(ortam, 1, true); // first run: creates the backup folders
        std::printf("Database: 10,000 staff, 1,000 holidays, %lld bytes\n",
                    static_cast<long long>(QFileInfo(ortam.VeritabanıYolu()).size()));
        Yaz("prepare + open, backup renewed", HazırlıkSüreleri(ortam, tur, true));
        Yaz("prepare + open, backup already from today", HazırlıkSüreleri(ortam, tur, false));
    }

    const QString program =
        qEnvironmentVariable("TESSARO_PROGRAM", QStringLiteral(TESSARO_PROGRAM_YOLU));
    ProgramKopyası boş(program);
    ProgramKopyası dolu(program);
    if (!boş.Hazır() || !dolu.Hazır()) {
        std::fprintf(stderr, "program kopyalanamadı\n");
        return 1;
    }
    KaydıDoldur(dolu.ProgramKlasörü() + QStringLiteral("Tsr.vtb"));
    const QString soket = TekKopyaKoruması::SunucuAdı(QStringLiteral("Velnora - Tessaro 1.01"));
    const QString enKüçük = QStringLiteral(EN_KUCUK_PENCERE_YOLU);
    const QString enKüçükSoketi = boş.SoketKlasörü() + QStringLiteral("/en-kucuk");
    auto tessaro = [&](const ProgramKopyası& k) {
        return İlkPencereSüresi(k.Program(), {}, k.Ortam(),
                                k.SoketKlasörü() + QLatin1Char('/') + soket);
    };
    auto çıplak = [&] {
        return İlkPencereSüresi(enKüçük, {enKüçükSoketi}, boş.Ortam(), enKüçükSoketi);
    };
    auto taban = [&](const ProgramKopyası& k) {
        return İlkPencereSüresi(QStringLiteral(TABAN_PENCERE_YOLU),
                                {enKüçükSoketi, k.ProgramKlasörü() + QStringLiteral("Tsr.vtb")},
                                boş.Ortam(), enKüçükSoketi);
    };
    // Warm-up: file caches, the first backup.
    tessaro(boş);
    tessaro(dolu);
    çıplak();
    taban(dolu);
    std::vector<double> boşSüre, doluSüre, çıplakSüre, tabanBoş, tabanDolu, boşOran, tessaroFarkı,
        tabanFarkı;
    for (int i = 0; i < tur; ++i) {
        const double b = tessaro(boş);
        const double e = çıplak();
        const double tb = taban(boş);
        const double d = tessaro(dolu);
        const double td = taban(dolu);
        if (b < 0 || d < 0 || e < 0 || tb < 0 || td < 0) {
            std::fprintf(stderr, "bir program penceresini göstermedi\n");
            return 1;
        }
        boşSüre.push_back(b);
        doluSüre.push_back(d);
        çıplakSüre.push_back(e);
        tabanBoş.push_back(tb);
        tabanDolu.push_back(td);
        boşOran.push_back(b / e);
        tessaroFarkı.push_back(d - b);
        tabanFarkı.push_back(td - tb);
    }
    Yaz("process start to first window, Tessaro, empty register", boşSüre);
    Yaz("process start to first window, Tessaro, 10,000 staff", doluSüre);
    Yaz("process start to first window, bare Qt window", çıplakSüre);
    Yaz("process start to first window, floor, empty register", tabanBoş);
    Yaz("process start to first window, floor, 10,000 staff", tabanDolu);
    Oran("ratio Tessaro (empty) / bare, pair by pair", boşOran);
    Yaz("what 10,000 staff add, Tessaro, round by round", tessaroFarkı);
    Yaz("what 10,000 staff add, floor, round by round", tabanFarkı);
    std::printf("%-58s %8.2f\n", "ratio of what they add, Tessaro / floor (medians)",
                Ortanca(tessaroFarkı) / Ortanca(tabanFarkı));
    return 0;
}
