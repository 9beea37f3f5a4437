#pragma once
// A print spooler of the test's own: a cupsd on a private socket and folder with cups-pdf
// queues, each writing its jobs as PDF files into a folder of its own. The process is pointed
// at it (CUPS_SERVER, and HOME at a folder of the spooler so that no user option file is
// read) before anything asks for printers, so Qt lists exactly these queues. Everything it
// started or wrote goes when it goes.
//
// cups-pdf reads its settings from /etc/cups/cups-pdf-QUEUE.conf, and the backend runs as
// root: without root rights the spooler is not made and Hazır() says why.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

class CupsSunucusu
{
public:
    // One queue per name (made unique for this process); the first is the default.
    explicit CupsSunucusu(const QStringList& kuyruklar);
    ~CupsSunucusu();
    CupsSunucusu(const CupsSunucusu&) = delete;
    CupsSunucusu& operator=(const CupsSunucusu&) = delete;

    bool Hazır() const { return neden_.isEmpty(); }
    QString Neden() const { return neden_; }

    QString Kuyruk(int sıra) const { return kuyruklar_.at(sıra); }
    QString AygıtAdresi(int sıra) const { return QStringLiteral("cups-pdf:/") + Kuyruk(sıra); }

    struct İş
    {
        int no = 0;
        QString kuyruk;
        QString başlık;
        QString dosya; // the PDF cups-pdf wrote
        int durum = 0; // IPP job state
    };
    // Waits until adet jobs have reached an end state, and until nothing is left pending;
    // returns every job in the order the spooler numbered them.
    std::vector<İş> İşleriBekle(int adet, int zamanAşımıMs = 60000);
    std::vector<İş> İşler() const;

    // The queue refuses further jobs (or takes them again).
    void İşKabulü(int sıra, bool kabul);
    // The queue is removed from the spooler, as an administrator would.
    bool KuyruğuKaldır(int sıra);

    static int SayfaSayısı(const QString& pdf);

private:
    bool Komut(const QString& program, const QStringList& değişkenler);
    QString ÇıktıKlasörü(const QString& kuyruk) const;

    QTemporaryDir klasör_;
    QProcess cupsd_;
    QStringList kuyruklar_;
    QStringList ayarDosyaları_;
    QString neden_;
    QString sonÇıktı_; // what the last command said
};
