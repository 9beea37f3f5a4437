// The holiday calendar opened as the main window opens it, driven by real clicks and keys.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/Girdiler.h"
#include "destek/TestOrtamı.h"
#include "forms/TatilTarihleriFormu.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestTatilTarihleri : public QObject
{
    Q_OBJECT

    TestOrtamı ortam;
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
        QTest::mouseClick(Bul<QLabel>(qPrintable(u"GünEtiketi%1"_s.arg(no))), Qt::LeftButton);
    }
    void Tıkla(const char* düğme) { QTest::mouseClick(Bul<QPushButton>(düğme), Qt::LeftButton); }
    QString Liste() // the list's dates, each after a '/'
    {
        QString s;
        auto* liste = Bul("TatilTarihleriListesi");
        for (int i = 0; i < liste->count(); ++i)
            s += u'/' + liste->item(i)->text();
        return s;
    }

private Q_SLOTS: // moc reads slot names in ASCII only
    // Clicks and arrows pick days within the month; Sunday is refused, a date taken once; the
    // context menu adds a year's official holidays and says what was left out, line by line.
    void tatilTarihleri()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        ortam.VeritabanınıAç();
        ortam.Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES ('2024-01-31'), "
                       u"('2024-02-01'), ('2026-01-01'), ('2026-03-21'), ('abc')"_s);
        Aç(2024, 1); // 6 January a Saturday in cell 5, 7 January a Sunday in cell 6
        Hücre(0);
        for (Qt::Key tuş :
             {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Up})
            QTest::keyClick(QApplication::focusWidget(), tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 9));
        Hücre(30);
        Hücre(31);
        for (Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 31));
        QCOMPARE(Bul<QLabel>("SeçilenTarihEtiketi")->text(), u"31 Ocak 2024 Çarşamba"_s);
        for (int hücre : {6, 5, 5}) {
            Hücre(hücre);
            Tıkla("ListeyeEkleDüğmesi");
            QVERIFY(hücre != 6 || QApplication::focusWidget()->objectName() == u"Altlık");
        }
        Hücre(15);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(Liste(), u"/6.01.2024/16.01.2024/31.01.2024"_s);
        QVERIFY(Bul<QLabel>("GünEtiketi15")->font().bold()); // marked at once
        Bul("TatilTarihleriListesi")->setCurrentRow(1);
        ortam.yanıtlar = {Yanıt::Evet};
        Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(Liste(), u"/6.01.2024/31.01.2024"_s);
        QVERIFY(!Bul<QLabel>("GünEtiketi15")->font().bold()); // no longer marked
        Aç(2026, 3);
        QCOMPARE(MenüdenSeç(Bul("TatilTarihleriListesi")),
                 u"2026 Yılının Resmî Tatillerini Ekle"_s);
        QTRY_VERIFY(!form->findChild<QMenu*>()); // the closed menu is gone
        QCOMPARE(Liste(), u"/20.03.2026/21.03.2026"_s);
        QStringList metinler;
        for (const Mesaj& m : ortam.gösterilen)
            metinler << m.metin;
        QCOMPARE(metinler.join(u'|'),
                 u"PAZAR günü tatil günü olarak belirlenemez!|Bu tarih listeye "
                 u"EKLENMİŞ!|16.01.2024 tarihli tatili SİLMEK istediğinizden emin "
                 u"misiniz?|2026 yılının resmî tatillerinden 10 gün listeye eklendi.\nListede "
                 u"yalnızca Mart ayının tatilleri görünür; diğer aylar için ayı seçiniz.\n"
                 u"Listede zaten olduğu için eklenmeyen: 1.01.2026, "
                 u"21.03.2026\nPAZAR gününe denk geldiği için eklenmeyen: "
                 u"22.03.2026, 30.08.2026\nYarım gün (öğleden sonra) olduğu için "
                 u"eklenmeyen: 19.03.2026, 26.05.2026, 28.10.2026"_s);
        Bul("TatilTarihleriListesi")->setCurrentRow(0); // a failed deletion leaves it listed
        ortam.Çalıştır(u"ALTER TABLE TatilTarihleriTablosu RENAME TO Eski"_s);
        ortam.yanıtlar = {Yanıt::Evet, Yanıt::Evet};
        Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(Liste(), u"/20.03.2026/21.03.2026"_s);
        ortam.Çalıştır(u"ALTER TABLE Eski RENAME TO TatilTarihleriTablosu"_s);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        Bul<DüğmeliKutu>("YılKutusu")->DeğerKutusu()->setFocus(); // a year back, a month back
        for (Qt::Key tuş : {Qt::Key_Down, Qt::Key_Tab, Qt::Key_Up})
            QTest::keyClick(form->focusWidget(), tuş);
        QCOMPARE(Bul<QLabel>("Etiket1")->palette().color(QPalette::WindowText), VurguRengi);
        QCOMPARE(Bul<QLabel>("Etiket0")->palette().windowText(), form->palette().windowText());
        for (int i = 0; i < 2; ++i) // none of the days added in February, then none added at all
            MenüdenSeç(Bul("TatilTarihleriListesi"));
        QVERIFY(ortam.gösterilen.end()[-2].metin.contains(u"Listede yalnızca Şubat ayının"_s));
        QVERIFY(!ortam.gösterilen.back().metin.contains(u"Listede yalnızca"_s));
        ortam.SaatiAyarla(QDateTime(QDate(2024, 5, 15), QTime(9, 0)));
        Tıkla("BugüneGitDüğmesi");
        QCOMPARE(Bul("AyKutusu")->currentRow(), 4);
        QCOMPARE(Bul("AyKutusu")->count(), 12);
        QCOMPARE(SeçilenTarih, QDate(2024, 5, 15));
        Tıkla("KapatDüğmesi");
        QVERIFY(!form->isVisible());
    }
};

QTEST_MAIN(TestTatilTarihleri)
#include "TestTatilTarihleri.moc"
