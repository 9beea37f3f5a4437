// The institution name dialog driven through its real widgets, checked against Tsr.vtb and
// KurumAdı.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "data/Veritabanı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/KurumBilgisiGirişiFormu.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class KurumBilgisiTesti : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void duzeltmeVeEnAzBesKarakter_data();
    void duzeltmeVeEnAzBesKarakter();
    void ilkKayitEklerSonrakilerDuzenler();
    void vazgecEskiAdiKorur();
    void vurguVeKutununSiniri();
    void baglamMenusundenYapistirma();
    void yazilamayanKayitPencereyiAcikTutar_data();
    void yazilamayanKayitPencereyiAcikTutar();

private:
    std::unique_ptr<KurumBilgisiGirişiFormu> Aç();
    QPlainTextEdit* Kutu() const;
    QPushButton* Düğme(const char* ad) const;
    static QStringList SaklıAdlar();
    void AdıYazıpAyrıl(const QString& metin);

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<QWidget> sahip;
    KurumBilgisiGirişiFormu* form = nullptr;
};

const QString BoyutUyarısı = QStringLiteral("Kurum bilgisinin en az 5 karakter olması gerekiyor!");

void KurumBilgisiTesti::init()
{
    ortam = std::make_unique<TestOrtamı>();
    ortam->VeritabanınıAç();
    sahip = std::make_unique<QWidget>();
}

void KurumBilgisiTesti::cleanup()
{
    sahip.reset();
    ortam.reset();
}

std::unique_ptr<KurumBilgisiGirişiFormu> KurumBilgisiTesti::Aç()
{
    auto yeni = std::make_unique<KurumBilgisiGirişiFormu>(sahip.get());
    form = yeni.get();
    yeni->show();
    if (!QTest::qWaitForWindowActive(yeni.get()))
        qFatal("the dialog did not become active");
    return yeni;
}

QPlainTextEdit* KurumBilgisiTesti::Kutu() const
{
    return form->findChild<QPlainTextEdit*>(QStringLiteral("KurumBilgisiKutusu"));
}

QPushButton* KurumBilgisiTesti::Düğme(const char* ad) const
{
    return form->findChild<QPushButton*>(QString::fromUtf8(ad));
}

QStringList KurumBilgisiTesti::SaklıAdlar()
{
    QStringList adlar;
    SonuçKümesi küme =
        Veritabanı.KayıtKümesiAç(QStringLiteral("SELECT KurumAdi FROM KurumTablosu"));
    for (; !küme.EOF_(); küme.SonrakineGeç())
        adlar << küme.Alan(0).toString();
    return adlar;
}

// Types into the box, which has the focus and its whole text selected, pressing Enter for each
// line break, then tabs away.
void KurumBilgisiTesti::AdıYazıpAyrıl(const QString& metin)
{
    QVERIFY(Kutu()->hasFocus());
    KlavyedenYaz(Kutu(), metin);
    QVERIFY(form->isVisible());
    QTest::keyClick(Kutu(), Qt::Key_Tab);
    QVERIFY(!Kutu()->hasFocus());
}

void KurumBilgisiTesti::duzeltmeVeEnAzBesKarakter_data()
{
    QTest::addColumn<QString>("yazılan");
    QTest::addColumn<QString>("görünen"); // the box's text once it is left
    QTest::addColumn<bool>("kaydedilir");
    QTest::newRow("dört karakter") << QStringLiteral("abcd") << QStringLiteral("ABCD") << false;
    QTest::newRow("beş karakter") << QStringLiteral("abcde") << QStringLiteral("ABCDE") << true;
    QTest::newRow("boşluklar sayılmaz")
        << QStringLiteral("  abc  ") << QStringLiteral("ABC") << false;
    QTest::newRow("satır sonu sayılır")
        << QStringLiteral(" ab\ncd ") << QStringLiteral("AB\nCD") << true;
    QTest::newRow("türkçe harfler") << QStringLiteral("  ilçe milli eğitim müdürlüğü ")
                                    << QStringLiteral("İLÇE MİLLİ EĞİTİM MÜDÜRLÜĞÜ") << true;
    QTest::newRow("noktasız ı") << QStringLiteral("ışıklı") << QStringLiteral("IŞIKLI") << true;
    QTest::newRow("kesme işareti")
        << QStringLiteral("atatürk'ün okulu") << QStringLiteral("ATATÜRK’ÜN OKULU") << true;
}

