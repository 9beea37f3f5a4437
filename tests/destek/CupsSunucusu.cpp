#include "CupsSunucusu.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>
#include <unistd.h>

namespace {

bool Yaz(const QString& yol, const QString& içerik)
{
    QFile dosya(yol);
    if (!dosya.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return dosya.write(içerik.toUtf8()) >= 0;
}

// The spooler's tools live in sbin, which a non-login shell may leave out of PATH.
QString Program(const QString& ad)
{
    const QString bulunan = QStandardPaths::findExecutable(ad);
    if (!bulunan.isEmpty())
        return bulunan;
    return QStandardPaths::findExecutable(
        ad, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"), QStringLiteral("/usr/bin")});
}

// The filters run as the lp user: every folder of the spooler has to be open to it.
void HerkesOkusun(const QString& yol, bool herkesYazsın = false)
{
    QFile::setPermissions(yol, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                   QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                   QFile::ExeOther |
                                   (herkesYazsın ? QFile::WriteGroup | QFile::WriteOther
                                                 : QFileDevice::Permissions()));
}

} // namespace

CupsSunucusu::CupsSunucusu(const QStringList& kuyruklar)
    : klasör_(QDir::tempPath() + QStringLiteral("/tsrcups-XXXXXX"))
{
    if (geteuid() != 0) {
        neden_ = QStringLiteral("cups-pdf kuyrukları kök kullanıcı hakları ister");
        return;
    }
    if (!klasör_.isValid()) {
        neden_ = QStringLiteral("geçici klasör açılamadı");
        return;
    }
    const QString d = klasör_.path();
    HerkesOkusun(d);
    for (const char* alt : {"spool", "spool/tmp", "cache", "state", "log", "ppd", "ssl", "ev"}) {
        QDir(d).mkpath(QLatin1String(alt));
        HerkesOkusun(d + QLatin1Char('/') + QLatin1String(alt));
    }
    HerkesOkusun(d + QStringLiteral("/spool/tmp"), true);

    Yaz(d + QStringLiteral("/cupsd.conf"),
        QStringLiteral("Listen %1/cups.sock\nBrowsing Off\nLogLevel warn\nWebInterface No\n"
                       "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n"
                       "</Location>\n<Location /admin>\nOrder allow,deny\nAllow all\n"
                       "</Location>\n<Policy default>\n<Limit All>\nOrder deny,allow\n"
                       "</Limit>\n</Policy>\n")
            .arg(d));
    Yaz(d + QStringLiteral("/cups-files.conf"),
        QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool/tmp\n"
                       "CacheDir %1/cache\nStateDir %1/state\nAccessLog %1/log/access_log\n"
                       "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n")
            .arg(d));

    // The process talks to this spooler only; libcups reads these once, at its first use.
    qputenv("CUPS_SERVER", QFile::encodeName(d + QStringLiteral("/cups.sock")));
    qputenv("HOME", QFile::encodeName(d + QStringLiteral("/ev")));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");

    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(Program(QStringLiteral("cupsd")),
                 {QStringLiteral("-f"), QStringLiteral("-c"), d + QStringLiteral("/cupsd.conf"),
                  QStringLiteral("-s"), d + QStringLiteral("/cups-files.conf")});
    if (!cupsd_.waitForStarted(10000)) {
        neden_ = QStringLiteral("cupsd başlatılamadı");
        return;
    }
    const QDeadlineTimer süre(20000);
    while (!Komut(QStringLiteral("lpstat"), {QStringLiteral("-r")})) {
        if (süre.hasExpired() || cupsd_.state() != QProcess::Running) {
            neden_ =
                QStringLiteral("cupsd yanıt vermedi: ") + QString::fromLocal8Bit(cupsd_.readAll());
            return;
        }
        QThread::msleep(100);
    }

    const QString önek = QStringLiteral("tsr%1-").arg(QCoreApplication::applicationPid());
    for (const QString& ad : kuyruklar) {
        const QString kuyruk = önek + ad;
        const QString çıktı = ÇıktıKlasörü(kuyruk);
        QDir().mkpath(çıktı);
        HerkesOkusun(çıktı, true);
        const QString ayar = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(kuyruk);
        if (!Yaz(ayar, QStringLiteral("Out %1\nAnonDirName %1\nLabel 1\n").arg(çıktı))) {
            neden_ = QStringLiteral("yazılamadı: ") + ayar;
            return;
        }
        ayarDosyaları_ << ayar;
        // A scheduler that has just started may still turn the first request away.
        const QStringList kur = {QStringLiteral("-p"),
                                 kuyruk,
                                 QStringLiteral("-v"),
                                 QStringLiteral("cups-pdf:/") + kuyruk,
                                 QStringLiteral("-E"),
                                 QStringLiteral("-P"),
                                 QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd")};
        bool kuruldu = false;
        for (int deneme = 0; deneme < 3 && !kuruldu; ++deneme) {
            kuruldu = Komut(QStringLiteral("lpadmin"), kur);
            if (!kuruldu)
                QThread::msleep(500);
        }
        if (!kuruldu) {
            neden_ =
                QStringLiteral("kuyruk kurulamadı: ") + kuyruk + QStringLiteral(": ") + sonÇıktı_;
            return;
        }
        kuyruklar_ << kuyruk;
    }
    if (!kuyruklar_.isEmpty() &&
        !Komut(QStringLiteral("lpadmin"), {QStringLiteral("-d"), kuyruklar_.first()}))
        neden_ = QStringLiteral("varsayılan kuyruk seçilemedi");
}

CupsSunucusu::~CupsSunucusu()
{
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000)) {
            cupsd_.kill();
            cupsd_.waitForFinished(5000);
        }
    }
    for (const QString& ayar : ayarDosyaları_)
        QFile::remove(ayar);
}

