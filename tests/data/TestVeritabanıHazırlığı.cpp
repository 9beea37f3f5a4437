// The start-up preparation of the database: the backup rule against the test clock, the messages
// of a missing file, and faults (a read-only folder, a full disk, a lock, a broken file) that must
// end in a message or HataYönet's question without losing Tsr.vtb or Tsr.ydk.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "destek/TestOrtamı.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <optional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

const QDateTime bugünSaat9(QDate(2026, 3, 10), QTime(9, 0));
const QString soru = u"Tessaro S? \"Tsr.vtb\" adlı veritabanı dosyanız bulunamadı.\r\n"
                     u"Yedekten oluşturulsun mu?"_s;
const QString ulaşılamadı = u"Tessaro K \"Tsr.vtb\" adlı veritabanı dosyanıza ulaşılamadığı için "
                            u"program başlayamıyor! Lütfen, kontrol edip tekrar deneyiniz."_s;
const QString erişilemiyor =
    u"Tessaro Ü Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
QString HataSorusu(int numara)
{
    return u"Hata oluştu! K? %1"_s.arg(numara);
}

// Title, icon, whether it asks, and the text, or for HataYönet's question the error number.
QString Özet(const Mesaj& m)
{
    const auto kod = QRegularExpression(u"Hata Kodu: (\\d+)\r\n"_s).match(m.metin);
    return u"%1 %2%3 %4"_s.arg(m.başlık, QString(u"BÜSK"_s[int(m.simge)]),
                               m.düğmeler == MesajDüğmeleri::EvetHayır ? u"?"_s : QString(),
                               kod.hasMatch() ? kod.captured(1) : m.metin);
}

