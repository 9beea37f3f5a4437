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

class TestTatilTarihleri : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<TatilTarihleriFormu> form;

    // As the main window does it: the month's first day, a fresh dialog, its list, shown.
    void Aç(int yıl, int ay)
    {
        SeçilenTarih = QDate(yıl, ay, 1);
        form = std::make_unique<TatilTarihleriFormu>();
        form->TatilTarihleriniListele();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    template <class T = QListWidget> T* Bul(const char* ad)
    {
        return form->findChild<T*>(QString::fromUtf8(ad));
    }
    void Hücre(int no)
    {
        QTest::mouseClick(Bul<QLabel>(qPrintable(QStringLiteral("GünEtiketi%1").arg(no))),
                          Qt::LeftButton);
    }
    void Tıkla(const char* düğme) { QTest::mouseClick(Bul<QPushButton>(düğme), Qt::LeftButton); }
    static void Tuş(Qt::Key tuş) { QTest::keyClick(QApplication::focusWidget(), tuş); }
    // The list's dates, each after a '/'.
    QString Liste()
    {
        QString s;
        auto* liste = Bul("TatilTarihleriListesi");
        for (int i = 0; i < liste->count(); ++i)
            s += u'/' + liste->item(i)->text();
        return s;
    }
    static QString Kayıtlı()
    {
        return Veritabanı
            .KayıtKümesiAç(QStringLiteral("SELECT group_concat(TatilTarihi, ' ') FROM (SELECT "
                                          "TatilTarihi FROM TatilTarihleriTablosu ORDER BY 1)"))
            .Alan(0)
            .toString();
    }

private Q_SLOTS: // moc reads slot names in ASCII only
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    // A click picks a day, an empty cell
    // nothing; the arrows move the day and stop at the month's edges; Enter presses nothing.
    // Sunday is refused, a date taken once only, removal asked first.
    void gunlerVeTatiller()
    {
        ortam->Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES ('2024-01-31'), "
                                       "('2024-02-01'), ('2023-12-31'), ('abc')"));
        Aç(2024, 1); // 6 January a Saturday in cell 5, 7 January a Sunday in cell 6
        QCOMPARE(Liste(), QStringLiteral("/31.01.2024"));
        Hücre(0);
        for (Qt::Key tuş :
             {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
            Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 9));
        Hücre(30);
        Hücre(31);
        for (Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 31));
        QCOMPARE(Bul<QLabel>("SeçilenTarihEtiketi")->text(),
                 QStringLiteral("31 Ocak 2024 Çarşamba"));
        for (int hücre : {6, 5, 5}) {
            Hücre(hücre);
            Tıkla("ListeyeEkleDüğmesi");
        }
        Hücre(15);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(Liste(), QStringLiteral("/6.01.2024/16.01.2024/31.01.2024"));
        auto* liste = Bul("TatilTarihleriListesi");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(1)).center());
        ortam->yanıtlar = {Yanıt::Evet};
        Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(Kayıtlı(), QStringLiteral("2023-12-31 2024-01-06 2024-01-31 2024-02-01 abc"));
        QStringList metinler;
        for (const Mesaj& m : ortam->gösterilen)
            metinler << m.metin;
        QCOMPARE(metinler.join(u'|'),
                 QStringLiteral("PAZAR günü tatil günü olarak belirlenemez!|Bu tarih listeye "
                                "EKLENMİŞ!|16.01.2024 tarihli tatili SİLMEK istediğinizden emin "
                                "misiniz?"));
        QVERIFY(ortam->gösterilen[2].düğmeler == MesajDüğmeleri::EvetHayır &&
                ortam->gösterilen[2].varsayılan == Yanıt::Hayır);
    }

    // The year's official holidays from the context menu: what the box says was
    // added and left out, line by line.
    void resmiTatiller_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<QString>("önceden"); // stored before: month-day
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("2026")
            << 2026 << QStringLiteral("01-01 03-21")
            << QStringLiteral("10 gün listeye eklendi.\nListede zaten olduğu için eklenmeyen: "
                              "1.01.2026, 21.03.2026\nPAZAR gününe denk geldiği için eklenmeyen: "
                              "22.03.2026, 30.08.2026\nYarım gün (öğleden sonra) olduğu için "
                              "eklenmeyen: 19.03.2026, 26.05.2026, 28.10.2026");
        QTest::newRow("ikinci kez")
            << 2026
            << QStringLiteral(
                   "01-01 03-20 03-21 04-23 05-01 05-19 05-27 05-28 05-29 05-30 07-15 10-29")
            << QStringLiteral("listeye yeni gün eklenmedi.\nListede zaten");
        QTest::newRow("bayramsız")
            << 2040 << QString()
            << QStringLiteral("5 gün listeye eklendi.\nPAZAR gününe denk geldiği için eklenmeyen: "
                              "1.01.2040, 15.07.2040\nYarım gün (öğleden sonra) olduğu için "
                              "eklenmeyen: 28.10.2040\nRamazan Bayramı ve Kurban Bayramı 2040 "
                              "yılı için eklenmedi: bu yılın bayram tarihleri programda yok.");
    }
    void resmiTatiller()
    {
        QFETCH(int, yıl);
        QFETCH(QString, önceden);
        QFETCH(QString, mesaj);
        for (const QString& gün : önceden.split(u' ', Qt::SkipEmptyParts))
            ortam->Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES ('%1-%2')")
                                .arg(yıl)
                                .arg(gün));
        Aç(yıl, 1);
        Bul<QWidget>("TatilTarihleriListesi")->setFocus();
        QCOMPARE(MenüdenSeç(QApplication::focusWidget()),
                 QStringLiteral("%1 Yılının Resmî Tatillerini Ekle").arg(yıl));
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.startsWith(
            QStringLiteral("%1 yılının resmî tatillerinden ").arg(yıl) + mesaj));
        QCOMPARE(Liste().isEmpty(), yıl == 2040); // January shows its new holiday
    }
};

QTEST_MAIN(TestTatilTarihleri)
#include "TestTatilTarihleri.moc"
