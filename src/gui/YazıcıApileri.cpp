#include "YazıcıApileri.h"

#include "common/Hata.h"
#include "common/Kitaplık.h"
#include "common/YazıcıNesnesi.h"

#include <QCoreApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <cups/cups.h>
#include <memory>

namespace {

// libcups, loaded at its first use rather than with the program: with the TLS stack it brings,
// it was the largest part of the start that the window does not need. Qt's CUPS back end uses
// the same library, loaded once.
struct Cups
{
    decltype(&::cupsGetDests) cupsGetDests;
    decltype(&::cupsGetDest) cupsGetDest;
    decltype(&::cupsGetOption) cupsGetOption;
    decltype(&::cupsFreeDests) cupsFreeDests;
    decltype(&::cupsLastError) cupsLastError;
    decltype(&::cupsLastErrorString) cupsLastErrorString;
};

const Cups& CupsKitaplığı()
{
    static const Cups cups = [] {
        Kitaplık k("cups", 2, HataNo::YazıcıHatası);
        return Cups{KITAPLIK_ISLEVI(k, cupsGetDests),  KITAPLIK_ISLEVI(k, cupsGetDest),
                    KITAPLIK_ISLEVI(k, cupsGetOption), KITAPLIK_ISLEVI(k, cupsFreeDests),
                    KITAPLIK_ISLEVI(k, cupsLastError), KITAPLIK_ISLEVI(k, cupsLastErrorString)};
    }();
    return cups;
}

// The printer object over Qt's printer: jobs are named, and a job the spooler refused counts
// as a printer failure. Qt's CUPS back end reports no refusal itself, but it hands the job
// over with libcups on this thread, so libcups' last status is that of the job just sent.
class SistemYazıcısı : public YazıcıNesnesi
{
public:
    explicit SistemYazıcısı(QPrinter* yazıcı) : YazıcıNesnesi(yazıcı), yazıcı_(yazıcı) {}

protected:
    void BelgeAdınıVer(const QString& ad) override { yazıcı_->setDocName(ad); }

    void BelgeyiKapat() override
    {
        if (!BelgeAçıkMı())
            return;
        YazıcıNesnesi::BelgeyiKapat();
        if (yazıcı_->printerState() == QPrinter::Error)
            YazıcıHatası(QStringLiteral("Sayfa yazıcıya gönderilemedi."));
        if (yazıcı_->outputFormat() == QPrinter::NativeFormat &&
            CupsKitaplığı().cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
            YazıcıHatası(QString::fromUtf8(CupsKitaplığı().cupsLastErrorString()));
    }

private:
    QPrinter* yazıcı_;
};

struct Yazıcılar
{
    std::unique_ptr<QPrinter> yazıcı;
    std::unique_ptr<SistemYazıcısı> nesne;
    YazıcıNesnesi* yerine = nullptr;
};

Yazıcılar& Durum()
{
    static Yazıcılar durum;
    return durum;
}

// Qt's printer has to go before the application object does.
void YazıcıyıBırak()
{
    Durum().nesne.reset();
    Durum().yazıcı.reset();
}

QPrinter& Sistem()
{
    Yazıcılar& durum = Durum();
    if (!durum.yazıcı) {
        durum.yazıcı = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QList<QPrinterInfo> liste = QPrinterInfo::availablePrinters();
        if (QPrinterInfo::defaultPrinter().isNull() && !liste.isEmpty())
            durum.yazıcı->setPrinterName(liste.first().printerName());
        durum.nesne = std::make_unique<SistemYazıcısı>(durum.yazıcı.get());
        qAddPostRoutine(YazıcıyıBırak);
    }
    return *durum.yazıcı;
}

QString ParolasızAdres(const QString& adres)
{
    const QUrl url(adres);
    if (url.password().isEmpty())
        return adres;
    return url.adjusted(QUrl::RemovePassword).toString(QUrl::FullyEncoded);
}

} // namespace

QList<YüklüYazıcı> YüklüYazıcılar()
{
    const Cups& cups = CupsKitaplığı();
    cups_dest_t* hedefler = nullptr;
    const int sayı = cups.cupsGetDests(&hedefler);
    QList<YüklüYazıcı> yazıcılar;
    for (const QPrinterInfo& bilgi : QPrinterInfo::availablePrinters()) {
        const QString ad = bilgi.printerName();
        const QByteArray kuyruk = ad.section(QLatin1Char('/'), 0, 0).toUtf8();
        const QByteArray örnek = ad.section(QLatin1Char('/'), 1).toUtf8();
        QString adres;
        if (const cups_dest_t* hedef = cups.cupsGetDest(
                kuyruk.constData(), örnek.isEmpty() ? nullptr : örnek.constData(), sayı, hedefler))
            adres = QString::fromUtf8(
                cups.cupsGetOption("device-uri", hedef->num_options, hedef->options));
        yazıcılar.append({ad, ParolasızAdres(adres)});
    }
    cups.cupsFreeDests(sayı, hedefler);
    return yazıcılar;
}

bool YazıcıYüklüMü(const QString& ad)
{
    return !ad.isEmpty() && !QPrinterInfo::printerInfo(ad).isNull();
}

// Asks the spooler directly, as Qt's CUPS back end does, so that start-up need not load Qt's
// print support before the window is shown.
bool YüklüYazıcıVarMı()
{
    const Cups& cups = CupsKitaplığı();
    cups_dest_t* hedefler = nullptr;
    const int sayı = cups.cupsGetDests(&hedefler);
    cups.cupsFreeDests(sayı, hedefler);
    return sayı > 0;
}

QString GeçerliYazıcıAdı()
{
    return Sistem().printerName();
}

void GeçerliYazıcıyıAyarla(const QString& ad)
{
    if (!YazıcıYüklüMü(ad))
        throw Hata(HataNo::AralıkDışında, QStringLiteral("Alt simge aralık dışında"));
    Sistem().setPrinterName(ad);
}

YazıcıNesnesi& GeçerliYazıcı()
{
    if (Durum().yerine)
        return *Durum().yerine;
    Sistem();
    return *Durum().nesne;
}

void YazıcıNesnesiniAyarla(YazıcıNesnesi* nesne)
{
    Durum().yerine = nesne;
}

std::unique_ptr<YazıcıNesnesi> YazıcıNesnesiOluştur(QPrinter* yazıcı)
{
    return std::make_unique<SistemYazıcısı>(yazıcı);
}
