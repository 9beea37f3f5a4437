// A staff list read from every kind of spreadsheet file, taken row by row as the staff dialog
// takes typed texts, added in one transaction, and written out so that it reads back the same.

#include "data/Deyimler.h"
#include "destek/TestOrtamı.h"
#include "destek/ZipYapıcı.h"
#include "transfer/PersonelDışaAktarımı.h"
#include "transfer/PersonelİçeAktarımı.h"
#include "transfer/TabloYapıcı.h"

#include <QStringEncoder>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
// The small list every file holds, in the cells a user has: the number, the name and surname
// (in one column or two), the title, the department and the order number.
const QStringList Liste[] = {
    {u"12345"_s, u"ayşe"_s, u"yılmaz"_s, u"hemşire"_s, u"acil servis"_s, u"1"_s},
    {u"678"_s, u"mehmet ali"_s, u"öztürk"_s, u"şef"_s, u"idari işler"_s, u"2"_s},
    {u"90123"_s, u"can"_s, u"o'brien"_s, u"memur"_s, u"bilgi işlem"_s, u""_s}};
const QString Okunan = u"12345|Ayşe YILMAZ|Hemşire|Acil Servis|1|Eklenecek "
                       u"678|Mehmet Ali ÖZTÜRK|Şef|İdari İşler|2|Eklenecek "
                       u"90123|Can O’BRİEN|Memur|Bilgi İşlem||Eklenecek"_s;

// Delimited text: the header, the list with the name in one column, and a quoted last column
// that holds the separators, a doubled quote and a line break.
QString Csv(const QString& başlık, QChar ayraç)
{
    QStringList satırlar{başlık};
    for (const QStringList& k : Liste)
        satırlar << (QStringList{k[0], k[1] + u' ' + k[2]} + k.mid(3)
                     << u"\"0312;, \t\"\"5\"\"\r\nev\""_s)
                        .join(ayraç);
    return satırlar.join(u"\r\n"_s);
}

// Each row's fields as they would be stored (or only its fate), the rows apart by spaces.
QString Satırlar(const PersonelİçeAktarımı& aktarım, bool alanlar = true)
{
    QStringList satırlar;
    for (const auto& s : aktarım.Satırlar()) {
        QStringList alan = alanlar ? QStringList(s.kayıt.begin(), s.kayıt.end()) : QStringList();
        satırlar << (alan << PersonelİçeAktarımı::DurumMetni(s)).join(u'|');
    }
    return satırlar.join(u' ');
}

// The register's rows in the order of "Tümü".
QStringList Kayıtlar()
{
    return Sütun(u"SELECT Sicili || '|' || AdiSoyadi || '|' || Unvani || '|' || Servisi || '|' "
                 u"|| SiraNo AS k FROM PersonelBilgileriTablosu ORDER BY SiraNo ASC"_s,
                 u"k"_s);
}
} // namespace

class TestPersonelAktarimi : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    QTemporaryDir klasör;

    // A fresh register, empty or holding one person, 500.
    void Dünya(bool kişiyle = true)
    {
        ortam.reset();
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        if (kişiyle)
            ortam->Çalıştır(
                Deyim::PersonelEkle(u"500"_s, u"Ece NAZ"_s, u"Şef"_s, u"Acil"_s, u"1"_s));
    }
    // The import of the file ad, holding veri, into such a register with 500.
    PersonelİçeAktarımı Oku(const QString& ad, const QByteArray& veri)
    {
        Dünya();
        QFile dosya(klasör.filePath(ad));
        dosya.open(QIODevice::WriteOnly);
        dosya.write(veri);
        dosya.close();
        return PersonelListesiniOku(dosya.fileName());
    }