bool CupsSunucusu::Komut(const QString& program, const QStringList& değişkenler)
{
    QProcess süreç;
    süreç.setProcessChannelMode(QProcess::MergedChannels);
    süreç.start(Program(program), değişkenler);
    const bool bitti = süreç.waitForFinished(60000);
    sonÇıktı_ = QString::fromLocal8Bit(süreç.readAll()).trimmed();
    return bitti && süreç.exitStatus() == QProcess::NormalExit && süreç.exitCode() == 0;
}

bool CupsSunucusu::KuyruğuKaldır(int sıra)
{
    return Komut(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Kuyruk(sıra)});
}

QString CupsSunucusu::ÇıktıKlasörü(const QString& kuyruk) const
{
    return klasör_.path() + QStringLiteral("/cikti/") + kuyruk;
}

std::vector<CupsSunucusu::İş> CupsSunucusu::İşler() const
{
    std::vector<İş> işler;
    cups_job_t* liste = nullptr;
    const int sayı = cupsGetJobs2(CUPS_HTTP_DEFAULT, &liste, nullptr, 0, CUPS_WHICHJOBS_ALL);
    for (int i = 0; i < sayı; ++i) {
        İş iş;
        iş.no = liste[i].id;
        iş.kuyruk = QString::fromUtf8(liste[i].dest);
        iş.başlık = QString::fromUtf8(liste[i].title);
        iş.durum = liste[i].state;
        const QStringList dosyalar =
            QDir(ÇıktıKlasörü(iş.kuyruk))
                .entryList({QStringLiteral("*-job_%1.pdf").arg(iş.no)}, QDir::Files);
        if (!dosyalar.isEmpty())
            iş.dosya = ÇıktıKlasörü(iş.kuyruk) + QLatin1Char('/') + dosyalar.first();
        işler.push_back(iş);
    }
    cupsFreeJobs(sayı, liste);
    std::sort(işler.begin(), işler.end(), [](const İş& a, const İş& b) { return a.no < b.no; });
    return işler;
}

std::vector<CupsSunucusu::İş> CupsSunucusu::İşleriBekle(int adet, int zamanAşımıMs)
{
    const QDeadlineTimer süre(zamanAşımıMs);
    for (;;) {
        const std::vector<İş> işler = İşler();
        const bool hepsiBitti = std::all_of(işler.begin(), işler.end(), [](const İş& iş) {
            return iş.durum >= IPP_JSTATE_CANCELED;
        });
        if ((int(işler.size()) >= adet && hepsiBitti) || süre.hasExpired())
            return işler;
        QThread::msleep(100);
    }
}

void CupsSunucusu::İşKabulü(int sıra, bool kabul)
{
    Komut(kabul ? QStringLiteral("cupsaccept") : QStringLiteral("cupsreject"), {Kuyruk(sıra)});
}

int CupsSunucusu::SayfaSayısı(const QString& pdf)
{
    QProcess süreç;
    süreç.start(QStringLiteral("pdfinfo"), {pdf});
    if (!süreç.waitForFinished(30000))
        return -1;
    const QRegularExpressionMatch eşleşme =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(süreç.readAllStandardOutput()));
    return eşleşme.hasMatch() ? eşleşme.captured(1).toInt() : -1;
}