QByteArray Oku(const QString& yol)
{
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Yaz(const QString& yol, const QByteArray& veri)
{
    QFile f(yol);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(veri);
}

// Runs statements through a connection of its own; the first column of the last row.
QString Sorgula(const QString& yol, const QByteArray& deyimler)
{
    if (!QFile::exists(yol))
        return {};
    sqlite3* b = nullptr;
    sqlite3_open(QFile::encodeName(yol).constData(), &b);
    QString sonuç;
    sqlite3_exec(
        b, deyimler.constData(),
        [](void* s, int, char** değer, char**) {
            *static_cast<QString*>(s) = QString::fromUtf8(değer[0]);
            return 0;
        },
        &sonuç, nullptr);
    sqlite3_close(b);
    return sonuç;
}
void KurumYaz(const QString& yol, const QByteArray& ad)
{
    Sorgula(yol, "DELETE FROM KurumTablosu; INSERT INTO KurumTablosu VALUES ('" + ad + "')");
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

    std::optional<TestOrtamı> ortam;

private Q_SLOTS:
    void init()
    {
        ortam.emplace();
        ortam->SaatiAyarla(bugünSaat9);
    }
    void cleanup() { ortam.reset(); }

    // durum: what is done to the files after a backup holding ESKİ was made of Tsr.vtb, which
    // then got YENİ and was last changed at değişiklik. sonuç: the database open, the program
    // ended, or neither; yedek: the institution in the backup afterwards ("" for none); klasör:
    // the program folder afterwards.
    void hazirlik_data()
    {
        QTest::addColumn<QString>("durum");
        QTest::addColumn<QDateTime>("değişiklik");
        QTest::addColumn<QString>("yanıtlar");
        QTest::addColumn<QStringList>("mesajlar");
        QTest::addColumn<QString>("sonuç");
        QTest::addColumn<QString>("yedek");
        QTest::addColumn<QStringList>("klasör");
        const QDate bugün = bugünSaat9.date();
        const QDateTime dün(bugün.addDays(-1), QTime(23, 59, 59));
        const QStringList vtb{u"Tsr.vtb"_s}, yok;
        const QStringList pfSoruları{HataSorusu(75), HataSorusu(75), HataSorusu(3027)};
        const QStringList günlükler{u"Tsr.vtb-journal"_s, u"Tsr.vtb-shm"_s, u"Tsr.vtb-wal"_s};
        const auto Satır = [](const char* ad, const char* durum, const QDateTime& an,
                              const char* yanıtlar, const QStringList& mesajlar,
                              const char* sonuç) -> QTestData& {
            return QTest::newRow(ad)
                   << QString::fromUtf8(durum) << an << QString::fromUtf8(yanıtlar) << mesajlar
                   << QString::fromUtf8(sonuç);
        };
        Satır("dün 23:59:59", "", dün, "", yok, "açık") << u"YENİ"_s << vtb;
        Satır("geçen yıl", "", dün.addYears(-1), "", yok, "açık") << u"YENİ"_s << vtb;
        Satır("bugün 00:00", "", QDateTime(bugün, QTime(0, 0)), "", yok, "açık")
            << u"ESKİ"_s << vtb;
        Satır("yarın", "", dün.addDays(2), "", yok, "açık") << u"ESKİ"_s << vtb;
        Satır("ilk çalıştırma", "yedeksiz", bugünSaat9, "", yok, "açık") << u"YENİ"_s << vtb;
        // The journal and logs of the lost file are moved aside, not played into the copy.
        Satır("silinmiş, evet", "silinmiş", dün, "E", {soru}, "açık")
            << u"ESKİ"_s
            << QStringList{u"Tsr.vtb"_s, u"Tsr.vtb-journal.eski"_s, u"Tsr.vtb-shm.eski"_s,
                           u"Tsr.vtb-wal.eski"_s};
        Satır("silinmiş, hayır", "silinmiş", dün, "H", {soru}, "bitti") << u"ESKİ"_s << günlükler;
        Satır("yedek de yok", "silinmiş yedeksiz", dün, "", {ulaşılamadı}, "bitti")
            << u""_s << günlükler;
        // A file that is no database of the program never replaces the backup.
        Satır("boşaltılmış", "boş", dün, "E", {HataSorusu(3049)}, "açık") << u"ESKİ"_s << vtb;
        Satır("tablosu eksik", "tablo", dün, "E", {HataSorusu(3049)}, "açık") << u"ESKİ"_s << vtb;
        Satır("metin dosyası", "metin", dün, "", {erişilemiyor}, "bitti") << u"ESKİ"_s << vtb;
        Satır("metin, ilk çalıştırma", "metin yedeksiz", dün, "", {erişilemiyor}, "bitti")
            << u""_s << vtb;
        Satır("dolu disk", "dolu", dün, "E", {HataSorusu(3026)}, "açık") << u"ESKİ"_s << vtb;
        Satır("kilitli", "kilitli", dün, "E", {HataSorusu(3260)}, "kapalı") << u"ESKİ"_s << vtb;
        Satır("salt okunur klasör", "silinmiş salt okunur", dün, "EE",
              {soru, HataSorusu(75), erişilemiyor}, "bitti")
            << u"ESKİ"_s << günlükler;
        Satır("program dosyaları yok", "pf yok", dün, "EEE", pfSoruları, "açık") << u""_s << vtb;
        Satır("program dosyaları yok, hayır", "pf yok", dün, "H", {HataSorusu(75)}, "bitti")
            << u""_s << vtb;
        Satır("program dosyaları yazılamıyor", "pf salt okunur", dün, "EEE", pfSoruları, "açık")
            << u""_s << vtb;
        // Where the database lives is the administrator's business: the link is followed.
        Satır("bağlantı", "bağlı", dün, "", yok, "açık") << u"YENİ"_s << vtb;
    }
    void hazirlik()
    {
        QFETCH(QString, durum);
        QFETCH(QDateTime, değişiklik);
        QFETCH(QString, yanıtlar);
        QFETCH(QStringList, mesajlar);
        QFETCH(QString, sonuç);
        QFETCH(QString, yedek);
        QFETCH(QStringList, klasör);
        const QString vtb = ortam->VeritabanıYolu(), ydk = ortam->YedekYolu();
        const QString ydkKlasörü = QFileInfo(ydk).absolutePath();
        const QString pf = ortam->ProgramDosyaları() + u"pf"_s;
        std::optional<KüçükDisk> disk;
        if (durum == u"dolu"_s && !disk.emplace(ortam->ProgramDosyaları(), 96).Kurulu())
            QSKIP("tmpfs bağlanamadı");
        KurumYaz(vtb, "ESKİ");
        QVERIFY(QDir().mkpath(ydkKlasörü));
        QVERIFY(QFile::copy(vtb, ydk));
        KurumYaz(vtb, "YENİ");
        if (durum.endsWith(u"yedeksiz"_s) || durum.startsWith(u"pf"_s))
            QVERIFY(QFile::remove(ydk));
        if (durum == u"boş"_s)
            Yaz(vtb, {});
        if (durum == u"tablo"_s)
            Sorgula(vtb, "DROP TABLE TatilTarihleriTablosu");
        if (durum.startsWith(u"metin"_s))
            Yaz(vtb, QByteArray("Bu bir veritabanı değil\n").repeated(300));
        if (durum == u"dolu"_s)
            Sorgula(vtb, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE "
                         "i<400) INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, Unvani, "
                         "Servisi, SiraNo) SELECT i, hex(randomblob(200)), 'M', 'S', i FROM n");
        if (durum == u"bağlı"_s) {
            const QString gerçek = ortam->ProgramDosyaları() + u"başka.vtb"_s;
            QVERIFY(QFile::rename(vtb, gerçek) && QFile::link(gerçek, vtb));
        }
        if (durum.startsWith(u"pf"_s)) {
            qputenv("PROGRAMFILES", QFile::encodeName(pf + u"/"_s));
            QVERIFY(durum == u"pf yok"_s || QDir().mkpath(pf));
        }
        if (QFile f(vtb); f.exists())
            QVERIFY(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(değişiklik, QFileDevice::FileModificationTime));
        const QByteArray öncekiVtb = Oku(vtb), öncekiYdk = Oku(ydk);
        if (durum.startsWith(u"silinmiş"_s)) {
            QVERIFY(QFile::remove(vtb));
            for (const QString& ek : {u"-journal"_s, u"-wal"_s, u"-shm"_s})
                Yaz(vtb + ek, ek.toUtf8());
        }
        std::optional<Değişmez> kilit;
        if (durum.endsWith(u"salt okunur"_s) &&
            !kilit.emplace(durum.startsWith(u"pf"_s) ? pf : ortam->ProgramKlasörü()).Kurulu())
            QSKIP("chattr kullanılamıyor");
        sqlite3* başka = nullptr;
        if (durum == u"kilitli"_s) {
            sqlite3_open(QFile::encodeName(vtb).constData(), &başka);
            QCOMPARE(sqlite3_exec(başka, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        for (QChar c : yanıtlar)
            ortam->yanıtlar.push_back(c == u'E' ? Yanıt::Evet : Yanıt::Hayır);

        VeritabanınıHazırla();

        sqlite3_close(başka);
        kilit.reset();
        QStringList gösterilen;
        for (const Mesaj& m : ortam->gösterilen)
            gösterilen << Özet(m);
        QCOMPARE(gösterilen, mesajlar);
        QCOMPARE(ortam->bitişKodu, sonuç == u"bitti"_s ? std::optional<int>(0) : std::nullopt);
        QCOMPARE(Veritabanı.AçıkMı(), sonuç == u"açık"_s);
        Veritabanı.Kapat();
        QCOMPARE(Sorgula(ydk, "SELECT KurumAdi FROM KurumTablosu"), yedek);
        QCOMPARE(İçerik(ydkKlasörü), yedek.isEmpty() ? QStringList() : QStringList{u"Tsr.ydk"_s});
        QCOMPARE(İçerik(ortam->ProgramKlasörü()), klasör);
        QCOMPARE(Oku(vtb), klasör.contains(u"Tsr.vtb"_s) && durum.startsWith(u"silinmiş"_s)
                               ? öncekiYdk
                               : (klasör.contains(u"Tsr.vtb"_s) ? öncekiVtb : QByteArray()));
        QCOMPARE(QFileInfo(vtb).isSymLink(), durum == u"bağlı"_s);
        QVERIFY(İçerik(pf).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVeritabaniHazirligi)
#include "TestVeritabanıHazırlığı.moc"
