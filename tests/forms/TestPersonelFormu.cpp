// The staff dialog opened from the real main window and driven by keys and the mouse: adding,
// the six checks, editing, the number boxes and a refused write. What the database file holds
// is read back after each save.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/QtMesajKutusu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

namespace {
void Tuş(Qt::Key tuş, Qt::KeyboardModifiers ek = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), tuş, ek);
}

// Types into the focused control, one character after another, Turkish letters included.
void Yaz(const QString& metin)
{
    for (const QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
}

// Types each text into the focused box and leaves it with the key given.
void Doldur(const QStringList& metinler, Qt::Key tuş = Qt::Key_Tab)
{
    for (const QString& metin : metinler) {
        Yaz(metin);
        Tuş(tuş);
    }
}

QStringList Metin(const char* metin)
{
    return QString::fromUtf8(metin).split(u'|');
}

// The stored rows as registry number|name|title|service|order number, in key order.
QStringList Kayıtlar()
{
    QStringList s;
    SonuçKümesi k = Veritabanı.KayıtKümesiAç(
        QStringLiteral("SELECT Sicili || '|' || AdiSoyadi || '|' || Unvani || '|' || Servisi || "
                       "'|' || SiraNo FROM PersonelBilgileriTablosu"));
    for (; !k.EOF_(); k.SonrakineGeç())
        s << k.Alan(0).toString();
    return s;
}
} // namespace

