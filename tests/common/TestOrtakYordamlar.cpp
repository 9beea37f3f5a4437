// The Turkish capitalisation of names, titles and departments, the search of a list by the
// beginning of its entries, and the highlight of a focused entry box.
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/OrtakYordamlarModülü.h"
#include "common/TürkçeMetin.h"
#include "destek/TestOrtamı.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

class TestOrtakYordamlar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void IlkHarfleriBuyut_data()
    {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("il") << QStringLiteral("iSTANBUL ili") << QStringLiteral("İstanbul İli");
        QTest::newRow("noktasız") << QStringLiteral(" ışık İLKER") << QStringLiteral("Işık İlker");
        QTest::newRow("ı içeride") << QStringLiteral("KIRIKKALE") << QStringLiteral("Kırıkkale");
        QTest::newRow("i içeride") << QStringLiteral("dİYARBAKIR") << QStringLiteral("Diyarbakır");
        QTest::newRow("öteki harfler")
            << QStringLiteral("çağla ÖZGÜR şen") << QStringLiteral("Çağla Özgür Şen");
        QTest::newRow("iç boşluklar")
            << QStringLiteral("  ali   veli  ") << QStringLiteral("Ali   Veli");
        QTest::newRow("boş") << QString() << QString();
        QTest::newRow("yalnız boşluk") << QStringLiteral("   ") << QString();
        QTest::newRow("iki harfe açılan")
            << QStringLiteral("ßahin ﬁliz") << QStringLiteral("ßahin ﬁliz");
    }

    void IlkHarfleriBuyut()
    {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(İlkHarfleriBüyüt(girdi), beklenen);
        QCOMPARE(İlkHarfleriBüyüt(beklenen), beklenen);
    }

    void SoyadiBuyut_data()
    {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("ı") << QStringLiteral("Ayşe Işık") << QStringLiteral("Ayşe IŞIK");
        QTest::newRow("i") << QStringLiteral("Mehmet Ali Çiçek")
                           << QStringLiteral("Mehmet Ali ÇİÇEK");
        QTest::newRow("tek sözcük") << QStringLiteral(" yılmaz ") << QStringLiteral("yılmaz");
        QTest::newRow("boş") << QString() << QString();
    }

    void SoyadiBuyut()
    {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(SoyadıBüyüt(girdi), beklenen);
        QCOMPARE(SoyadıBüyüt(beklenen), beklenen);
    }

    // The name box applies both rules on every focus loss: the second pass changes nothing.
    void AdKutusununKurallariIkinciKezDegistirmez()
    {
        for (const QString& ad : {QStringLiteral("  ayşe  ışık "), QStringLiteral("İLKER iŞIK"),
                                  QStringLiteral("mehmet ali çiçek")}) {
            const QString bir = SoyadıBüyüt(İlkHarfleriBüyüt(ad));
            QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(bir)), bir);
        }
        QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(QStringLiteral("İLKER ıŞIK"))),
                 QStringLiteral("İlker IŞIK"));
        QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(QStringLiteral("İLKER iŞIK"))),
                 QStringLiteral("İlker İŞIK"));
    }

    void ListedeBul()
    {
        QListWidget liste;
        liste.addItems({QStringLiteral("Zeynep"), QStringLiteral("ahmet"), QStringLiteral("Ali"),
                        QStringLiteral("IŞIK"), QStringLiteral("İpek"), QStringLiteral("ılgaz")});
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("a")), 1);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("Zeynep")), 0);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("ahmet")), 1);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("AL")), 2);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("ış")), 3);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("ip")), 4);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("Il")), 5);
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("is")), -1); // i is not the small I
        QCOMPARE(::ListedeBul(&liste, QStringLiteral("Zeynepler")), -1);
        QCOMPARE(::ListedeBul(&liste, QString()), -1);
    }

    void AlaniVurgula()
    {
        TestOrtamı ortam(false);
        QLineEdit kutu(QStringLiteral("Personel"));
        QLabel etiket(QStringLiteral("Adı"));
        kutu.setCursorPosition(3);
        ::AlanıVurgula(&kutu, &etiket);
        QCOMPARE(kutu.selectedText(), QStringLiteral("Personel"));
        QCOMPARE(etiket.palette().color(QPalette::WindowText), VurguRengi);
    }
};

QTEST_MAIN(TestOrtakYordamlar)
#include "TestOrtakYordamlar.moc"
