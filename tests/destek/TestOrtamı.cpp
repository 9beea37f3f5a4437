#include "TestOrtamı.h"

#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "data/Şema.h"

#include <QDir>
#include <QProcess>
#include <QSettings>

using namespace Qt::StringLiterals;

QStringList Sütun(const QString& seçim, const QString& sütun)
{
    QStringList sonuç;
    for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(seçim); !k.EOF_(); k.SonrakineGeç())
        sonuç << k.Alan(sütun).toString();
    return sonuç;
}

TestOrtamı::TestOrtamı(bool veritabanıYaz)
{
    QDir(kök_.path()).mkpath(u"program"_s);
    QDir(kök_.path()).mkpath(u"programlar"_s);
    QDir(kök_.path()).mkpath(u"ayarlar"_s);
    QDir(kök_.path()).mkpath(u"ev"_s);
    eskiEv_ = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(Ev()));
    qputenv("PROGRAMFILES", QFile::encodeName(ProgramDosyaları()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kök_.path() + u"/ayarlar"_s);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, kök_.path() + u"/ayarlar"_s);
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, kök_.path() + u"/sistem"_s);
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
    AyarUygulamaAdı = u"Velnora\\Tessaro"_s;
    VurguRengi = QColor(10, 80, 220);
    ProgramBaşlığı = u"Velnora - Tessaro 1.01"_s;
    KurumAdı.clear();
}

TestOrtamı::~TestOrtamı()
{
    if (saltOkunur_)
        QProcess::execute(u"chattr"_s, {u"-i"_s, VeritabanıYolu()});
    Veritabanı.Kapat();
    MesajKutusuUygulamasınıAyarla({});
    ProgramSonunuAyarla({});
    ProgramSonunuSıfırla();
    ::SaatiAyarla({});
    ProgramDosyasınınKlasörünüAyarla(QString());
    qunsetenv("PROGRAMFILES");
    qunsetenv("XDG_DATA_HOME");
    qputenv("HOME", eskiEv_);
}

QString TestOrtamı::ProgramKlasörü() const
{
    return kök_.path() + u"/program/"_s;
}

QString TestOrtamı::Ev() const
{
    return kök_.path() + u"/ev/"_s;
}

QString TestOrtamı::ProgramDosyaları() const
{
    return kök_.path() + u"/programlar/"_s;
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
    const QString klasör = kök_.path() + u"/disk"_s;
    QDir().mkpath(klasör);
    disk_ = std::make_unique<KüçükDisk>(klasör, 256);
    if (!disk_->Kurulu())
        return false;
    Veritabanı.Kapat();
    const QString yol = klasör + u"/Tsr.vtb"_s;
    QFile::copy(VeritabanıYolu(), yol);
    QFile dolgu(klasör + u"/dolgu"_s);
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
    saltOkunur_ = QProcess::execute(u"chattr"_s, {u"+i"_s, VeritabanıYolu()}) == 0;
    Veritabanı.Aç(VeritabanıYolu());
    return saltOkunur_;
}
