// The holiday calendar driven as a user drives it: opened the way the main window opens it,
// worked with real mouse clicks and keys, checked on the screen and in the database file.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "destek/TestTekerleği.h"
#include "forms/TatilTarihleriFormu.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

namespace {
const QColor SıradanGün(0, 0, 192);
const QColor KoyuKırmızı(192, 0, 0);

QString Ad(const char* ad)
{
    return QString::fromUtf8(ad);
}

// A test's database and the dialog opened on it.
struct Takvim
{
    TestOrtamı ortam;
    std::unique_ptr<TatilTarihleriFormu> form;

    Takvim() { ortam.VeritabanınıAç(); }

    // As the main window does it: the month's first day, a fresh dialog, its list, shown.
    bool Aç(int yıl, int ay)
    {
        SeçilenTarih = QDate(yıl, ay, 1);
        form = std::make_unique<TatilTarihleriFormu>();
        form->TatilTarihleriniListele();
        form->show();
        return QTest::qWaitForWindowActive(form.get());
    }
    template <class T = QWidget> T* Bul(const QString& ad) const { return form->findChild<T*>(ad); }
    QLabel* Hücre(int no) const { return Bul<QLabel>(Ad("GünEtiketi") + QString::number(no)); }
    QListWidget* Liste() const { return Bul<QListWidget>(Ad("TatilTarihleriListesi")); }
    QListWidget* Aylar() const { return Bul<QListWidget>(Ad("AyKutusu")); }
    DüğmeliKutu* Yıl() const { return Bul<DüğmeliKutu>(Ad("YılKutusu")); }
    QWidget* Altlık() const { return Bul(Ad("Altlık")); }
    void Tıkla(const char* düğme) const
    {
        QTest::mouseClick(Bul<QPushButton>(Ad(düğme)), Qt::LeftButton);
    }
    void Tıkla(int hücre) const { QTest::mouseClick(Hücre(hücre), Qt::LeftButton); }
    void Tuş(Qt::Key tuş) const { QTest::keyClick(QApplication::focusWidget(), tuş); }
    void ListedeSeç(QListWidget* liste, int satır) const
    {
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(satır)).center());
    }

    QStringList Listelenen() const
    {
        QStringList metinler;
        for (int i = 0; i < Liste()->count(); ++i)
            metinler << Liste()->item(i)->text();
        return metinler;
    }
    bool Görünüm(int hücre, const QColor& renk, bool kalın) const
    {
        return Hücre(hücre)->palette().color(QPalette::WindowText) == renk &&
               Hücre(hücre)->font().bold() == kalın;
    }
    QStringList Kayıtlı() const
    {
        QStringList tarihler;
        SonuçKümesi k = Veritabanı.KayıtKümesiAç(
            Ad("SELECT TatilTarihi FROM TatilTarihleriTablosu ORDER BY TatilTarihi"));
        for (; !k.EOF_(); k.SonrakineGeç())
            tarihler << k.Alan(0).toString();
        return tarihler;
    }
    void Kaydet(const QString& değer) const
    {
        Veritabanı.Çalıştır(Ad("INSERT INTO TatilTarihleriTablosu VALUES (") + değer + Ad(")"));
    }
};
} // namespace

