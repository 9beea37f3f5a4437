#include "OrtakApilerModülü.h"

#include "OrtakDeğişkenlerModülü.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <cstdlib>

namespace {
std::function<Yanıt(const Mesaj&)> mesajUygulaması;
std::function<QDateTime()> saatUygulaması;
std::function<void(int)> sonUygulaması;
bool programBitti = false;
} // namespace

Yanıt MesajKutusu(const Mesaj& mesaj)
{
    if (mesajUygulaması)
        return mesajUygulaması(mesaj);
    return mesaj.düğmeler == MesajDüğmeleri::Tamam ? Yanıt::Tamam : mesaj.varsayılan;
}

void MesajKutusuUygulamasınıAyarla(std::function<Yanıt(const Mesaj&)> uygulama)
{
    mesajUygulaması = std::move(uygulama);
}

QDateTime Şimdi()
{
    return saatUygulaması ? saatUygulaması() : QDateTime::currentDateTime();
}

QDate Bugün()
{
    return Şimdi().date();
}

void SaatiAyarla(std::function<QDateTime()> saat)
{
    saatUygulaması = std::move(saat);
}

void ProgramıBitir(int kod)
{
    programBitti = true;
    if (sonUygulaması) {
        sonUygulaması(kod);
        return;
    }
    std::_Exit(kod);
}

bool ProgramBittiMi()
{
    return programBitti;
}

void ProgramSonunuAyarla(std::function<void(int)> son)
{
    sonUygulaması = std::move(son);
}

void ProgramSonunuSıfırla()
{
    programBitti = false;
}

std::unique_ptr<QSettings> AyarlarıAç()
{
    const QString ad =
        AyarUygulamaAdı.isEmpty() ? QStringLiteral("Velnora\\Tessaro") : AyarUygulamaAdı;
    const qsizetype ayraç = ad.indexOf(QLatin1Char('\\'));
    return std::make_unique<QSettings>(ad.left(ayraç), ad.mid(ayraç + 1));
}

std::unique_ptr<QSettings> SistemAyarlarınıAç()
{
    return std::make_unique<QSettings>(QSettings::SystemScope, QStringLiteral("Velnora"),
                                       QStringLiteral("Tessaro"));
}

namespace {
QString programKlasörüÜzerine;
}

QString ProgramDosyasınınKlasörü()
{
    QString klasör = programKlasörüÜzerine.isEmpty() ? QCoreApplication::applicationDirPath()
                                                     : programKlasörüÜzerine;
    if (!klasör.endsWith(QLatin1Char('/')))
        klasör += QLatin1Char('/');
    return klasör;
}

void ProgramDosyasınınKlasörünüAyarla(const QString& klasör)
{
    programKlasörüÜzerine = klasör;
}

void AdresiAç(const QString& adres)
{
    QDesktopServices::openUrl(QUrl(adres));
}

QString DosyaPenceresiKlasörü()
{
    const QString belgeler = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !belgeler.isEmpty() && QDir(belgeler).exists() ? belgeler : QDir::homePath();
}
