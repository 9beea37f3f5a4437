// The year's official holidays added from the holiday calendar's context menu: what is stored,
// what the box says was left out, and that a failure stores nothing.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestMenüsü.h"
#include "destek/TestOrtamı.h"
#include "forms/TatilTarihleriFormu.h"

#include <QListWidget>
#include <QtTest>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {
QStringList Kayıtlı()
{
    QStringList tarihler;
    SonuçKümesi k = Veritabanı.KayıtKümesiAç(
        u"SELECT TatilTarihi FROM TatilTarihleriTablosu ORDER BY TatilTarihi"_s);
    for (; !k.EOF_(); k.SonrakineGeç())
        tarihler << k.Alan(0).toDate().toString(Qt::ISODate);
    return tarihler;
}

QString Kısa(const QString& iso)
{
    return QLocale().toString(QDate::fromString(iso, Qt::ISODate), QLocale::ShortFormat);
}

// Shows the calendar and chooses its context menu's entry where the focus is put (the grid,
// or the holiday list); returns the entry's text.
QString MenüdenEkle(TatilTarihleriFormu& form, const QString& odak)
{
    form.TatilTarihleriniListele();
    form.show();
    if (!QTest::qWaitForWindowActive(&form))
        return {};
    form.findChild<QWidget*>(odak)->setFocus();
    return MenüdenSeç(QApplication::focusWidget());
}
} // namespace

class TestResmiTatiller : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ekler_data()
    {
        QTest::addColumn<int>("yil");
        QTest::addColumn<QStringList>("onceden");
        QTest::addColumn<QStringList>("eklenen");
        QTest::addColumn<QStringList>("satirlar");
        const QStringList y2026 = {u"01-01"_s, u"03-20"_s, u"03-21"_s, u"04-23"_s,
                                   u"05-01"_s, u"05-19"_s, u"05-27"_s, u"05-28"_s,
                                   u"05-29"_s, u"05-30"_s, u"07-15"_s, u"10-29"_s};
        QTest::newRow("2026") << 2026 << QStringList() << y2026
                              << QStringList{
                                     u"2026 yılının resmî tatillerinden 12 gün listeye eklendi."_s,
                                     u"PAZAR gününe denk geldiği için eklenmeyen: "_s +
                                         Kısa(u"2026-03-22"_s) + u", "_s + Kısa(u"2026-08-30"_s),
                                     u"Yarım gün (öğleden sonra) olduğu için eklenmeyen: "_s +
                                         Kısa(u"2026-03-19"_s) + u", "_s + Kısa(u"2026-05-26"_s) +
                                         u", "_s + Kısa(u"2026-10-28"_s)};
        QStringList hepsi;
        for (const QString& g : y2026)
            hepsi << u"2026-"_s + g;
        QTest::newRow("ikinci kez")
            << 2026 << hepsi << y2026 << QStringList{u"listeye yeni gün eklenmedi."_s};
        QTest::newRow("elle eklenmiş gün")
            << 2026 << QStringList{u"2026-01-01"_s} << y2026
            << QStringList{u"tatillerinden 11 gün"_s,
                           u"Listede zaten olduğu için eklenmeyen: "_s + Kısa(u"2026-01-01"_s)};
        QTest::newRow("bayramsız yıl")
            << 2040 << QStringList()
            << QStringList{u"04-23"_s, u"05-01"_s, u"05-19"_s, u"08-30"_s, u"10-29"_s}
            << QStringList{u"Ramazan Bayramı ve Kurban Bayramı 2040 yılı için eklenmedi"_s};
        QTest::newRow("1 Mayıs 2009'dan")
            << 2009 << QStringList()
            << QStringList{u"01-01"_s, u"04-23"_s, u"05-01"_s, u"05-19"_s, u"09-21"_s,
                           u"09-22"_s, u"10-29"_s, u"11-27"_s, u"11-28"_s, u"11-30"_s}
            << QStringList{};
        QTest::newRow("15 Temmuz 2017'den")
            << 2016 << QStringList()
            << QStringList{u"01-01"_s, u"04-23"_s, u"05-19"_s, u"07-05"_s, u"07-06"_s, u"07-07"_s,
                           u"08-30"_s, u"09-12"_s, u"09-13"_s, u"09-14"_s, u"09-15"_s, u"10-29"_s}
            << QStringList{};
    }
    void ekler()
    {
        QFETCH(int, yil);
        QFETCH(QStringList, onceden);
        QFETCH(QStringList, eklenen);
        QFETCH(QStringList, satirlar);
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        for (const QString& g : onceden)
            ortam.Çalıştır(u"INSERT INTO TatilTarihleriTablosu (TatilTarihi) VALUES (#"_s +
                           QDate::fromString(g, Qt::ISODate).toString(u"M/d/yyyy"_s) + u"#)"_s);
        SeçilenTarih = QDate(yil, 1, 1);
        TatilTarihleriFormu form;
        QCOMPARE(MenüdenEkle(form, u"TatilTarihleriListesi"_s),
                 QString::number(yil) + u" Yılının Resmî Tatillerini Ekle"_s);
        QStringList beklenen;
        for (const QString& g : eklenen)
            beklenen << QString::number(yil) + u"-"_s + g;
        QCOMPARE(Kayıtlı(), beklenen);
        QCOMPARE(ortam.gösterilen.size(), size_t(1));
        QCOMPARE(ortam.gösterilen[0].simge, MesajSimgesi::Bilgi);
        for (const QString& satır : satirlar)
            QVERIFY2(ortam.gösterilen[0].metin.split(u'\n').filter(satır).size() == 1,
                     qPrintable(ortam.gösterilen[0].metin));
        // The displayed month, January, is listed again with its new holiday.
        QCOMPARE(form.findChild<QListWidget*>(u"TatilTarihleriListesi"_s)->count(),
                 int(beklenen.contains(QString::number(yil) + u"-01-01"_s)));
    }

    // A refusal in the middle of the year leaves the table as it was, and is reported.
    void hatadaHicbiriEklenmez()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        QCOMPARE(sqlite3_exec(Veritabanı.Tutamaç(),
                              "CREATE TRIGGER ret BEFORE INSERT ON TatilTarihleriTablosu WHEN "
                              "NEW.TatilTarihi='2026-05-19' BEGIN SELECT RAISE(ABORT,'ret'); END",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        SeçilenTarih = QDate(2026, 1, 1);
        TatilTarihleriFormu form;
        QVERIFY(!MenüdenEkle(form, u"Altlık"_s).isEmpty());
        QCOMPARE(Kayıtlı(), QStringList());
        QCOMPARE(ortam.gösterilen.size(), size_t(1));
        QCOMPARE(ortam.gösterilen[0].simge, MesajSimgesi::Kritik);
    }
};

QTEST_MAIN(TestResmiTatiller)
#include "TestResmîTatiller.moc"
