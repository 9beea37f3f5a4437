// The working-hours dialog driven through its real widgets, checked against Tsr.vtb.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/MesaiSüresiBelirlemeFormu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <sqlite3.h>

class MesaiSuresiTesti : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void kapatmakHicbirSeyYazmaz();
    void degistirmekKaydetiAcar();
    void kaydetIkiSutunuYazipKapatir();
    void aralikDisiRakamSinirdaKaydedilir();
    void yuklemeHatasi();
    void yazilamayanKayitPencereyiAcikTutar();

private:
    std::unique_ptr<MesaiSüresiBelirlemeFormu> Aç();
    template <class T = QPushButton> T* Bul(const char* ad) const
    {
        return form->findChild<T*>(QString::fromUtf8(ad));
    }
    DüğmeliKutu* HaftaİçiKutusu() const { return Bul<DüğmeliKutu>("HaftaİçiSüresiKutusu"); }
    DüğmeliKutu* HaftaSonuKutusu() const { return Bul<DüğmeliKutu>("HaftaSonuSüresiKutusu"); }
    bool KaydetAçık() const { return Bul("KaydetDüğmesi")->isEnabled(); }
    static QPair<int, int> SaklıSüreler();
    static int YazılanSatırlar() { return sqlite3_total_changes(Veritabanı.Tutamaç()); }
    static void Yaz(QLineEdit* alan, const QString& metin);

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> sahip;
    MesaiSüresiBelirlemeFormu* form = nullptr;
};