// Saved with the access key Alt+K, which leaves the focus in the box: the text must still be
// put right before it is checked and stored.
void KurumBilgisiTesti::duzeltmeVeEnAzBesKarakter()
{
    QFETCH(QString, yazılan);
    QFETCH(QString, görünen);
    QFETCH(bool, kaydedilir);
    auto pencere = Aç();
    KlavyedenYaz(Kutu(), yazılan);
    QVERIFY(form->isVisible()); // Enter started a new line, it pressed no button
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);

    if (!kaydedilir) {
        QTRY_COMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj& mesaj = ortam->gösterilen[0];
        QCOMPARE(mesaj.metin, BoyutUyarısı);
        QCOMPARE(mesaj.simge, MesajSimgesi::Bilgi);
        QCOMPARE(mesaj.düğmeler, MesajDüğmeleri::Tamam);
        QCOMPARE(mesaj.başlık, QStringLiteral("Tessaro"));
        QVERIFY(form->isVisible());
        QVERIFY(Kutu()->hasFocus());
        QCOMPARE(Kutu()->toPlainText(), görünen);
        QVERIFY(SaklıAdlar().isEmpty());
        QVERIFY(KurumAdı.isEmpty());
    } else {
        QTRY_VERIFY(!form->isVisible());
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(SaklıAdlar(), QStringList{görünen});
        QCOMPARE(KurumAdı, görünen);
    }
}

