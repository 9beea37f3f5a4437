// Start-up figures, printed in one run:
//  1. preparing and opening a database of 10,000 staff and 1,000 holidays, with the backup
//     renewed (the database last changed the day before) and without;
//  2. process start to the first window shown, for Tessaro with an empty register and with
//     10,000 staff in 40 departments, and for a bare Qt Widgets window with the same kinds of
//     controls, taken in turns; each program answers on its local socket right after its window
//     is shown, and the time is when a connection first succeeds.
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
        if (yenile) {
            QFile f(ortam.VeritabanıYolu());
            f.open(QIODevice::ReadWrite);
            f.setFileTime(QDateTime::currentDateTime().addDays(-1),
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

    ProgramKopyası boş(QStringLiteral(TESSARO_PROGRAM_YOLU));
    ProgramKopyası dolu(QStringLiteral(TESSARO_PROGRAM_YOLU));
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
    // Warm-up: file caches, the first backup.
    tessaro(boş);
    tessaro(dolu);
    çıplak();
    std::vector<double> boşSüre, doluSüre, çıplakSüre, boşOran, doluOran;
    for (int i = 0; i < tur; ++i) {
        const double b = tessaro(boş);
        const double e1 = çıplak();
        const double d = tessaro(dolu);
        const double e2 = çıplak();
        if (b < 0 || d < 0 || e1 < 0 || e2 < 0) {
            std::fprintf(stderr, "bir program penceresini göstermedi\n");
            return 1;
        }
        boşSüre.push_back(b);
        doluSüre.push_back(d);
        çıplakSüre.push_back(e1);
        çıplakSüre.push_back(e2);
        boşOran.push_back(b / e1);
        doluOran.push_back(d / e2);
    }
    Yaz("process start to first window, Tessaro, empty register", boşSüre);
    Yaz("process start to first window, Tessaro, 10,000 staff", doluSüre);
    Yaz("process start to first window, bare Qt window", çıplakSüre);
    Oran("ratio Tessaro (empty) / bare, pair by pair", boşOran);
    Oran("ratio Tessaro (10,000 staff) / bare, pair by pair", doluOran);
    return 0;
}