void MesaiSuresiTesti::init()
{
    ortam = std::make_unique<TestOrtamı>();
    ortam->VeritabanınıAç();
    ortam->Çalıştır(
        QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = 7, HaftaSonuSuresi = 4"));
    sahip = std::make_unique<QWidget>();
}

void MesaiSuresiTesti::cleanup()
{
    sahip.reset();
    ortam.reset();
}

std::unique_ptr<MesaiSüresiBelirlemeFormu> MesaiSuresiTesti::Aç()
{
    auto yeni = std::make_unique<MesaiSüresiBelirlemeFormu>(sahip.get());
    form = yeni.get();
    yeni->show();
    if (!QTest::qWaitForWindowActive(yeni.get()))
        qFatal("the dialog did not become active");
    return yeni;
}

QPair<int, int> MesaiSuresiTesti::SaklıSüreler()
{
    SonuçKümesi küme = Veritabanı.KayıtKümesiAç(
        QStringLiteral("SELECT HaftaIciSuresi, HaftaSonuSuresi FROM MesaiSüreleriTablosu"));
    const QPair<int, int> süreler{küme.Alan(0).toInt(), küme.Alan(1).toInt()};
    küme.SonrakineGeç();
    if (!küme.EOF_())
        qFatal("MesaiSüreleriTablosu holds more than one row");
    return süreler;
}

// Replaces the one-character text of a focused hours field the way a user does: Backspace, digit.
void MesaiSuresiTesti::Yaz(QLineEdit* alan, const QString& metin)
{
    QTest::keyClick(alan, Qt::Key_End);
    QTest::keyClick(alan, Qt::Key_Backspace);
    QTest::keyClicks(alan, metin);
}

// Walking through the fields and closing, or Esc after a change, writes nothing.
void MesaiSuresiTesti::kapatmakHicbirSeyYazmaz()
{
    const int önce = YazılanSatırlar();
    {
        auto pencere = Aç();
        QCOMPARE(HaftaİçiKutusu()->Text(), QStringLiteral("7"));
        QCOMPARE(HaftaSonuKutusu()->Text(), QStringLiteral("4"));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(!KaydetAçık());
        QTest::mouseClick(Bul("KapatDüğmesi"), Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }
    auto pencere = Aç();
    Yaz(HaftaİçiKutusu()->DeğerKutusu(), QStringLiteral("2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QCOMPARE(YazılanSatırlar(), önce);
    QCOMPARE(SaklıSüreler(), qMakePair(7, 4));
}

// Typing, an Up key or an arrow clicked while a button has the focus: each change is the
// user's and enables "Kaydet", which stays enabled back at the stored value.
void MesaiSuresiTesti::degistirmekKaydetiAcar()
{
    {
        auto pencere = Aç();
        QLineEdit* alan = HaftaİçiKutusu()->DeğerKutusu();
        Yaz(alan, QStringLiteral("5"));
        QVERIFY(KaydetAçık());
        Yaz(alan, QStringLiteral("7"));
        QVERIFY(KaydetAçık());
    }
    {
        auto pencere = Aç();
        QTest::keyClick(HaftaİçiKutusu()->DeğerKutusu(), Qt::Key_Tab);
        QTest::keyClick(HaftaSonuKutusu()->DeğerKutusu(), Qt::Key_Up);
        QCOMPARE(HaftaSonuKutusu()->Value(), qint16(5));
        QVERIFY(KaydetAçık());
    }
    auto pencere = Aç();
    QTest::keyClick(HaftaİçiKutusu()->DeğerKutusu(), Qt::Key_Tab);
    QTest::keyClick(HaftaSonuKutusu()->DeğerKutusu(), Qt::Key_Tab);
    QScrollBar* oklar = HaftaİçiKutusu()->DeğerDeğiştirDüğmesi();
    QTest::mouseClick(oklar, Qt::LeftButton, {}, QPoint(oklar->width() / 2, 3));
    QCOMPARE(HaftaİçiKutusu()->Value(), qint16(8));
    QVERIFY(KaydetAçık());
}

void MesaiSuresiTesti::kaydetIkiSutunuYazipKapatir()
{
    // The stored weekend value is one the dialog never showed: saving must write the box's.
    auto pencere = Aç();
    ortam->Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaSonuSuresi = 2"));
    Yaz(HaftaİçiKutusu()->DeğerKutusu(), QStringLiteral("6"));
    QTest::mouseClick(Bul("KaydetDüğmesi"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(SaklıSüreler(), qMakePair(6, 4));
    QVERIFY(ortam->gösterilen.empty());

    // The next opening shows what was saved.
    auto sonraki = Aç();
    QCOMPARE(HaftaİçiKutusu()->Text(), QStringLiteral("6"));
    QVERIFY(!KaydetAçık());
}

// A digit out of the bounds is refused on leaving; the bound it is set to is what is saved.
void MesaiSuresiTesti::aralikDisiRakamSinirdaKaydedilir()
{
    auto pencere = Aç();
    QLineEdit* alan = HaftaİçiKutusu()->DeğerKutusu();
    Yaz(alan, QStringLiteral("9"));
    QTest::keyClick(alan, Qt::Key_Tab);
    QCOMPARE(ortam->gösterilen.size(), size_t(1));
    QCOMPARE(ortam->gösterilen[0].metin,
             QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!"));
    QVERIFY(alan->hasFocus());
    QTest::mouseClick(Bul("KaydetDüğmesi"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(SaklıSüreler(), qMakePair(8, 4));
}

// A stored value the boxes cannot take is reported; the other one is still shown, and the
// dialog opens unchanged.
void MesaiSuresiTesti::yuklemeHatasi()
{
    ortam->Çalıştır(QStringLiteral("UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = 9"));
    auto pencere = Aç();
    QCOMPARE(ortam->gösterilen.size(), size_t(1));
    QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 380")));
    QCOMPARE(HaftaİçiKutusu()->Text(), QStringLiteral("1"));
    QCOMPARE(HaftaSonuKutusu()->Text(), QStringLiteral("4"));
    QVERIFY(!KaydetAçık());
}

void MesaiSuresiTesti::yazilamayanKayitPencereyiAcikTutar()
{
    QVERIFY(ortam->VeritabanınıSaltOkunurYap());
    auto pencere = Aç();
    Yaz(HaftaİçiKutusu()->DeğerKutusu(), QStringLiteral("3"));
    ortam->yanıtlar.push_back(Yanıt::Evet);
    QTest::mouseClick(Bul("KaydetDüğmesi"), Qt::LeftButton);

    QCOMPARE(ortam->gösterilen.size(), size_t(1));
    QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
    QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 3027")));
    QVERIFY(!ortam->bitişKodu);
    QVERIFY(form->isVisible());
    QCOMPARE(HaftaİçiKutusu()->Text(), QStringLiteral("3"));
    QCOMPARE(HaftaSonuKutusu()->Text(), QStringLiteral("4"));
    QVERIFY(KaydetAçık());
    QCOMPARE(SaklıSüreler(), qMakePair(7, 4));
}

QTEST_MAIN(MesaiSuresiTesti)
#include "TestMesaiSüresiBelirlemeFormu.moc"
