// The holiday calendar driven as a user drives it: opened the way the main window opens it,
// worked with real mouse clicks and keys, checked on the screen and in the database file.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/TestMenüsü.h"
#include "destek/TestOrtamı.h"
#include "forms/TatilTarihleriFormu.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

namespace {
// A test's database and the dialog opened on it, as the main window does: the month's first
// day, a fresh dialog, its list, shown.
struct Takvim
{
    TestOrtamı ortam;
    std::unique_ptr<TatilTarihleriFormu> form;

    explicit Takvim(const char* kayıtlar = "")
    {
        ortam.VeritabanınıAç();
        for (const QString& d : QString::fromUtf8(kayıtlar).split(u' ', Qt::SkipEmptyParts))
            ortam.Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES (%1)").arg(d));
    }
    bool Aç(int yıl, int ay)
    {
        SeçilenTarih = QDate(yıl, ay, 1);
        form = std::make_unique<TatilTarihleriFormu>();
        form->TatilTarihleriniListele();
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }
    template <class T = QWidget> T* Bul(const char* ad) const
    {
        return form->findChild<T*>(QString::fromUtf8(ad));
    }
    QLabel* Hücre(int no) const
    {
        return Bul<QLabel>(qPrintable(QStringLiteral("GünEtiketi%1").arg(no)));
    }
    void Tıkla(const char* düğme) const
    {
        QTest::mouseClick(Bul<QPushButton>(düğme), Qt::LeftButton);
    }
    void Tıkla(int hücre) const { QTest::mouseClick(Hücre(hücre), Qt::LeftButton); }
    void Tuş(Qt::Key tuş, Qt::KeyboardModifiers ek = {}) const
    {
        QTest::keyClick(QApplication::focusWidget(), tuş, ek);
    }
    QString Listelenen() const
    {
        QStringList m;
        for (int i = 0; i < Bul<QListWidget>("TatilTarihleriListesi")->count(); ++i)
            m << Bul<QListWidget>("TatilTarihleriListesi")->item(i)->text();
        return m.join(u' ');
    }
    // Holidays are dark red and bold, like the weekend columns; other days plain blue.
    bool Tatil(int hücre) const
    {
        const QColor renk = Hücre(hücre)->palette().color(QPalette::WindowText);
        if (renk != QColor(192, 0, 0) && renk != QColor(0, 0, 192))
            qFatal("hücre rengi");
        return renk == QColor(192, 0, 0) && Hücre(hücre)->font().bold();
    }
    static QString Kayıtlı()
    {
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(
            QStringLiteral("SELECT group_concat(TatilTarihi, ' ') FROM (SELECT TatilTarihi FROM "
                           "TatilTarihleriTablosu ORDER BY TatilTarihi)"));
        return k.Alan(0).toString();
    }
};
} // namespace

