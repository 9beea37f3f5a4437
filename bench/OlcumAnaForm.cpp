// Times the main window with 10,000 staff in 40 departments: the load, the switch to "Tümü" and
// to one department of 250, and one keystroke in the search box; and compares the resident
// memory with that of an empty staff table. Each memory figure comes from a process of its own.
//
//   OlcumAnaForm           both runs, figures printed
//   OlcumAnaForm dolu|bos  one run (used by the first form)

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/PersonelListeKutusu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int KişiSayısı = 10000;
constexpr int ServisSayısı = 40;
constexpr int Tekrar = 21;

long YerleşikBellekKB()
{
    QFile durum(QStringLiteral("/proc/self/status"));
    if (!durum.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& satır : durum.readAll().split('\n'))
        if (satır.startsWith("VmRSS:"))
            return satır.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

double Ortanca(std::vector<double> süreler)
{
    std::sort(süreler.begin(), süreler.end());
    return süreler[süreler.size() / 2];
}

void PersoneliYaz()
{
    const char* adlar[] = {"Ahmet", "Ayşe", "Mehmet", "Fatma", "İsmail", "Işıl", "Çağrı",
                           "Özlem", "Ümit", "Şule",   "Gül",   "Zeynep", "Oğuz", "Emine"};
    const char* soyadlar[] = {"YILMAZ", "KAYA",   "DEMİR", "ŞAHİN", "ÇELİK", "YILDIZ", "ÖZTÜRK",
                              "AYDIN",  "ARSLAN", "DOĞAN", "KILIÇ", "ÇETİN", "KOÇ",    "KURT"};
    Veritabanı.Çalıştır(QStringLiteral("BEGIN"));
    for (int i = 0; i < KişiSayısı; ++i) {
        const QString ad = QString::fromUtf8(adlar[i % 14]) + QLatin1Char(' ') +
                           QString::fromUtf8(soyadlar[(i / 14) % 14]);
        const QString servis =
            QStringLiteral("Servis %1").arg(i % ServisSayısı, 2, 10, QLatin1Char('0'));
        Veritabanı.Çalıştır(Deyim::PersonelEkle(QString::number(100000 + i), ad,
                                                QStringLiteral("Memur"), servis,
                                                QString::number(KişiSayısı - i)));
    }
    Veritabanı.Çalıştır(QStringLiteral("COMMIT"));
}

int TekÇalışma(bool dolu)
{
    TestOrtamı ortam;
    ortam.VeritabanınıAç();
    if (dolu)
        PersoneliYaz();

    QElapsedTimer saat;
    saat.start();
    AnaForm form;
    form.Yükle();
    QApplication::processEvents();
    const double yükleme = saat.nsecsElapsed() / 1e6;

    auto* servis = form.findChild<QComboBox*>(QStringLiteral("ServisSeçKutusu"));
    auto* liste = form.findChild<PersonelListeKutusu*>(QStringLiteral("PersonelListesi"));
    auto* bul = form.findChild<QLineEdit*>(QStringLiteral("BulKutusu"));

    std::vector<double> tümü, bir, tuş;
    for (int k = 0; k < Tekrar && dolu; ++k) {
        saat.restart();
        servis->setCurrentIndex(1 + k % ServisSayısı);
        QApplication::processEvents();
        bir.push_back(saat.nsecsElapsed() / 1e6);

        saat.restart();
        servis->setCurrentIndex(0);
        QApplication::processEvents();
        tümü.push_back(saat.nsecsElapsed() / 1e6);

        // A letter that matches nobody: the search goes through the whole list. The clearing
        // and the focus change are drawn before the clock starts.
        bul->clear();
        bul->setFocus();
        QApplication::processEvents();
        saat.restart();
        QTest::keyClick(bul, Qt::Key_X);
        QApplication::processEvents();
        tuş.push_back(saat.nsecsElapsed() / 1e6);
    }
    QApplication::processEvents();
    std::printf("kisi %d  liste %d  yukleme %.1f ms\n", dolu ? KişiSayısı : 0, int(liste->count()),
                yükleme);
    if (dolu)
        std::printf("ortanca: Tumu %.2f ms, bir servis (250) %.2f ms, arama tusu %.3f ms\n",
                    Ortanca(tümü), Ortanca(bir), Ortanca(tuş));
    std::printf("RSS %ld kB\n", YerleşikBellekKB());
    return 0;
}

long AltSüreçRSS(const QString& kip)
{
    QProcess süreç;
    süreç.start(QCoreApplication::applicationFilePath(), {kip});
    süreç.waitForFinished(600000);
    const QString çıktı = QString::fromUtf8(süreç.readAllStandardOutput());
    std::printf("%s", qPrintable(çıktı));
    const qsizetype yer = çıktı.lastIndexOf(QStringLiteral("RSS "));
    return yer < 0 ? -1 : çıktı.mid(yer + 4).section(QLatin1Char(' '), 0, 0).toLong();
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    const QStringList argümanlar = QCoreApplication::arguments();
    if (argümanlar.size() > 1)
        return TekÇalışma(argümanlar.at(1) == QStringLiteral("dolu"));
    const long boş = AltSüreçRSS(QStringLiteral("bos"));
    const long dolu = AltSüreçRSS(QStringLiteral("dolu"));
    std::printf("bellek: dolu / bos = %.2f\n", boş > 0 ? double(dolu) / double(boş) : 0.0);
    return 0;
}