private Q_SLOTS:
    void cleanup() { ortam.reset(); }

    // Every kind reads the same list, whatever its header calls the columns and however its
    // registry numbers are stored; a file that cannot be taken says why. (The files beside
    // this one: see README.)
    void okuma_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QByteArray>("veri");
        QTest::addColumn<QString>("okunan"); // the rows, or why there are none
        QFile xls(QFINDTESTDATA("Liste.xls"));
        xls.open(QIODevice::ReadOnly);
        QTest::newRow("xlsx") << u"liste.xlsx"_s << KlasörüZiple(QFINDTESTDATA("liste.xlsx"))
                              << Okunan;
        QTest::newRow("ods") << u"liste.ods"_s << KlasörüZiple(QFINDTESTDATA("liste.ods"))
                             << Okunan;
        QTest::newRow("xls") << u"liste.xls"_s << xls.readAll() << Okunan;
        QTest::newRow("utf-8 bom")
            << u"liste.csv"_s
            << "\xEF\xBB\xBF" + Csv(u"Sicili;Adı Soyadı;Ünvanı;Servisi;Sıra No"_s, u';').toUtf8()
            << Okunan;
        QTest::newRow("utf-8 virgül")
            << u"liste.CSV"_s << Csv(u"Sicil,Ad Soyadı,Unvan,Bölüm,Sıra Numarası"_s, u',').toUtf8()
            << Okunan;
        QTest::newRow("windows-1254 sekme")
            << u"liste.txt"_s
            << QByteArray(QStringEncoder("windows-1254")(
                   u"\r\n"_s.repeated(10) +
                   Csv(u"SİCİL\tAdı ve Soyadı\tKadro Ünvanı\tBirimi\tSıra."_s, u'\t')))
            << Okunan;
        QTest::newRow("utf-16")
            << u"liste.txt"_s
            << "\xFF\xFE" + QStringEncoder(QStringConverter::Utf16LE)(
                                Csv(u"Sicil Numarası;Ad Soyadı;Ünvanı;Bölümü"_s, u';'))
            << QString(Okunan).replace(u"|1|"_s, u"||"_s).replace(u"|2|"_s, u"||"_s);
        QTest::newRow("ad ilk sütunda")
            << u"a.csv"_s << QByteArray("Ad Soyad;Sicil;Ünvan;Birim\nali veli;5;Memur;Arşiv")
            << u"5|Ali VELİ|Memur|Arşiv||Eklenecek"_s;
        const QString xlsx = u"Dosya bozuk ya da bir Excel çalışma kitabı (.xlsx) değil."_s;
        const QString parola =
            u"Dosya parolayla korunuyor. Parolasını kaldırıp yeniden kaydettikten sonra deneyiniz."_s;
        QTest::newRow("metin") << u"a.xlsx"_s << QByteArray("Sicili;Adı Soyadı") << xlsx;
        QTest::newRow("kırpık") << u"a.xlsx"_s
                                << KlasörüZiple(QFINDTESTDATA("liste.xlsx")).chopped(30) << xlsx;
        QTest::newRow("kırpık xml")
            << u"a.ods"_s << KlasörüZiple(QFINDTESTDATA("kırpık.ods"))
            << u"Dosya bozuk ya da bir OpenDocument hesap tablosu (.ods) değil."_s;
        QTest::newRow("xls değil")
            << u"a.xls"_s << KlasörüZiple(QFINDTESTDATA("liste.xlsx"))
            << u"Dosya bozuk ya da bir Excel 97-2003 çalışma kitabı (.xls) değil."_s;
        QTest::newRow("şifreli xlsx")
            << u"a.xlsx"_s
            << QByteArray(
                   "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1....E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0",
                   40)
            << parola;
        QTest::newRow("şifreli ods")
            << u"a.ods"_s << KlasörüZiple(QFINDTESTDATA("şifreli.ods")) << parola;
        QTest::newRow("tür")
            << u"a.doc"_s << QByteArray()
            << u"Bu türde bir dosya okunamıyor: bir .xlsx, .xls, .ods, .csv ya da .txt dosyası seçiniz."_s;
        QTest::newRow("çok satır")
            << u"a.ods"_s << KlasörüZiple(QFINDTESTDATA("uzun.ods"))
            << u"Dosyada çok fazla satır var: en çok 100.000 dolu satır okunabilir."_s;
        const QString başlıkYok =
            u"Dosyanın ilk 10 dolu satırında personel listesinin başlık satırı bulunamadı.\r\n\r\nBaşlık satırında şu sütunlar bulunmalıdır:\r\n• Sicil: \"Sicil\", \"Sicili\", \"Sicil No\" ya da \"Sicil Numarası\"\r\n• Adı ve soyadı: \"Adı Soyadı\", \"Ad Soyad\", \"Adı ve Soyadı\", \"Ad Soyadı\" ya da ayrı \"Adı\" ve \"Soyadı\" sütunları\r\n• Ünvan: \"Ünvan\", \"Ünvanı\", \"Unvan\", \"Unvanı\", \"Görevi\" ya da \"Kadro Ünvanı\"\r\n• Servis: \"Servis\", \"Servisi\", \"Birim\", \"Birimi\", \"Bölüm\" ya da \"Bölümü\"\r\n• İsteğe bağlı olarak sıra numarası: \"Sıra\", \"Sıra No\" ya da \"Sıra Numarası\""_s;
        QTest::newRow("başlık 11. satırda")
            << u"a.csv"_s
            << (QByteArray("a\n").repeated(10) + "Sicili;Adı Soyadı;Ünvanı;Servisi\n1;a b;c;d")
            << başlıkYok;
        for (const char* başlık : {"Ad Soyad;Ünvan;Servis", "Sicil;Adı;Ünvan;Servis",
                                   "Sicil;Ad Soyad;Servis", "Sicil;Ad Soyad;Ünvan"})
            QTest::addRow("eksik başlık %s", başlık)
                << u"a.csv"_s << QByteArray(başlık) + "\n1;a b;c" << başlıkYok;
    }
    void okuma()
    {
        QFETCH(QString, ad);
        QFETCH(QByteArray, veri);
        QFETCH(QString, okunan);
        const PersonelİçeAktarımı aktarım = Oku(ad, veri);
        QCOMPARE(aktarım.Sorun().isEmpty() ? Satırlar(aktarım) : aktarım.Sorun(), okunan);
    }

    // The dialog's checks in its order, then those of a file's rows; every row's fate, the
    // register holding 500.
    void denetimler_data()
    {
        QTest::addColumn<QString>("satırlar");
        QTest::addColumn<QString>("durumlar");
        QTest::newRow("sicil yok") << u";Ali Veli;Memur;Acil;1"_s << u"Hatalı: sicil yok"_s;
        QTest::newRow("sicil harfli, büyük")
            << u"12a;Ali Veli;Memur;Acil;1\n9223372036854775808;Ali Veli;Memur;Acil;"_s
            << u"Hatalı: sicil yalnızca rakamlardan oluşmalı Hatalı: sicil çok büyük"_s;
        QTest::newRow("kayıtlı önce") << u"0500;;;;x"_s << u"Zaten kayıtlı"_s;
        QTest::newRow("ad yok") << u"5; ;Memur;Acil;"_s << u"Hatalı: ad soyad yok"_s;
        QTest::newRow("soyad yok") << u"5;\tali ;Memur;Acil;"_s << u"Hatalı: soyad yok"_s;
        QTest::newRow("ünvan yok") << u"5;Ali Veli;;Acil;"_s << u"Hatalı: ünvan yok"_s;
        QTest::newRow("servis yok") << u"5;Ali Veli;Memur; ;"_s << u"Hatalı: servis yok"_s;
        QTest::newRow("sıra, uzunluk, karakter")
            << u"5;Ali Veli;Memur;Acil;1a\n6;Ali %1;Memur;Acil;\n7;Ali Veli;Memur;Ac\x01il;"_s.arg(
                   QString(300, u'v'))
            << u"Hatalı: sıra no yalnızca rakamlardan oluşmalı Hatalı: ad soyad çok uzun Hatalı: "
               u"servis geçersiz karakter içeriyor"_s;
        QTest::newRow("iki kez") << u";;;;\n5;ali veli;memur;acil;\n005;;;;\n6;a b;c;d;007"_s
                                 << u"Eklenecek Hatalı: dosyada iki kez Eklenecek"_s;
    }
    void denetimler()
    {
        QFETCH(QString, satırlar);
        QFETCH(QString, durumlar);
        const PersonelİçeAktarımı aktarım = Oku(
            u"liste.csv"_s, (u"Sicili;Adı Soyadı;Ünvanı;Servisi;Sıra No\n"_s + satırlar).toUtf8());
        QCOMPARE(Satırlar(aktarım, false), durumlar);
    }

    // The register written out and read into an empty one is the same register, row for row:
    // numbers that are numbers as number cells, the others as texts.
    void gidisDonus_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::newRow("xlsx") << u"liste.xlsx"_s;
        QTest::newRow("csv") << u"liste.csv"_s;
    }
    void gidisDonus()
    {
        QFETCH(QString, ad);
        Dünya();
        for (const char* satır : {"9223372036854775807, 'Ali VELİ', 'Şef; \"1\"', 'Acil', '10'",
                                  "12, 'Can O’BRİEN', 'Memur', 'Bilgi İşlem', '007'",
                                  "13, 'Oya SU', 'Memur', 'Acil', ''"})
            ortam->Çalıştır(
                u"INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, Unvani, Servisi, SiraNo) VALUES ("_s +
                QString::fromUtf8(satır) + u')');
        const QStringList kayıtlar = Kayıtlar();
        const QString yol = klasör.filePath(ad);
        QVERIFY(PersonelListesiniYaz(KayıtlıPersonel(), yol));
        QFile dosya(yol);
        dosya.open(QIODevice::ReadOnly);
        Dünya(false);
        PersonelListesiniOku(yol).Ekle();
        QCOMPARE(Kayıtlar(), kayıtlar);
        // In the order of "Tümü", quoted where a field holds the separator or a quote; in a
        // workbook the registry and order numbers are number cells.
        const QByteArray veri = dosya.readAll();
        if (ad.endsWith(u"csv"))
            QCOMPARE(
                veri,
                "\xEF\xBB\xBFSicili;Adı Soyadı;Ünvanı;Servisi;Sıra No\r\n13;Oya SU;Memur;Acil;\r\n"
                "500;Ece NAZ;Şef;Acil;1\r\n12;Can O’BRİEN;Memur;Bilgi İşlem;007\r\n"
                "9223372036854775807;Ali VELİ;\"Şef; \"\"1\"\"\";Acil;10\r\n");
        // A file that cannot be replaced keeps what it held, and nothing is left beside it.
        const DosyaEngeli engel({u"chattr"_s, u"+i"_s, yol}, {u"chattr"_s, u"-i"_s, yol});
        QVERIFY(!PersonelListesiniYaz(KayıtlıPersonel(), yol));
        QCOMPARE(QDir(klasör.path()).entryList({ad + u".*"_s}, QDir::Files), QStringList());
        for (const char* hücre : {R"(<c r="A4"><v>12</v></c>)", R"(<c r="E3"><v>1</v></c>)"})
            QVERIFY(
                ad.endsWith(u"csv") ||
                ZipArşivi(veri, {}).Aç(u"xl/worksheets/sheet1.xml"_s)->readAll().contains(hücre));
    }
};

QTEST_MAIN(TestPersonelAktarimi)
#include "TestPersonelAktarımı.moc"
