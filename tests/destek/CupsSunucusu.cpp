#include "CupsSunucusu.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <csignal>
#include <cups/cups.h>
#include <sys/prctl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

static void Yaz(const QString& yol, const QString& içerik)
{
    QFile dosya(yol);
    if (dosya.open(QIODevice::WriteOnly))
        dosya.write(içerik.toUtf8());
}

CupsSunucusu::CupsSunucusu(const QStringList& kuyruklar)
    : klasör_(QDir::tempPath() + u"/tsrcups-XXXXXX"_s)
{
    if (geteuid() != 0 || !klasör_.isValid()) {
        neden_ = u"kök kullanıcı hakları ve bir geçici klasör gerekir"_s;
        return;
    }
    const QString d = klasör_.path();
    // The spooler's tools live in sbin, which a non-login shell may leave out of PATH.
    qputenv("PATH", qgetenv("PATH") + ":/usr/sbin:/sbin");
    for (const char* alt : {"spool/tmp", "cache", "state", "log", "ppd", "ssl", "ev", "cikti"})
        QDir(d).mkpath(QLatin1String(alt));
    // The filters run as the lp user: every folder has to be open to it.
    Komut(u"chmod"_s, {u"-R"_s, u"777"_s, d});
    Yaz(d + u"/cupsd.conf"_s,
        u"Listen %1/cups.sock\nBrowsing Off\nLogLevel warn\nWebInterface No\nDefaultAuthType None\n"
        "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n"_s.arg(d));
    Yaz(d + u"/cups-files.conf"_s,
        u"ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\nCacheDir %1/cache\nStateDir "
        "%1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\nPageLog "
        "%1/log/page_log\n"_s.arg(d));
    // libcups reads these once, at its first use; HOME keeps a user's option file out.
    qputenv("CUPS_SERVER", QFile::encodeName(d + u"/cups.sock"_s));
    qputenv("HOME", QFile::encodeName(d + u"/ev"_s));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // The spooler ends with the test process, however that ends (a crash, a time-out kill).
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    cupsd_.start(u"cupsd"_s,
                 {u"-f"_s, u"-c"_s, d + u"/cupsd.conf"_s, u"-s"_s, d + u"/cups-files.conf"_s});
    for (const QString& ad : kuyruklar) {
        const QString kuyruk = u"tsr%1-"_s.arg(QCoreApplication::applicationPid()) + ad;
        ayarlar_ << u"/etc/cups/cups-pdf-%1.conf"_s.arg(kuyruk);
        Yaz(ayarlar_.last(), u"Out %1/cikti\nAnonDirName %1/cikti\nLabel 1\n"_s.arg(d));
        // The scheduler turns requests away until it has started.
        const QDeadlineTimer süre(20000);
        while (!Komut(u"lpadmin"_s, {u"-p"_s, kuyruk, u"-v"_s, u"cups-pdf:/"_s + kuyruk, u"-E"_s,
                                     u"-P"_s, u"/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"_s})) {
            if (süre.hasExpired() || cupsd_.state() == QProcess::NotRunning) {
                neden_ = u"kuyruk kurulamadı: "_s + QString::fromLocal8Bit(cupsd_.readAll());
                return;
            }
            QThread::msleep(200);
        }
        kuyruklar_ << kuyruk;
    }
}

CupsSunucusu::~CupsSunucusu()
{
    cupsd_.kill();
    cupsd_.waitForFinished();
    for (const QString& ayar : ayarlar_)
        QFile::remove(ayar);
}

bool CupsSunucusu::Komut(const QString& program, const QStringList& değişkenler)
{
    QProcess süreç;
    süreç.start(program, değişkenler);
    return süreç.waitForFinished(60000) && süreç.exitStatus() == QProcess::NormalExit &&
           süreç.exitCode() == 0;
}

std::vector<CupsSunucusu::İş> CupsSunucusu::İşleriBekle(const QString& kuyruk, int adet)
{
    const QDir çıktı(klasör_.path() + u"/cikti"_s);
    const QDeadlineTimer süre(60000);
    for (;; QThread::msleep(100)) {
        cups_job_t* liste = nullptr;
        const int sayı = cupsGetJobs2(CUPS_HTTP_DEFAULT, &liste, kuyruk.toUtf8().constData(), 0,
                                      CUPS_WHICHJOBS_ALL);
        std::vector<İş> işler;
        bool bitti = sayı >= adet;
        for (int i = 0; i < sayı; ++i) {
            const QStringList pdf = çıktı.entryList({u"*-job_%1.pdf"_s.arg(liste[i].id)});
            işler.push_back({QString::fromUtf8(liste[i].title),
                             pdf.isEmpty() ? QString() : çıktı.filePath(pdf.first()),
                             liste[i].state});
            bitti = bitti && liste[i].state >= IPP_JSTATE_CANCELED;
        }
        cupsFreeJobs(sayı, liste);
        if (bitti || süre.hasExpired())
            return işler;
    }
}
