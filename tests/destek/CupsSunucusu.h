#pragma once
// A print spooler of the test's own: a cupsd on a private socket and folder, with one cups-pdf
// queue per name writing its jobs as PDF files. The process is pointed at it before anything
// asks for printers, so Qt lists exactly these queues. cups-pdf reads its settings from /etc/cups
// and runs as root: without root rights the spooler is not made and Neden() says why.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

class CupsSunucusu
{
public:
    // The names are made unique for this process.
    explicit CupsSunucusu(const QStringList& kuyruklar);
    ~CupsSunucusu();

    QString Neden() const { return neden_; } // empty when the spooler runs
    QString Kuyruk(int sıra) const { return kuyruklar_.at(sıra); }

    struct İş
    {
        QString başlık, dosya; // dosya: the PDF cups-pdf wrote
        int durum;             // IPP job state
    };
    // Waits until the queue has at least adet jobs and none is pending; oldest first.
    std::vector<İş> İşleriBekle(const QString& kuyruk, int adet);

    // Runs one of the spooler's tools (lpadmin, cupsreject...) as an administrator would.
    bool Komut(const QString& program, const QStringList& değişkenler);

private:
    QTemporaryDir klasör_;
    QProcess cupsd_;
    QStringList kuyruklar_, ayarlar_;
    QString neden_;
};