void KurumBilgisiTesti::ilkKayitEklerSonrakilerDuzenler()
{
    auto ilk = Aç();
    AdıYazıpAyrıl(QStringLiteral("milli eğitim"));
    QTest::mouseClick(Düğme("KaydetDüğmesi"), Qt::LeftButton);
    QCOMPARE(form->result(), int(QDialog::Accepted));
    QCOMPARE(SaklıAdlar(), QStringList{QStringLiteral("MİLLİ EĞİTİM")});

    for (const QString& ad :
         {QStringLiteral("sağlık müdürlüğü"), QStringLiteral("il özel idaresi")}) {
        auto sonraki = Aç();
        QCOMPARE(Kutu()->toPlainText(), KurumAdı);
        AdıYazıpAyrıl(ad);
        QTest::mouseClick(Düğme("KaydetDüğmesi"), Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(SaklıAdlar(), QStringList{KurumAdınıDüzelt(ad)});
        QCOMPARE(KurumAdı, KurumAdınıDüzelt(ad));
    }
}

void KurumBilgisiTesti::vazgecEskiAdiKorur()
{
    ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu (KurumAdi) VALUES ('ESKİ KURUM')"));
    KurumAdı = QStringLiteral("ESKİ KURUM");
    {
        auto pencere = Aç();
        KlavyedenYaz(Kutu(), QStringLiteral("yeni kurum"));
        QTest::keyClick(Kutu(), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }
    {
        auto pencere = Aç();
        KlavyedenYaz(Kutu(), QStringLiteral("başka kurum"));
        QTest::mouseClick(Düğme("VazgeçDüğmesi"), Qt::LeftButton);
        QCOMPARE(form->result(), int(QDialog::Rejected));
    }
    QCOMPARE(KurumAdı, QStringLiteral("ESKİ KURUM"));
    QCOMPARE(SaklıAdlar(), QStringList{QStringLiteral("ESKİ KURUM")});
    auto sonraki = Aç();
    QCOMPARE(Kutu()->toPlainText(), QStringLiteral("ESKİ KURUM"));
}

void KurumBilgisiTesti::vurguVeKutununSiniri()
{
    KurumAdı = QStringLiteral("MİLLİ EĞİTİM");
    auto pencere = Aç();
    auto* etiket = form->findChild<QLabel*>(QStringLiteral("Etiket"));
    QVERIFY(Kutu()->hasFocus());
    QCOMPARE(Kutu()->textCursor().selectedText(), KurumAdı);
    QCOMPARE(etiket->palette().color(QPalette::WindowText), VurguRengi);

    // The label stays highlighted after the box is left.
    QTest::keyClick(Kutu(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Düğme("KaydetDüğmesi"));
    QCOMPARE(etiket->palette().color(QPalette::WindowText), VurguRengi);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(Kutu()->textCursor().selectedText(), KurumAdı);

    // At most 200 characters, typed or pasted.
    QTest::keyClicks(Kutu(), QString(205, QLatin1Char('a')));
    QCOMPARE(Kutu()->toPlainText(), QString(200, QLatin1Char('a')));
    QTest::keyClicks(Kutu(), QStringLiteral("b"));
    QCOMPARE(Kutu()->toPlainText(), QString(200, QLatin1Char('a')));
    QTest::keyClick(Kutu(), Qt::Key_Backspace);
    QTest::keyClick(Kutu(), Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("xyz"));
    QTest::keyClick(Kutu(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Kutu()->toPlainText(), QString(198, QLatin1Char('a')) + QStringLiteral("xy"));
}

// Pasting from the box's context menu inserts at the cursor: the menu's coming and going neither
// selects the whole text nor puts it right.
void KurumBilgisiTesti::baglamMenusundenYapistirma()
{
    KurumAdı = QStringLiteral("MİLLİ EĞİTİM");
    auto pencere = Aç();
    QTest::keyClick(Kutu(), Qt::Key_End);
    KlavyedenYaz(Kutu(), QStringLiteral(" il"));
    QApplication::clipboard()->setText(QStringLiteral("çe"));
    const QPoint yer = Kutu()->cursorRect().center();
    QContextMenuEvent olay(QContextMenuEvent::Mouse, yer, Kutu()->viewport()->mapToGlobal(yer));
    QApplication::sendEvent(Kutu()->viewport(), &olay);
    auto* menü = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menü);
    const QList<QAction*> eylemler = menü->actions();
    const auto yapıştır = std::find_if(eylemler.begin(), eylemler.end(), [](QAction* eylem) {
        return eylem->text().contains(QStringLiteral("Paste"));
    });
    QVERIFY(yapıştır != eylemler.end());
    QTest::mouseClick(menü, Qt::LeftButton, {}, menü->actionGeometry(*yapıştır).center());
    QCOMPARE(Kutu()->toPlainText(), QStringLiteral("MİLLİ EĞİTİM ilçe"));

    // Another window in between: the box keeps its cursor, and the next key types on.
    QWidget öteki;
    öteki.show();
    öteki.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&öteki));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QVERIFY(Kutu()->hasFocus());
    QVERIFY(!Kutu()->textCursor().hasSelection());
}

void KurumBilgisiTesti::yazilamayanKayitPencereyiAcikTutar_data()
{
    QTest::addColumn<QString>("eskiAd"); // empty: the first save, which adds the row
    QTest::addColumn<bool>("doluDisk");  // otherwise the file takes no writes
    QTest::addColumn<QString>("kod");
    QTest::newRow("ilk kayıt") << QString() << false << QStringLiteral("3027");
    QTest::newRow("düzenleme") << QStringLiteral("ESKİ KURUM") << false << QStringLiteral("3027");
    QTest::newRow("dolu disk, ilk kayıt") << QString() << true << QStringLiteral("3026");
    QTest::newRow("dolu disk, düzenleme")
        << QStringLiteral("ESKİ KURUM") << true << QStringLiteral("3026");
}

void KurumBilgisiTesti::yazilamayanKayitPencereyiAcikTutar()
{
    QFETCH(QString, eskiAd);
    QFETCH(bool, doluDisk);
    QFETCH(QString, kod);
    if (!eskiAd.isEmpty())
        ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu (KurumAdi) VALUES ('") + eskiAd +
                        QStringLiteral("')"));
    KurumAdı = eskiAd;
    if (doluDisk && !ortam->VeritabanınıDoluDiskeTaşı())
        QSKIP("tmpfs bağlanamadı");
    QVERIFY(doluDisk || ortam->VeritabanınıSaltOkunurYap());
    auto pencere = Aç();
    AdıYazıpAyrıl(QStringLiteral("yeni kurum"));
    ortam->yanıtlar.push_back(Yanıt::Evet);
    QTest::mouseClick(Düğme("KaydetDüğmesi"), Qt::LeftButton);

    QCOMPARE(ortam->gösterilen.size(), size_t(1));
    QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
    QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: ") + kod));
    QVERIFY(!ortam->bitişKodu);
    QVERIFY(form->isVisible());
    QCOMPARE(Kutu()->toPlainText(), QStringLiteral("YENİ KURUM"));
    QCOMPARE(KurumAdı, eskiAd);
    QCOMPARE(SaklıAdlar(), eskiAd.isEmpty() ? QStringList() : QStringList{eskiAd});
}

QTEST_MAIN(KurumBilgisiTesti)
#include "TestKurumBilgisiGirişiFormu.moc"
