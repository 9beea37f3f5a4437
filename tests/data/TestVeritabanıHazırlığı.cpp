// Start-up preparation of the database: the backup rule, a missing file, and faults that must end
// in a message or HataYönet's question without losing Tsr.vtb or Tsr.ydk.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/GüvenliDosya.h"
#include "data/SistemKaydıİşlemleriModülü.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "data/Şema.h"
#include "destek/TestOrtamı.h"

#include <QDir>
#include <QSettings>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QDateTime bugünSaat9(QDate(2026, 3, 10), QTime(9, 0));
const QString soru = u"Tessaro S? \"Tsr.vtb\" adlı veritabanı dosyanız bulunamadı.\r\n"
                     u"Yedekten oluşturulsun mu?"_s;
const QString ulaşılamadı = u"Tessaro K \"Tsr.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için "
                            u"program başlayamıyor! Lütfen, kontrol edip tekrar deneyiniz."_s;
const QString erişilemiyor =
    u"Tessaro Ü Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
const auto HataSorusu = [](int numara) { return u"Hata oluştu! K? %1"_s.arg(numara); };

// Title, icon, whether it asks, and the text, or for HataYönet's question the error number.
QString Özet(const Mesaj& m)
{
    const QString kod = m.metin.section(u"Hata Kodu: "_s, 1).section(u"\r\n"_s, 0, 0);
    return u"%1 %2%3 %4"_s.arg(m.başlık, QString(u"BÜSK"_s[int(m.simge)]),
                               m.düğmeler == MesajDüğmeleri::EvetHayır ? u"?"_s : QString(),
                               kod.isEmpty() ? m.metin : kod);
}

// Runs a statement on the file through a connection of its own; the institution it holds.
QString Kurum(const QString& yol, const QString& deyim = {})
{
    if (!QFile::exists(yol))
        return {};
    VeritabanıBağlantısı b;
    b.Aç(yol);
    if (!deyim.isEmpty())
        b.Çalıştır(deyim);
    SonuçKümesi k = b.KayıtKümesiAç(u"SELECT KurumAdi FROM KurumTablosu"_s);
    return k.EOF_() ? QString() : k.Alan(0).toString();
}

