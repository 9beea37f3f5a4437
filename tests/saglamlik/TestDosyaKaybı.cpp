// Tsr.vtb taken away under the running main window: deleted, or replaced by another file. The
// open connection still holds the old file, which no path leads to any more: SQLite refuses to
// write into it, so a save through the staff dialog ends in the error question (cannot be
// written) with nothing typed lost, while a department switch still reads from it. Whatever now
// stands at the path is left as it is, and the backup stays sound.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "data/VeritabanıHazırlığı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <sqlite3.h>

namespace {

// What a separate connection finds in the file: "ok" and the registry numbers, or why not.
QString Denetle(const QString& yol, QStringList* siciller = nullptr)
{
    sqlite3* b = nullptr;
    QString sonuç;
    if (sqlite3_open_v2(QFile::encodeName(yol).constData(), &b, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_stmt* d = nullptr;
        sqlite3_prepare_v2(b, "PRAGMA integrity_check", -1, &d, nullptr);
        sonuç = sqlite3_step(d) == SQLITE_ROW
                    ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(d, 0)))
                    : QString::fromUtf8(sqlite3_errmsg(b));
        sqlite3_finalize(d);
        if (siciller && sqlite3_prepare_v2(b, "SELECT Sicili FROM PersonelBilgileriTablosu", -1, &d,
                                           nullptr) == SQLITE_OK) {
            while (sqlite3_step(d) == SQLITE_ROW)
                *siciller << QString::number(sqlite3_column_int64(d, 0));
            sqlite3_finalize(d);
        }
    }
    sqlite3_close(b);
    return sonuç;
}

} // namespace

class TestDosyaKaybi : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> ana;

    template <class T> T* D(QWidget* w, const char* ad) const
    {
        T* d = w->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }

    // Adds one person through the staff dialog opened from the main window; returns whether
    // the dialog went back to rest (the save returned).
    bool Ekle(const QString& sicil, const QString& servis)
    {
        bool kaydedildi = false;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            QVERIFY(f);
            QTRY_COMPARE(QApplication::activeWindow(), f);
            for (const QString& metin :
                 {sicil, QStringLiteral("deniz öz"), QStringLiteral("memur"), servis}) {
                KlavyedenYaz(QApplication::focusWidget(), metin);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QTest::mouseClick(D<QPushButton>(f, "EkleKaydetDüğmesi"), Qt::LeftButton);
            kaydedildi = D<QLineEdit>(f, "SiciliKutusu")->text().isEmpty();
            if (!kaydedildi)
                QCOMPARE(D<QLineEdit>(f, "SiciliKutusu")->text(), sicil);
            f->reject();
        });
        QTest::mouseClick(D<QPushButton>(ana.get(), "EkleDüğmesi"), Qt::LeftButton);
        return kaydedildi;
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ::ProgramKlasörü = ortam->ProgramKlasörü();
        VeritabanınıHazırla();
        QVERIFY(ortam->gösterilen.empty());
        ortam->Çalıştır(Deyim::PersonelEkle(QStringLiteral("1"), QStringLiteral("Ali KAYA"),
                                            QStringLiteral("Memur"), QStringLiteral("A"),
                                            QStringLiteral("1")));
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
    }
    void cleanup()
    {
        ana.reset();
        Veritabanı.Kapat();
        ortam.reset();
    }

    void dosyaGitti_data()
    {
        QTest::addColumn<bool>("yerineBaşkası");
        QTest::newRow("silindi") << false;
        QTest::newRow("yerine metin dosyası") << true;
    }
    void dosyaGitti()
    {
        QFETCH(bool, yerineBaşkası);
        const QString yol = ortam->VeritabanıYolu();
        QVERIFY(Ekle(QStringLiteral("2"), QStringLiteral("b")));
        QStringList siciller;
        QCOMPARE(Denetle(yol, &siciller), QStringLiteral("ok"));
        QCOMPARE(siciller, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

        const QByteArray başkası = "bir veritabanı değil\n";
        QVERIFY(QFile::remove(yol));
        QFile yeni(yol);
        if (yerineBaşkası && (!yeni.open(QIODevice::WriteOnly) || !yeni.write(başkası)))
            QFAIL("yerine dosya yazılamadı");
        yeni.close();

        ortam->yanıtlar.push_back(Yanıt::Evet);
        QVERIFY(!Ekle(QStringLiteral("3"), QStringLiteral("c")));
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 3027")));
        QVERIFY(!ortam->bitişKodu);

        // Reading goes on from the file the program opened.
        auto* servis = D<QComboBox>(ana.get(), "ServisSeçKutusu");
        servis->setFocus();
        QTest::keyClick(servis, Qt::Key_Home);
        QCOMPARE(servis->currentText(), QStringLiteral("Tümü"));
        QCOMPARE(D<QListWidget>(ana.get(), "PersonelListesi")->count(), 2);
        QTest::keyClick(servis, Qt::Key_End);
        QCOMPARE(servis->currentText(), QStringLiteral("B"));
        QCOMPARE(D<QListWidget>(ana.get(), "PersonelListesi")->count(), 1);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(!ortam->bitişKodu);

        ana.reset();
        Veritabanı.Kapat();
        QCOMPARE(QFile::exists(yol), yerineBaşkası);
        if (yerineBaşkası && yeni.open(QIODevice::ReadOnly))
            QCOMPARE(yeni.readAll(), başkası);
        QVERIFY(!QFile::exists(yol + QStringLiteral("-journal")));
        QCOMPARE(Denetle(ortam->YedekYolu()), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestDosyaKaybi)
#include "TestDosyaKaybı.moc"