class TestTatilTarihleri : public QObject
{
    Q_OBJECT

private Q_SLOTS: // moc reads slot names in ASCII only
    void init() { QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey)); }

    void acilistaAralik2030BirindeSecili()
    {
        Takvim t;
        QVERIFY(t.Aç(2030, 12));
        QCOMPARE(int(t.Yıl()->Value()), 2030);
        QCOMPARE(t.Aylar()->currentItem()->text(), Ad("Aralık"));
        QCOMPARE(SeçilenTarih, QDate(2030, 12, 1));
        QCOMPARE(t.Bul<QLabel>(Ad("SeçilenTarihEtiketi"))->text(), Ad("1 Aralık 2030 Pazar"));
        QCOMPARE(t.Bul(Ad("SeçilenTarihÇerçevesi"))->pos(), t.Hücre(6)->pos() - QPoint(0, 5));
        QCOMPARE(QApplication::focusWidget(), t.Yıl()->DeğerKutusu());
        QCOMPARE(t.Bul<QLabel>(Ad("Etiket0"))->palette().color(QPalette::WindowText), VurguRengi);
        // Enter moves on from the year box and then presses nothing: there is no default button.
        t.Tuş(Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), t.Aylar());
        t.Tuş(Qt::Key_Return);
        QCOMPARE(SeçilenTarih, QDate(2030, 12, 1));
        QVERIFY(t.Kayıtlı().isEmpty());
        QTest::keyClick(t.form.get(), Qt::Key_Y, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), t.Yıl()->DeğerKutusu());
        QTest::keyClick(t.form.get(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), t.Liste());
        t.Tuş(Qt::Key_Escape);
        QVERIFY(!t.form->isVisible());
    }

    void ayinIlkGunuVeUzunlugu_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("ilkHücre");
        QTest::addColumn<int>("günSayısı");
        QTest::newRow("Pazartesi başlayan") << 2024 << 1 << 0 << 31;
        QTest::newRow("Pazar başlayan 31 gün") << 2023 << 10 << 6 << 31;
        QTest::newRow("artık yıl şubatı") << 2024 << 2 << 3 << 29;
        QTest::newRow("şubat") << 2023 << 2 << 2 << 28;
    }
    void ayinIlkGunuVeUzunlugu()
    {
        QFETCH(int, yıl);
        QFETCH(int, ay);
        QFETCH(int, ilkHücre);
        QFETCH(int, günSayısı);
        Takvim t;
        QVERIFY(t.Aç(yıl, ay));
        for (int i = 0; i < 37; ++i) {
            const int gün = i - ilkHücre + 1;
            QCOMPARE(t.Hücre(i)->text(),
                     gün >= 1 && gün <= günSayısı ? QString::number(gün) : QString());
            const bool haftaSonu = i < 35 && i % 7 >= 5;
            QVERIFY(t.Görünüm(i, haftaSonu ? KoyuKırmızı : SıradanGün, haftaSonu));
        }
        t.Tıkla(ilkHücre + günSayısı - 1);
        QCOMPARE(SeçilenTarih, QDate(yıl, ay, günSayısı));
        for (int boş : {ilkHücre - 1, ilkHücre + günSayısı})
            if (boş >= 0 && boş <= 36)
                t.Tıkla(boş);
        QCOMPARE(SeçilenTarih, QDate(yıl, ay, günSayısı));
    }

    void otuzBirdenOtuzGunlukAyaBirinciGun()
    {
        Takvim t;
        QVERIFY(t.Aç(2024, 1));
        t.Tıkla(30);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 31));
        t.ListedeSeç(t.Aylar(), 3);
        QCOMPARE(SeçilenTarih, QDate(2024, 4, 1));
        QCOMPARE(t.Bul<QLabel>(Ad("SeçilenTarihEtiketi"))->text(), Ad("1 Nisan 2024 Pazartesi"));
        QCOMPARE(t.Hücre(29)->text(), Ad("30"));
        QCOMPARE(QApplication::focusWidget(), t.Aylar());
        QCOMPARE(t.Bul<QLabel>(Ad("Etiket1"))->palette().color(QPalette::WindowText), VurguRengi);
        t.Tuş(Qt::Key_Down);
        QCOMPARE(SeçilenTarih, QDate(2024, 5, 1));
        QCOMPARE(t.Hücre(2)->text(), Ad("1"));
        QCOMPARE(QApplication::focusWidget(), t.Aylar());
    }

    void okTuslariAyinDisinaCikmaz()
    {
        Takvim t;
        QVERIFY(t.Aç(2024, 1)); // 1 January a Monday, in cell 0; 31 January in cell 30
        t.Tıkla(0);
        for (Qt::Key tuş : {Qt::Key_Left, Qt::Key_Up})
            t.Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 1));
        t.Tuş(Qt::Key_Right);
        t.Tuş(Qt::Key_Down);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 9));
        t.Tuş(Qt::Key_Up);
        t.Tuş(Qt::Key_Up);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 2));
        t.Tıkla(30);
        for (Qt::Key tuş : {Qt::Key_Right, Qt::Key_Down})
            t.Tuş(tuş);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 31));
        t.Tıkla(24);
        t.Tuş(Qt::Key_Down);
        QCOMPARE(SeçilenTarih, QDate(2024, 1, 25));
        QCOMPARE(t.Bul(Ad("SeçilenTarihÇerçevesi"))->x(), t.Hücre(24)->x());
    }

    void eklemeVeCikarma()
    {
        Takvim t;
        QVERIFY(t.Aç(2024, 6)); // 1 June a Saturday in cell 5, 2 June a Sunday in cell 6
        t.Tıkla(6);
        t.Tıkla("ListeyeEkleDüğmesi");
        QCOMPARE(t.ortam.gösterilen.size(), size_t(1));
        QCOMPARE(t.ortam.gösterilen[0].metin, Ad("PAZAR günü tatil günü olarak belirlenemez!"));
        QVERIFY(t.ortam.gösterilen[0].simge == MesajSimgesi::Ünlem);
        QVERIFY(t.Kayıtlı().isEmpty());
        QCOMPARE(QApplication::focusWidget(), t.Altlık());

        t.Tıkla(5);
        t.Tıkla("ListeyeEkleDüğmesi");
        QCOMPARE(t.Kayıtlı(), QStringList{Ad("2024-06-01")});
        QCOMPARE(t.Listelenen(), QStringList{Ad("1.06.2024")});
        QVERIFY(t.Görünüm(5, KoyuKırmızı, true));

        t.Tıkla("ListeyeEkleDüğmesi");
        QCOMPARE(t.ortam.gösterilen.back().metin, Ad("Bu tarih listeye EKLENMİŞ!"));
        QCOMPARE(t.Listelenen(), QStringList{Ad("1.06.2024")});
        QCOMPARE(t.Kayıtlı(), QStringList{Ad("2024-06-01")});

        t.Tıkla(16); // Wednesday 12 June
        QTest::keyClick(t.form.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_COMPARE(t.Listelenen(), (QStringList{Ad("1.06.2024"), Ad("12.06.2024")}));
        QVERIFY(t.Görünüm(16, KoyuKırmızı, true));

        t.ListedeSeç(t.Liste(), 1);
        t.ortam.yanıtlar.push_back(Yanıt::Hayır);
        t.Tıkla("ListedenÇıkarDüğmesi");
        const Mesaj soru = t.ortam.gösterilen.back();
        QCOMPARE(soru.metin, Ad("12.06.2024 tarihli tatili SİLMEK istediğinizden emin misiniz?"));
        QVERIFY(soru.düğmeler == MesajDüğmeleri::EvetHayır && soru.varsayılan == Yanıt::Hayır);
        QVERIFY(soru.simge == MesajSimgesi::Soru);
        QCOMPARE(t.Kayıtlı().size(), qsizetype(2));

        t.ortam.yanıtlar.push_back(Yanıt::Evet);
        t.Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(t.Kayıtlı(), QStringList{Ad("2024-06-01")});
        QVERIFY(t.Görünüm(16, SıradanGün, false));
        QCOMPARE(SeçilenTarih, QDate(2024, 6, 12));
        QVERIFY(t.Liste()->selectedItems().isEmpty());
        QCOMPARE(QApplication::focusWidget(), t.Altlık());

        const size_t sorulan = t.ortam.gösterilen.size();
        t.Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(t.ortam.gösterilen.size(), sorulan);
        // By the keyboard: the list takes the focus selecting nothing, Home selects the first.
        QTest::keyClick(t.form.get(), Qt::Key_T, Qt::AltModifier);
        QVERIFY(!t.Liste()->currentItem());
        t.Tuş(Qt::Key_Home);
        t.ortam.yanıtlar.push_back(Yanıt::Evet);
        QTest::keyClick(t.form.get(), Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(t.Kayıtlı().isEmpty());
        QVERIFY(t.Görünüm(5, KoyuKırmızı, true));
    }

    void buguneGit()
    {
        Takvim t;
        t.ortam.SaatiAyarla(QDateTime(QDate(2031, 3, 15), QTime(10, 0)));
        t.Kaydet(Ad("#3/20/2031#"));
        QVERIFY(t.Aç(2024, 6));
        t.Tıkla("BugüneGitDüğmesi");
        QCOMPARE(int(t.Yıl()->Value()), 2031);
        QCOMPARE(t.Aylar()->currentRow(), 2);
        QCOMPARE(SeçilenTarih, QDate(2031, 3, 15));
        QCOMPARE(t.Bul(Ad("SeçilenTarihÇerçevesi"))->x(), t.Hücre(19)->x());
        QCOMPARE(t.Listelenen(), QStringList{Ad("20.03.2031")});
        QVERIFY(t.Görünüm(24, KoyuKırmızı, true));
    }

    void yilKullanicidanDegisir()
    {
        Takvim t;
        QVERIFY(t.Aç(2030, 12));
        // The wheel over the arrows of the year box without the focus turns nothing: the day
        // then picked is one of the month on show.
        t.Tıkla(6);
        TekerleğiÇevir(t.Yıl()->DeğerDeğiştirDüğmesi(), 1);
        t.Tıkla(9);
        QCOMPARE(SeçilenTarih, QDate(2030, 12, 4));
        QLineEdit* alan = t.Yıl()->DeğerKutusu();
        QScrollBar* oklar = t.Yıl()->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(oklar, Qt::LeftButton, {}, QPoint(oklar->width() / 2, 2));
        QCOMPARE(int(t.Yıl()->Value()), 2031);
        QCOMPARE(t.Hücre(0)->text(), Ad("1")); // 1 December 2031 is a Monday
        QCOMPARE(QApplication::focusWidget(), alan);
        QCOMPARE(t.Bul<QLabel>(Ad("Etiket0"))->palette().color(QPalette::WindowText), VurguRengi);
        alan->selectAll();
        for (char rakam : QByteArray("2032")) {
            QTest::keyClick(alan, rakam);
            QCOMPARE(QApplication::focusWidget(), alan);
        }
        QVERIFY(t.ortam.gösterilen.empty());
        QCOMPARE(int(t.Yıl()->Value()), 2032);
        QCOMPARE(t.Hücre(2)->text(), Ad("1"));
        QCOMPARE(SeçilenTarih, QDate(2032, 12, 4));
        t.Tıkla(3);
        QCOMPARE(t.Bul<QLabel>(Ad("Etiket0"))->palette().color(QPalette::WindowText),
                 t.form->palette().color(QPalette::WindowText));
    }

    // A short date form with a two-digit year would read 12/3/30 back as 1930.
    void kisaTarihBicimiGeriOkunmaz()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Takvim t;
        t.Kaydet(Ad("#12/3/1930#"));
        t.Kaydet(Ad("#12/3/2030#"));
        QVERIFY(t.Aç(2030, 12));
        QCOMPARE(t.Aylar()->currentItem()->text(), Ad("December"));
        QCOMPARE(t.Listelenen(), QStringList{Ad("12/3/30")});
        t.ListedeSeç(t.Liste(), 0);
        t.ortam.yanıtlar.push_back(Yanıt::Evet);
        t.Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(t.Kayıtlı(), QStringList{Ad("1930-12-03")});
    }

    // Dates of the neighbouring months and rows the month cannot show: only the month's own
    // holidays are listed and marked, and removing one leaves every other row as it was.
    void yalnizcaAyinTatilleri()
    {
        Takvim t;
        for (const char* değer : {"'2024-04-30'", "'2024-06-01'", "'1999-12-31'", "'2051-01-01'",
                                  "'abc'", "'2024-05-1'", "'2024-05-10'"})
            t.Kaydet(Ad(değer));
        QVERIFY(t.Aç(2024, 5)); // 1 May in cell 2, 30 May in cell 31
        QVERIFY(t.ortam.gösterilen.empty());
        QCOMPARE(t.Listelenen(), QStringList{Ad("10.05.2024")});
        QVERIFY(t.Görünüm(2, SıradanGün, false));
        QVERIFY(t.Görünüm(31, SıradanGün, false));
        t.ListedeSeç(t.Liste(), 0);
        t.ortam.yanıtlar.push_back(Yanıt::Evet);
        t.Tıkla("ListedenÇıkarDüğmesi");
        QCOMPARE(t.Kayıtlı(), (QStringList{Ad("1999-12-31"), Ad("2024-04-30"), Ad("2024-05-1"),
                                           Ad("2024-06-01"), Ad("2051-01-01"), Ad("abc")}));
    }
};

QTEST_MAIN(TestTatilTarihleri)
#include "TestTatilTarihleri.moc"
