#include "TestOrtamı.h"

#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "data/Şema.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

TestOrtamı::TestOrtamı(bool veritabanıYaz)
{
    QDir(kök_.path()).mkpath(QStringLiteral("program"));
    QDir(kök_.path()).mkpath(QStringLiteral("programlar"));
    QDir(kök_.path()).mkpath(QStringLiteral("ayarlar"));
    qputenv("PROGRAMFILES", QFile::encodeName(ProgramDosyaları()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       kök_.path() + QStringLiteral("/ayarlar"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       kök_.path() + QStringLiteral("/ayarlar"));
    ProgramDosyasınınKlasörünüAyarla(ProgramKlasörü());
    if (veritabanıYaz)
        İlkVeritabanınıYaz(VeritabanıYolu());
    MesajKutusuUygulamasınıAyarla([this](const Mesaj& m) {
        gösterilen.push_back(m);
        if (!yanıtlar.empty()) {
            const Yanıt y = yanıtlar.front();
            yanıtlar.pop_front();
            return y;
        }
        return m.düğmeler == MesajDüğmeleri::Tamam ? Yanıt::Tamam : m.varsayılan;
    });
    ProgramSonunuAyarla([this](int kod) { bitişKodu = kod; });
    ProgramSonunuSıfırla();
    ::SaatiAyarla({});
    ::ProgramKlasörü = ProgramKlasörü();
    AyarUygulamaAdı = QStringLiteral("Velnora\\Tessaro");
    VurguRengi = QColor(10, 80, 220);
    ProgramBaşlığı = QStringLiteral("Velnora - Tessaro 1.01");
    KurumAdı.clear();
}

TestOrtamı::~TestOrtamı()
{
    if (saltOkunur_)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), VeritabanıYolu()});
    Veritabanı.Kapat();
    MesajKutusuUygulamasınıAyarla({});
    ProgramSonunuAyarla({});
    ProgramSonunuSıfırla();
    ::SaatiAyarla({});
    ProgramDosyasınınKlasörünüAyarla(QString());
    qunsetenv("PROGRAMFILES");
}

QString TestOrtamı::ProgramKlasörü() const
{
    return kök_.path() + QStringLiteral("/program/");
}

QString TestOrtamı::ProgramDosyaları() const
{
    return kök_.path() + QStringLiteral("/programlar/");
}

void TestOrtamı::VeritabanınıAç()
{
    ::ProgramKlasörü = ProgramKlasörü();
    Veritabanı.Aç(VeritabanıYolu());
}

void TestOrtamı::Çalıştır(const QString& deyim)
{
    Veritabanı.Çalıştır(deyim);
}

void TestOrtamı::SaatiAyarla(const QDateTime& an)
{
    ::SaatiAyarla([an] { return an; });
}

bool TestOrtamı::VeritabanınıDoluDiskeTaşı()
{
    const QString klasör = kök_.path() + QStringLiteral("/disk");
    QDir().mkpath(klasör);
    disk_ = std::make_unique<KüçükDisk>(klasör, 256);
    if (!disk_->Kurulu())
        return false;
    Veritabanı.Kapat();
    const QString yol = klasör + QStringLiteral("/Tsr.vtb");
    QFile::copy(VeritabanıYolu(), yol);
    QFile dolgu(klasör + QStringLiteral("/dolgu"));
    dolgu.open(QIODevice::WriteOnly);
    const QByteArray blok(4096, 'x');
    while (dolgu.write(blok) == blok.size() && dolgu.flush()) {
    }
    dolgu.close();
    Veritabanı.Aç(yol);
    return true;
}

bool TestOrtamı::VeritabanınıSaltOkunurYap()
{
    Veritabanı.Kapat();
    saltOkunur_ =
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), VeritabanıYolu()}) == 0;
    Veritabanı.Aç(VeritabanıYolu());
    return saltOkunur_;
}