class TestPersonelFormu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> ana;

    template <class T = QLineEdit> static T* D(QWidget* w, const char* ad)
    {
        return w->findChild<T*>(QString::fromUtf8(ad));
    }
    static QPushButton* Ekle(PersonelFormu& f) { return D<QPushButton>(&f, "EkleKaydetDüğmesi"); }
    static QString Metinler(PersonelFormu& f)
    {
        QStringList m;
        for (const char* ad :
             {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu", "SıraNoKutusu"})
            m << D(&f, ad)->text();
        return m.join(u'|');
    }
    // Idle: the boxes empty and shut, the buttons offering a new person and closing.
    static bool Boşta(PersonelFormu& f)
    {
        return Metinler(f) == QStringLiteral("||||") && !D<QGroupBox>(&f, "Çerçeve")->isEnabled() &&
               Ekle(f)->text() == QStringLiteral("Personel &Ekle") &&
               D<QPushButton>(&f, "KapatİptalDüğmesi")->text() == QStringLiteral("Kapat (Esc)");
    }
    // Entry: the boxes open, the buttons saving and cancelling.
    static bool Girişte(PersonelFormu& f)
    {
        return D<QGroupBox>(&f, "Çerçeve")->isEnabled() &&
               Ekle(f)->text() == QStringLiteral("Kaydet") &&
               D<QPushButton>(&f, "KapatİptalDüğmesi")->text() == QStringLiteral("İptal");
    }
    QString Seçili() const
    {
        return D<QListWidget>(ana.get(), "PersonelListesi")->currentItem()->text();
    }

    // Opens the main window on the given people (registry numbers 10, 20, ...), the first one
    // current, and runs iş inside the staff dialog that the button opens.
    void Diyalogda(const char* düğme, const std::function<void(PersonelFormu&)>& iş,
                   const QStringList& kişiler = {})
    {
        for (qsizetype i = 0; i < kişiler.size(); ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(QString::number(10 * (i + 1)), kişiler[i],
                                                QStringLiteral("Memur"), QStringLiteral("A"),
                                                QStringLiteral("1")));
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
        auto* liste = D<QListWidget>(ana.get(), "PersonelListesi");
        if (liste->count())
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                              liste->visualItemRect(liste->item(0)).center());
        bool açıldı = false;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            açıldı = f;
            const auto sonunda = qScopeGuard([f] { f && f->isVisible() ? f->reject() : void(); });
            QTRY_COMPARE(QApplication::activeWindow(), f);
            iş(*f);
        });
        QTest::mouseClick(D<QPushButton>(ana.get(), düğme), Qt::LeftButton);
        QVERIFY(açıldı);
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
    }
    void cleanup()
    {
        ana.reset();
        ortam.reset();
    }

    void birbiriArdinaEkleme()
    {
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            QVERIFY(Girişte(f) && D(&f, "SiciliKutusu")->hasFocus());
            QCOMPARE(D<QLabel>(&f, "Etiket0")->palette().color(QPalette::WindowText), VurguRengi);
            // Enter moves on like Tab; from the order number it reaches the save button only.
            Doldur(Metin("101|hüseyin ışık|şef|idari işler|5"), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), Ekle(f));
            QVERIFY(Girişte(f) && Kayıtlar().empty());
            Tuş(Qt::Key_Space);
            QVERIFY(Boşta(f) && f.isVisible());
            QCOMPARE(Seçili(), QStringLiteral("Hüseyin IŞIK"));
            // The next person: Alt+E opens the boxes again (the access key clicks after a blink).
            Tuş(Qt::Key_E, Qt::AltModifier);
            QTRY_VERIFY(D(&f, "SiciliKutusu")->hasFocus());
            Doldur(Metin("102|  ahmet ali yılmaz |uzman'ın yardımcısı|bilgi işlem|"));
            Tuş(Qt::Key_Space);
            QCOMPARE(D<QComboBox>(ana.get(), "ServisSeçKutusu")->currentText(),
                     QStringLiteral("Bilgi İşlem"));
            QCOMPARE(Seçili(), QStringLiteral("Ahmet Ali YILMAZ"));
            // Esc in Entry drops what was typed; Esc when idle closes.
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            Doldur(Metin("7|ece naz|memur|a|1"));
            Tuş(Qt::Key_Escape);
            QVERIFY(Boşta(f));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(
            Kayıtlar(),
            QStringList({QStringLiteral("101|Hüseyin IŞIK|Şef|İdari İşler|5"),
                         QStringLiteral("102|Ahmet Ali YILMAZ|Uzman’ın Yardımcısı|Bilgi İşlem|")}));
    }

    // Each check shows its box centred over the dialog, with the program's real message box,
    // and gives the focus to the box at fault.
    void altiDenetim_data()
    {
        QTest::addColumn<QString>("metinler");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        const QString ad = QStringLiteral("Personelin AD ve SOYADI'nı girmeniz gerekiyor!");
        QTest::newRow("sicil") << QStringLiteral("||||")
                               << QStringLiteral("Personelin SİCİLİ'ni girmeniz gerekiyor!")
                               << QStringLiteral("SiciliKutusu");
        QTest::newRow("sicil başkasının")
            << QStringLiteral("10|can kaya|memur|a|3")
            << QStringLiteral("Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\nLütfen, "
                              "değiştirip yeniden deneyiniz.")
            << QStringLiteral("SiciliKutusu");
        QTest::newRow("ad soyad") << QStringLiteral("501||memur|a|") << ad
                                  << QStringLiteral("AdıSoyadıKutusu");
        QTest::newRow("boşluklar")
            << QStringLiteral("501|   |memur|a|") << ad << QStringLiteral("AdıSoyadıKutusu");
        QTest::newRow("soyad") << QStringLiteral("501|ahmet|memur|a|")
                               << QStringLiteral("Personelin SOYADI'nı girmeniz gerekiyor!")
                               << QStringLiteral("AdıSoyadıKutusu");
        QTest::newRow("ünvan") << QStringLiteral("501|ali kaya||a|")
                               << QStringLiteral("Personelin ÜNVANI'nı girmeniz gerekiyor!")
                               << QStringLiteral("ÜnvanıKutusu");
        QTest::newRow("servis") << QStringLiteral("501|ali kaya|memur||")
                                << QStringLiteral("Personelin SERVİSİ'ni girmeniz gerekiyor!")
                                << QStringLiteral("ServisiKutusu");
    }
    void altiDenetim()
    {
        QFETCH(QString, metinler);
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
        QStringList gösterilen;
        Diyalogda("EkleDüğmesi",
                  [&](PersonelFormu& f) {
                      f.move(150, 100);
                      QTRY_COMPARE(f.frameGeometry().topLeft(), QPoint(150, 100));
                      Doldur(metinler.split(u'|'));
                      QTimer bekçi;
                      connect(&bekçi, &QTimer::timeout, this, [&] {
                          if (auto* kutu =
                                  qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                              const QPoint fark =
                                  kutu->frameGeometry().center() - f.frameGeometry().center();
                              gösterilen << kutu->text()
                                         << QString::number(fark.manhattanLength() <= 2);
                              kutu->button(QMessageBox::Ok)->click();
                          }
                      });
                      bekçi.start(10);
                      QTest::mouseClick(Ekle(f), Qt::LeftButton);
                      QCOMPARE(gösterilen, QStringList({mesaj, QStringLiteral("1")}));
                      QCOMPARE(f.focusWidget(), D(&f, qPrintable(odak)));
                      QVERIFY(Girişte(f));
                  },
                  {QStringLiteral("Ali Veli")});
        QCOMPARE(Kayıtlar().size(), 1);
    }

    // Editing saves and closes; a name never focused is never put right. Another person's
    // registry number is refused, one's own is not.
    void duzenleme()
    {
        Diyalogda("DeğiştirDüğmesi",
                  [&](PersonelFormu& f) {
                      QCOMPARE(Metinler(f), QStringLiteral("10|ali bir|Memur|A|1"));
                      Tuş(Qt::Key_N, Qt::AltModifier);
                      Doldur({QStringLiteral("şef")});
                      QTest::mouseClick(Ekle(f), Qt::LeftButton);
                      QVERIFY(!f.isVisible());
                  },
                  {QStringLiteral("ali bir"), QStringLiteral("Veli İki")});
        QCOMPARE(Kayıtlar()[0], QStringLiteral("10|ali bir|Şef|A|1"));
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_S, Qt::AltModifier);
            Doldur({QStringLiteral("20")});
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            Tuş(Qt::Key_Escape);
        });
        QCOMPARE(Kayıtlar()[0], QStringLiteral("10|ali bir|Şef|A|1"));
    }

    // The number boxes take digits only, pasted ones included, up to what the 64-bit column holds.
    void sayiKutulari()
    {
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            QLineEdit* sicil = D(&f, "SiciliKutusu");
            Yaz(QStringLiteral("a1b0ç"));
            QApplication::clipboard()->setText(QStringLiteral("x9"));
            Tuş(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(sicil->text(), QStringLiteral("10"));
            sicil->clear();
            Yaz(QStringLiteral("92233720368547758070"));
            QCOMPARE(sicil->text(), QStringLiteral("9223372036854775807"));
            Tuş(Qt::Key_Tab);
            Doldur(Metin("Ali KAYA|Memur|A|x0 y"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QCOMPARE(Kayıtlar(), QStringList{QStringLiteral("9223372036854775807|Ali KAYA|Memur|A|0")});
    }

    // A refused write, the file made read-only under the running program or the statement
    // refused by the engine: after "go on" the dialog stays in Entry with every text, and the
    // same record saves once the file takes writes again.
    void yazmaReddedilir_data()
    {
        QTest::addColumn<bool>("dosya");
        QTest::addColumn<bool>("düzenleme");
        QTest::newRow("salt okunur dosya, ekleme") << true << false;
        QTest::newRow("reddedilen deyim, düzenleme") << false << true;
    }
    void yazmaReddedilir()
    {
        QFETCH(bool, dosya);
        QFETCH(bool, düzenleme);
        auto engelle = [&](bool açık) {
            if (dosya)
                QProcess::execute(QStringLiteral("chattr"),
                                  {QString::fromUtf8(açık ? "+i" : "-i"), ortam->VeritabanıYolu()});
            else
                sqlite3_exec(Veritabanı.Tutamaç(),
                             açık ? "PRAGMA query_only=ON" : "PRAGMA query_only=OFF", nullptr,
                             nullptr, nullptr);
        };
        const auto geriAl = qScopeGuard([&] { engelle(false); });
        ortam->yanıtlar.push_back(Yanıt::Evet);
        const QString metinler = QStringLiteral("9|Ece NAZ|Memur|B|4");
        Diyalogda(düzenleme ? "DeğiştirDüğmesi" : "EkleDüğmesi",
                  [&](PersonelFormu& f) {
                      engelle(true);
                      if (düzenleme)
                          Tuş(Qt::Key_S, Qt::AltModifier);
                      QTRY_VERIFY(D(&f, "SiciliKutusu")->hasFocus());
                      Doldur(metinler.split(u'|'));
                      QTest::mouseClick(Ekle(f), Qt::LeftButton);
                      QCOMPARE(ortam->gösterilen.size(), size_t(1));
                      QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
                      QVERIFY(!dosya || ortam->gösterilen[0].metin.contains(
                                            QStringLiteral("Hata Kodu: 3027")));
                      QVERIFY(!ortam->bitişKodu.has_value() && Girişte(f));
                      QCOMPARE(Metinler(f), metinler);
                      QCOMPARE(Seçili(), QStringLiteral("Ali Bir"));
                      engelle(false);
                      QTest::mouseClick(Ekle(f), Qt::LeftButton);
                      QVERIFY(düzenleme ? !f.isVisible() : Boşta(f));
                  },
                  {QStringLiteral("Ali Bir")});
        QCOMPARE(Kayıtlar().size(), düzenleme ? 1 : 2);
        QCOMPARE(Kayıtlar().back(), metinler);
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