QStringList İçerik(const QString& klasör)
{
    return QDir(klasör).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestVeritabaniHazirligi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // durum: what is done to the files after a backup holding ESKİ was made of Tsr.vtb, which
    // then got YENİ and was last changed at değişiklik. beklenen: the messages shown, whether the
    // program went on with its database open or ended, the backup folder and the program folder.
    void hazirlik_data()
    {
        QTest::addColumn<QString>("durum");
        QTest::addColumn<QDateTime>("değişiklik");
        QTest::addColumn<QString>("yanıtlar");
        QTest::addColumn<QStringList>("beklenen");
        const QDateTime dün(bugünSaat9.date().addDays(-1), QTime(23, 59, 59));
        const QString eski = u"Tsr.ydk ESKİ"_s, yeni = u"Tsr.ydk YENİ"_s, vtb = u"Tsr.vtb"_s;
        const QString günlükler = u"Tsr.vtb-journal Tsr.vtb-shm Tsr.vtb-wal"_s;
        const auto Satır = [](const char* ad, const char* durum, const QDateTime& an,
                              const char* yanıtlar, const QStringList& beklenen) {
            QTest::newRow(ad) << QString::fromUtf8(durum) << an << QString::fromUtf8(yanıtlar)
                              << beklenen;
        };
        Satır("dün 23:59:59", "", dün, "", {u"açık"_s, yeni, vtb});
        Satır("bugün 00:00", "", bugünSaat9.addSecs(-9 * 3600), "", {u"açık"_s, eski, vtb});
        Satır("ilk çalıştırma", "yedeksiz", bugünSaat9, "", {u"açık"_s, yeni, vtb});
        // A new account has no data folder yet.
        Satır("yeni hesap", "yeni hesap", bugünSaat9, "", {u"açık"_s, yeni, vtb});
        // A start killed while it made the copy left its file where the copy is made.
        Satır("artık geçici dosya", "artık", dün, "", {u"açık"_s, yeni, vtb});
        // The journal and logs of the lost file are moved aside, not played into the copy.
        Satır("silinmiş, evet", "silinmiş", dün, "E",
              {soru, u"açık"_s, eski,
               u"Tsr.vtb Tsr.vtb-journal.eski Tsr.vtb-shm.eski Tsr.vtb-wal.eski"_s});
        Satır("silinmiş, hayır", "silinmiş", dün, "H", {soru, u"bitti"_s, eski, günlükler});
        Satır("yedek de yok", "silinmiş yedeksiz", dün, "",
              {ulaşılamadı, u"bitti"_s, QString(), günlükler});
        // A file that is no database of the program (an empty file is one without tables) never
        // replaces the backup.
        Satır("boşaltılmış", "boş", dün, "E", {HataSorusu(3049), u"açık"_s, eski, vtb});
        Satır("metin dosyası", "metin", dün, "", {erişilemiyor, u"bitti"_s, eski, vtb});
        // A backup not written costs the backup, not the start (strace fails the call there).
        const QStringList yedekHatası = {HataSorusu(3900) + u" +"_s, u"açık"_s, eski, vtb};
        Satır("dolu disk", "strace pwrite64,write ENOSPC dosya", dün, "E", yedekHatası);
        Satır("yazılamayan yedek", "strace pwrite64,write EIO dosya", dün, "", yedekHatası);
        Satır("fsync", "strace fsync EIO klasör", dün, "", {yedekHatası[0], u"açık"_s, yeni, vtb});
        Satır("salt okunur klasör", "silinmiş salt okunur", dün, "EE",
              {soru, HataSorusu(75), erişilemiyor, u"bitti"_s, eski, günlükler});
        // Another program holding the file, or a folder in its place.
        Satır("kilitli", "kilitli", dün, "E", {HataSorusu(3260), u"kapalı"_s, eski, vtb});
        Satır("klasör", "klasör", dün, "", {erişilemiyor, u"bitti"_s, eski, vtb});
    }
    void hazirlik()
    {
        QFETCH(QString, durum);
        QFETCH(QDateTime, değişiklik);
        QFETCH(QString, yanıtlar);
        QFETCH(QStringList, beklenen);
        TestOrtamı ortam;
        ortam.SaatiAyarla(bugünSaat9);
        const QString vtb = ortam.VeritabanıYolu(), ydk = ortam.YedekYolu();
        const QString ydkKlasörü = QFileInfo(ydk).absolutePath();
        Kurum(vtb, u"INSERT INTO KurumTablosu VALUES ('ESKİ')"_s);
        QVERIFY(QDir().mkpath(ydkKlasörü));
        QVERIFY(QFile::copy(vtb, ydk));
        Kurum(vtb, u"UPDATE KurumTablosu SET KurumAdi='YENİ'"_s);
        if (QFile artık(GeçiciYol(ydk)); durum == u"artık"_s && artık.open(QIODevice::WriteOnly))
            artık.write("yarım");
        if (durum.endsWith(u"yedeksiz"_s))
            QVERIFY(QFile::remove(ydk));
        if (durum == u"yeni hesap"_s) {
            QVERIFY(QDir(ortam.ProgramDosyaları()).removeRecursively());
            qunsetenv("PROGRAMFILES");
            qputenv("XDG_DATA_HOME", QFile::encodeName(ortam.ProgramDosyaları().chopped(1)));
        }
        if (QFile f(vtb);
            (durum == u"boş"_s || durum == u"metin"_s) && f.open(QIODevice::WriteOnly))
            f.write(QByteArray(durum == u"boş"_s ? 0 : 300, 'x'));
        if (QFile f(vtb); f.open(QIODevice::ReadWrite))
            QVERIFY(f.setFileTime(değişiklik, QFileDevice::FileModificationTime));
        if (durum.startsWith(u"silinmiş"_s)) {
            for (const QString& ek : {u"-journal"_s, u"-wal"_s, u"-shm"_s})
                QVERIFY(QFile::copy(vtb, vtb + ek));
            QVERIFY(QFile::remove(vtb));
        }
        std::optional<DosyaEngeli> kilit;
        if (durum.endsWith(u"salt okunur"_s) &&
            !kilit
                 .emplace(QStringList{u"chattr"_s, u"+i"_s, ortam.ProgramKlasörü()},
                          QStringList{u"chattr"_s, u"-i"_s, ortam.ProgramKlasörü()})
                 .Kurulu())
            QSKIP("chattr kullanılamıyor");
        QProcess strace; // "strace CALLS ERROR dosya|klasör"
        if (const QStringList s = durum.split(u' '); s[0] == u"strace"_s) {
            strace.setReadChannel(QProcess::StandardError);
            strace.start(u"strace"_s,
                         {u"-o/dev/null"_s, u"-einject=%1:error=%2"_s.arg(s[1], s[2]),
                          u"-p%1"_s.arg(QCoreApplication::applicationPid()),
                          u"-P"_s + (s[3] == u"klasör"_s ? ydkKlasörü : GeçiciYol(ydk))});
            if (!strace.waitForReadyRead()) // "Process ... attached"
                QSKIP("strace kullanılamıyor");
        }
        std::optional<VeritabanıBağlantısı> başka;
        if (durum == u"kilitli"_s) {
            başka.emplace().Aç(vtb);
            başka->Çalıştır(u"BEGIN EXCLUSIVE"_s);
        }
        QVERIFY(durum != u"klasör"_s || QFile::remove(vtb));
        QVERIFY(durum != u"klasör"_s || QDir().mkdir(vtb));
        for (QChar c : yanıtlar)
            ortam.yanıtlar.push_back(c == u'E' ? Yanıt::Evet : Yanıt::Hayır);

        QCOMPARE(ProgramDosyalarıKlasörü(), ortam.ProgramDosyaları());
        VeritabanınıHazırla(ortam.ProgramKlasörü());

        kilit.reset();
        başka.reset();
        strace.terminate();
        strace.waitForFinished();
        QStringList gözlenen;
        for (const Mesaj& m : ortam.gösterilen) // a backup fault names the backup folder
            gözlenen << Özet(m) + (m.metin.contains(ydkKlasörü) ? u" +"_s : u""_s);
        gözlenen << (ortam.bitişKodu == 0 ? u"bitti"_s
                                          : (Veritabanı.AçıkMı() ? u"açık"_s : u"kapalı"_s));
        Veritabanı.Kapat();
        gözlenen << (İçerik(ydkKlasörü) << Kurum(ydk)).join(u' ').trimmed()
                 << İçerik(ortam.ProgramKlasörü()).join(u' ');
        QCOMPARE(gözlenen, beklenen);
        // Tsr.vtb was not written to; a lost one is the backup's copy.
        if (QFileInfo(vtb).isFile() && !durum.startsWith(u"silinmiş"_s))
            QCOMPARE(QFileInfo(vtb).lastModified(), değişiklik);
        else if (QFileInfo(vtb).isFile())
            QCOMPARE(Kurum(vtb), u"ESKİ"_s);
    }

    // The installed program, account after account: a lost register with a backup gets the
    // restore question; a folder that the system-wide settings name is one register for two.
    void kurulmusProgram()
    {
        TestOrtamı ortam(false);
        const QString kök = QDir::cleanPath(ortam.ProgramKlasörü() + u".."_s) + u'/';
        QVERIFY(QDir().mkpath(kök + u"share/tessaro"_s));
        İlkVeritabanınıYaz(kök + u"share/tessaro/Tsr.vtb"_s);
        QCoreApplication::setOrganizationName(u"Velnora"_s);
        QCoreApplication::setApplicationName(u"Tessaro"_s);
        qunsetenv("PROGRAMFILES");
        const auto Başlat = [&](const QString& hesap) {
            Veritabanı.Kapat();
            qputenv("XDG_DATA_HOME", QFile::encodeName(kök + hesap));
            VeritabanınıHazırla(VeriKlasörünüBelirle(ortam.ProgramKlasörü()));
            return Sütun(Deyim::TümPersonel(), u"AdiSoyadi"_s);
        };

        Başlat(u"ayşe"_s);
        QVERIFY(QFile::remove(kök + u"ayşe/Velnora/Tessaro/Tsr.vtb"_s));
        Başlat(u"ayşe"_s);
        SistemAyarlarınıAç()->setValue(u"Ayarlar/Veri Klasoru"_s, kök + u"ortak"_s);
        QVERIFY(QDir().mkpath(kök + u"ortak"_s));
        QCOMPARE(Başlat(u"mehmet"_s), QStringList());
        Veritabanı.Çalıştır(Deyim::PersonelEkle(u"1"_s, u"Can ÖZ"_s, {}, {}, {}));
        QCOMPARE(Başlat(u"zeynep"_s), QStringList{u"Can ÖZ"_s});
        QCOMPARE(ortam.gösterilen.size(), size_t(1));
        QCOMPARE(Özet(ortam.gösterilen.front()), soru);
    }
};

QTEST_GUILESS_MAIN(TestVeritabaniHazirligi)
#include "TestVeritabanıHazırlığı.moc"
