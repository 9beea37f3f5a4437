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
    void degisiklikYoksaHicbirSeyYazilmaz();
    void yazarakDegistirmekKaydetiAcar();
    void oklarlaDegistirmekKaydetiAcar();
    void kaydetIkiSutunuYazipKapatir();
    void escDegisikligiYazmaz();
    void sekmeSirasiVeErisimTuslari();
    void aralikDisiRakamUyariVerir_data();
    void aralikDisiRakamUyariVerir();
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

void MesaiSuresiTesti::degisiklikYoksaHicbirSeyYazilmaz()
{
    const int önce = YazılanSatırlar();
    auto pencere = Aç();
    QCOMPARE(form->windowTitle(), QStringLiteral("Mesai Süresi Belirleme"));
    QCOMPARE(HaftaİçiKutusu()->Text(), QStringLiteral("7"));
    QCOMPARE(HaftaSonuKutusu()->Text(), QStringLiteral("4"));
    QVERIFY(!KaydetAçık());

    // Walking through the fields changes nothing the user typed.
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!KaydetAçık());

    QTest::mouseClick(Bul("KapatDüğmesi"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(YazılanSatırlar(), önce);
    QCOMPARE(SaklıSüreler(), qMakePair(7, 4));
}

void MesaiSuresiTesti::yazarakDegistirmekKaydetiAcar()
{
    auto pencere = Aç();
    QLineEdit* alan = HaftaİçiKutusu()->DeğerKutusu();
    QVERIFY(alan->hasFocus());
    Yaz(alan, QStringLiteral("5"));
    QCOMPARE(HaftaİçiKutusu()->Value(), qint16(5));
    QVERIFY(KaydetAçık());

    // Back to the stored value: the button stays enabled.
    Yaz(alan, QStringLiteral("7"));
    QVERIFY(KaydetAçık());

    // Only one character fits.
    QTest::keyClicks(alan, QStringLiteral("3"));
    QCOMPARE(alan->text(), QStringLiteral("7"));
}

void MesaiSuresiTesti::oklarlaDegistirmekKaydetiAcar()
{
    {
        auto pencere = Aç();
        QTest::keyClick(HaftaİçiKutusu()->DeğerKutusu(), Qt::Key_Tab);
        QTest::keyClick(HaftaSonuKutusu()->DeğerKutusu(), Qt::Key_Up);
        QCOMPARE(HaftaSonuKutusu()->Value(), qint16(5));
        QVERIFY(KaydetAçık());
    }
    // An arrow clicked while a button has the focus: the change is still the user's.
    auto pencere = Aç();
    QTest::keyClick(HaftaİçiKutusu()->DeğerKutusu(), Qt::Key_Tab);
    QTest::keyClick(HaftaSonuKutusu()->DeğerKutusu(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Bul("KapatDüğmesi"));
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

void MesaiSuresiTesti::escDegisikligiYazmaz()
{
    const int önce = YazılanSatırlar();
    auto pencere = Aç();
    Yaz(HaftaİçiKutusu()->DeğerKutusu(), QStringLiteral("2"));
    QVERIFY(KaydetAçık());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(YazılanSatırlar(), önce);
    QCOMPARE(SaklıSüreler(), qMakePair(7, 4));
}

void MesaiSuresiTesti::sekmeSirasiVeErisimTuslari()
{
    auto pencere = Aç();
    QTest::keyClick(form, Qt::Key_S, Qt::AltModifier);
    QVERIFY(HaftaSonuKutusu()->DeğerKutusu()->hasFocus());
    QTest::keyClick(form, Qt::Key_H, Qt::AltModifier);
    QVERIFY(HaftaİçiKutusu()->DeğerKutusu()->hasFocus());

    Yaz(HaftaİçiKutusu()->DeğerKutusu(), QStringLiteral("6"));
    const QList<QWidget*> sıra{HaftaSonuKutusu()->DeğerKutusu(), Bul("KaydetDüğmesi"),
                               Bul("KapatDüğmesi"), HaftaİçiKutusu()->DeğerKutusu()};
    for (QWidget* sonraki : sıra) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), sonraki);
    }
}

void MesaiSuresiTesti::aralikDisiRakamUyariVerir_data()
{
    QTest::addColumn<QString>("rakam");
    QTest::addColumn<int>("değer");
    QTest::newRow("0") << QStringLiteral("0") << 1;
    QTest::newRow("9") << QStringLiteral("9") << 8;
}

void MesaiSuresiTesti::aralikDisiRakamUyariVerir()
{
    QFETCH(QString, rakam);
    QFETCH(int, değer);
    auto pencere = Aç();
    QLineEdit* alan = HaftaİçiKutusu()->DeğerKutusu();
    Yaz(alan, rakam);
    QTest::keyClick(alan, Qt::Key_Tab);
    QCOMPARE(ortam->gösterilen.size(), size_t(1));
    QCOMPARE(ortam->gösterilen[0].metin,
             QStringLiteral("Belirlediğiniz değer, 1 ile 8 arasında olmalıdır!"));
    QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hatalı değer!"));
    QVERIFY(alan->hasFocus());
    QCOMPARE(HaftaİçiKutusu()->Value(), qint16(değer));

    QTest::mouseClick(Bul("KaydetDüğmesi"), Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QCOMPARE(SaklıSüreler(), qMakePair(değer, 4));
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