class TestTatilTarihleri : public QObject
{
    Q_OBJECT

private Q_SLOTS: // moc reads slot names in ASCII only
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    // The month's days from the right weekday; a click picks a day, an empty cell nothing.
    void ayGosterimi_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("ilkHücre");
        QTest::addColumn<int>("günSayısı");
        QTest::addColumn<QString>("sonGün");
        QTest::newRow("Pazartesi başlayan")
            << 2024 << 1 << 0 << 31 << QStringLiteral("31 Ocak 2024 Çarşamba");
        QTest::newRow("Pazar başlayan")
            << 2023 << 10 << 6 << 31 << QStringLiteral("31 Ekim 2023 Salı");
        QTest::newRow("artık yıl şubatı")
            << 2024 << 2 << 3 << 29 << QStringLiteral("29 Şubat 2024 Perşembe");
    }
    void ayGosterimi()
    {
        QFETCH(int, yıl);
        QFETCH(int, ay);
        QFETCH(int, ilkHücre);
        QFETCH(int, günSayısı);
        QFETCH(QString, sonGün);
        Takvim t;
        QVERIFY(t.Aç(yıl, ay));
        for (int i = 0; i < 37; ++i) {
            const int gün = i - ilkHücre + 1;
            QCOMPARE(t.Hücre(i)->text(),
                     gün >= 1 && gün <= günSayısı ? QString::number(gün) : QString());
            QCOMPARE(t.Tatil(i), i < 35 && i % 7 >= 5);
        }
        t.Tıkla(ilkHücre + günSayısı - 1);
        if (ilkHücre + günSayısı < 37)
            t.Tıkla(ilkHücre + günSayısı);
        QCOMPARE(SeçilenTarih, QDate(yıl, ay, günSayısı));
        QCOMPARE(t.Bul<QLabel>("SeçilenTarihEtiketi")->text(), sonGün);
        QCOMPARE(t.Bul("SeçilenTarihÇerçevesi")->x(), t.Hücre(ilkHücre + günSayısı - 1)->x());
    }

    // The arrows move the day on the grid and stop at the month's edges; Enter presses nothing.
    void oklar()
    {
        Takvim t;
        QVERIFY(t.Aç(2024, 1)); // 1 January a Monday, in cell 0; 31 January in cell 30
        t.Tıkla(0);
        for (Qt::Key tuş :
             {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
            t.Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 9));
        t.Tıkla(30);
        for (Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            t.Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 31));
        QVERIFY(t.form->isVisible() && t.Kayıtlı().isEmpty());
    }

    // Sunday is refused, a date once only; removal asks first. After each the grid has the focus.
    void eklemeVeCikarma()
    {
        Takvim t;
        QVERIFY(t.Aç(2024, 6)); // 1 June a Saturday in cell 5, 2 June a Sunday in cell 6
        for (int hücre : {6, 5, 5}) {
            t.Tıkla(hücre);
            t.Tıkla("ListeyeEkleDüğmesi");
            QVERIFY(hücre == 5 || QApplication::focusWidget() == t.Bul("Altlık"));
        }
        QCOMPARE(t.ortam.gösterilen.size(), size_t(2));
        QCOMPARE(t.ortam.gösterilen[0].metin,
                 QStringLiteral("PAZAR günü tatil günü olarak belirlenemez!"));
        QCOMPARE(t.ortam.gösterilen[0].simge, MesajSimgesi::Ünlem);
        QCOMPARE(t.ortam.gösterilen[1].metin, QStringLiteral("Bu tarih listeye EKLENMİŞ!"));
        t.Tıkla(16); // Wednesday 12 June, by the access key
        t.Tuş(Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(t.Listelenen(), QStringLiteral("1.06.2024 12.06.2024"));
        QVERIFY(t.Tatil(5) && t.Tatil(16));
        auto* liste = t.Bul<QListWidget>("TatilTarihleriListesi");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        t.ortam.yanıtlar = {Yanıt::Hayır, Yanıt::Evet};
        t.Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(t.Kayıtlı(), QStringLiteral("2024-06-01 2024-06-12"));
        t.Tıkla("ListedenÇıkarDüğmesi");
        const Mesaj soru = t.ortam.gösterilen.back();
        QCOMPARE(soru.metin,
                 QStringLiteral("12.06.2024 tarihli tatili SİLMEK istediğinizden emin misiniz?"));
        QVERIFY(soru.düğmeler == MesajDüğmeleri::EvetHayır && soru.varsayılan == Yanıt::Hayır);
        QCOMPARE(t.Kayıtlı(), QStringLiteral("2024-06-01"));
        QVERIFY(!t.Tatil(16) && liste->selectedItems().isEmpty());
        QCOMPARE(QApplication::focusWidget(), t.Bul("Altlık"));
        t.Tıkla("ListedenÇıkarDüğmesi"); // nothing selected: nothing asked
        QCOMPARE(t.ortam.gösterilen.size(), size_t(4));
    }

    // Only the month's own holidays are listed and marked, whatever else the table holds, and
    // removing one leaves every other row as it was. "Bugüne Git" shows today's month.
    void yalnizcaAyinTatilleri()
    {
        Takvim t("'2024-04-30' '2024-06-01' 'abc' '2024-05-1' '2024-05-10' #3/20/2031#");
        t.ortam.SaatiAyarla(QDateTime(QDate(2031, 3, 15), QTime(10, 0)));
        QVERIFY(t.Aç(2024, 5)); // 1 May in cell 2, 31 May in cell 32
        QCOMPARE(t.Listelenen(), QStringLiteral("10.05.2024"));
        QVERIFY(!t.Tatil(2) && !t.Tatil(32) && t.Tatil(11));
        t.Tuş(Qt::Key_T, Qt::AltModifier);
        t.Tuş(Qt::Key_Home);
        t.ortam.yanıtlar = {Yanıt::Evet};
        t.Tuş(Qt::Key_K, Qt::AltModifier);
        QTRY_COMPARE(t.Kayıtlı(), QStringLiteral("2024-04-30 2024-05-1 2024-06-01 2031-03-20 abc"));
        t.Tıkla("BugüneGitDüğmesi");
        QCOMPARE(SeçilenTarih, QDate(2031, 3, 15));
        QCOMPARE(t.Bul<QListWidget>("AyKutusu")->currentRow(), 2);
        QCOMPARE(t.Listelenen(), QStringLiteral("20.03.2031"));
        QVERIFY(t.Tatil(24));
        QVERIFY(t.ortam.gösterilen.size() == 1);
    }

    // The year's official holidays from the context menu: what is stored and, line by line,
    // what the box says was left out.
    void resmiTatiller_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<QString>("önceden");
        QTest::addColumn<QString>("eklenen");
        QTest::addColumn<QString>("mesaj"); // the box's text begins so
        QTest::newRow("2026")
            << 2026 << QString()
            << QStringLiteral(
                   "01-01 03-20 03-21 04-23 05-01 05-19 05-27 05-28 05-29 05-30 07-15 10-29")
            << QStringLiteral(
                   "2026 yılının resmî tatillerinden 12 gün listeye eklendi.\nPAZAR gününe denk "
                   "geldiği için eklenmeyen: 22.03.2026, 30.08.2026\nYarım gün (öğleden sonra) "
                   "olduğu için eklenmeyen: 19.03.2026, 26.05.2026, 28.10.2026");
        QTest::newRow("elle eklenmiş gün")
            << 2026 << QStringLiteral("#1/1/2026# #3/21/2026#")
            << QStringLiteral(
                   "01-01 03-20 03-21 04-23 05-01 05-19 05-27 05-28 05-29 05-30 07-15 10-29")
            << QStringLiteral("2026 yılının resmî tatillerinden 10 gün listeye eklendi.\nListede "
                              "zaten olduğu için eklenmeyen: 1.01.2026, 21.03.2026\nPAZAR");
        QTest::newRow("bayramsız yıl")
            << 2040 << QString() << QStringLiteral("04-23 05-01 05-19 08-30 10-29")
            << QStringLiteral(
                   "2040 yılının resmî tatillerinden 5 gün listeye eklendi.\nPAZAR gününe denk "
                   "geldiği için eklenmeyen: 1.01.2040, 15.07.2040\nYarım gün (öğleden sonra) "
                   "olduğu için eklenmeyen: 28.10.2040\nRamazan Bayramı ve Kurban "
                   "Bayramı 2040 yılı için eklenmedi: bu yılın bayram tarihleri programda yok.");
        QTest::newRow("1 Mayıs 2009'dan")
            << 2009 << QString()
            << QStringLiteral("01-01 04-23 05-01 05-19 09-21 09-22 10-29 11-27 11-28 11-30")
            << QStringLiteral("2009 yılının");
        QTest::newRow("15 Temmuz 2017'den")
            << 2016 << QString()
            << QStringLiteral(
                   "01-01 04-23 05-19 07-05 07-06 07-07 08-30 09-12 09-13 09-14 09-15 10-29")
            << QStringLiteral("2016 yılının");
    }
    void resmiTatiller()
    {
        QFETCH(int, yıl);
        QFETCH(QString, önceden);
        QFETCH(QString, eklenen);
        QFETCH(QString, mesaj);
        Takvim t(qPrintable(önceden));
        QVERIFY(t.Aç(yıl, 1));
        t.Bul("TatilTarihleriListesi")->setFocus();
        QCOMPARE(MenüdenSeç(QApplication::focusWidget()),
                 QString::number(yıl) + QStringLiteral(" Yılının Resmî Tatillerini Ekle"));
        QCOMPARE(t.Kayıtlı(), QString::number(yıl) + u'-' +
                                  eklenen.replace(u' ', QStringLiteral(" %1-").arg(yıl)));
        QCOMPARE(t.ortam.gösterilen.size(), size_t(1));
        QVERIFY2(t.ortam.gösterilen[0].metin.startsWith(mesaj),
                 qPrintable(t.ortam.gösterilen[0].metin));
        QCOMPARE(t.Listelenen().isEmpty(), !eklenen.startsWith(QStringLiteral("01-01")));
    }

    // A refusal in the middle of the year stores nothing, and is reported.
    void resmiTatilHatasi()
    {
        Takvim t;
        QCOMPARE(sqlite3_exec(Veritabanı.Tutamaç(),
                              "CREATE TRIGGER ret BEFORE INSERT ON TatilTarihleriTablosu WHEN "
                              "NEW.TatilTarihi='2026-05-19' BEGIN SELECT RAISE(ABORT,'ret'); END",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        QVERIFY(t.Aç(2026, 1));
        QVERIFY(!MenüdenSeç(t.Bul("Altlık")).isEmpty());
        QCOMPARE(t.Kayıtlı(), QString());
        QCOMPARE(t.ortam.gösterilen.size(), size_t(1));
        QCOMPARE(t.ortam.gösterilen[0].simge, MesajSimgesi::Kritik);
    }
};

QTEST_MAIN(TestTatilTarihleri)
#include "TestTatilTarihleri.moc"
