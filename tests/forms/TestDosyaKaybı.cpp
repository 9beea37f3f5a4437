// Tsr.vtb taken away under the running main window, deleted or replaced by another file. The open
// connection still holds the old file, which no path leads to any more: a save through the staff
// dialog ends in the cannot-be-written question with nothing typed lost, reading goes on, and
// whatever now stands at the path is left as it is.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestDosyaKaybi : public QObject
{
    Q_OBJECT

    // Adds one person through the staff dialog; returns the registry number left in its box.
    QString Ekle(AnaForm& ana, const QString& sicil, const QString& servis)
    {
        QString kalan = u"açılmadı"_s;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            QVERIFY(f);
            QTRY_COMPARE(QApplication::activeWindow(), f);
            for (const QString& metin : {sicil, u"deniz öz"_s, u"memur"_s, servis}) {
                KlavyedenYaz(QApplication::focusWidget(), metin);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::mouseClick(f->findChild<QPushButton*>(u"EkleKaydetDüğmesi"_s), Qt::LeftButton);
            kalan = f->findChild<QLineEdit*>(u"SiciliKutusu"_s)->text();
            f->reject();
        });
        QTest::mouseClick(ana.findChild<QPushButton*>(u"EkleDüğmesi"_s), Qt::LeftButton);
        return kalan;
    }

private Q_SLOTS:
    void dosyaGitti_data()
    {
        QTest::addColumn<QByteArray>("yerine");
        QTest::newRow("silindi") << QByteArray();
        QTest::newRow("yerine metin dosyası") << QByteArray("bir veritabanı değil\n");
    }
    void dosyaGitti()
    {
        QFETCH(QByteArray, yerine);
        TestOrtamı ortam;
        ProgramKlasörü = ortam.ProgramKlasörü();
        VeritabanınıHazırla();
        AnaForm ana;
        ana.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(&ana));
        QCOMPARE(Ekle(ana, u"1"_s, u"a"_s), QString());
        QCOMPARE(Ekle(ana, u"2"_s, u"b"_s), QString());
        const QString yol = ortam.VeritabanıYolu();
        QVERIFY(QFile::remove(yol));
        QFile dosya(yol);
        QVERIFY(yerine.isEmpty() || (dosya.open(QIODevice::WriteOnly) && dosya.write(yerine) > 0));
        dosya.close();

        ortam.yanıtlar.push_back(Yanıt::Evet);
        QCOMPARE(Ekle(ana, u"3"_s, u"c"_s), u"3"_s);
        auto* servis = ana.findChild<QComboBox*>(u"ServisSeçKutusu"_s);
        servis->setFocus();
        QTest::keyClick(servis, Qt::Key_End);
        QCOMPARE(servis->currentText(), u"B"_s);
        QCOMPARE(ana.findChild<QListWidget*>(u"PersonelListesi"_s)->count(), 1);
        QCOMPARE(ortam.gösterilen.size(), size_t(1));
        QCOMPARE(ortam.gösterilen[0].başlık, u"Hata oluştu!"_s);
        QVERIFY(ortam.gösterilen[0].metin.contains(u"Hata Kodu: 3027\r\n"_s));
        QVERIFY(!ortam.bitişKodu);

        Veritabanı.Aç(ortam.YedekYolu());
        QCOMPARE(Veritabanı.KayıtKümesiAç(u"PRAGMA integrity_check"_s).Alan(0), u"ok"_s);
        Veritabanı.Kapat();
        QCOMPARE(dosya.open(QIODevice::ReadOnly) ? dosya.readAll() : QByteArray(), yerine);
        QVERIFY(!QFile::exists(yol + u"-journal"_s));
    }
};

QTEST_MAIN(TestDosyaKaybi)
#include "TestDosyaKaybı.moc"
