// The staff dialog opened from the real main window and driven by keys and the mouse: adding
// several people, the six checks, editing, the number boxes, Esc and a refused write. What the
// database file holds is read back after each save.

#include "common/OrtakDeğişkenlerModülü.h"
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
#include <QProcess>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <sqlite3.h>

namespace {
QWidget* Odak()
{
    return QApplication::focusWidget();
}

void Tuş(Qt::Key tuş, Qt::KeyboardModifiers ek = Qt::NoModifier)
{
    QTest::keyClick(Odak(), tuş, ek);
}

// Types into the focused control, one character after another, Turkish letters included.
void Yaz(const QString& metin)
{
    for (const QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, Odak(), Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The stored rows, each as registry number, name, title, service and order number; an empty
// order number is stored as an empty text, not as NULL.
QList<QStringList> Kayıtlar()
{
    QList<QStringList> s;
    TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("PersonelBilgileriTablosu"));
    for (; !tablo.EOF_(); tablo.SonrakineGeç()) {
        QStringList satır;
        for (const char* ad : {"Sicili", "AdiSoyadi", "Unvani", "Servisi", "SiraNo"}) {
            const QVariant değer = tablo.Alan(QString::fromUtf8(ad));
            satır << (değer.isNull() ? QStringLiteral("<NULL>") : değer.toString());
        }
        s << satır;
    }
    tablo.Kapat();
    return s;
}

QStringList Metin(std::initializer_list<const char*> parçalar)
{
    QStringList s;
    for (const char* p : parçalar)
        s << QString::fromUtf8(p);
    return s;
}

const char* const Kutular[] = {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu",
                               "SıraNoKutusu"};
} // namespace

class TestPersonelFormu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> ana;

    template <class T = QLineEdit> static T* D(QWidget* w, const char* ad)
    {
        T* d = w->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }
    static QPushButton* Ekle(PersonelFormu& f) { return D<QPushButton>(&f, "EkleKaydetDüğmesi"); }
    static QStringList Metinler(PersonelFormu& f)
    {
        QStringList metinler;
        for (const char* ad : Kutular)
            metinler << D(&f, ad)->text();
        return metinler;
    }
    // Idle: the boxes empty and shut, the buttons offering a new person and closing.
    static bool Boşta(PersonelFormu& f)
    {
        return Metinler(f).join(QString()).isEmpty() && !D<QGroupBox>(&f, "Çerçeve")->isEnabled() &&
               Ekle(f)->text() == QStringLiteral("Personel &Ekle") &&
               D<QPushButton>(&f, "KapatİptalDüğmesi")->text() == QStringLiteral("Kapat (Esc)") &&
               f.isVisible();
    }
    QListWidget* Liste() const { return D<QListWidget>(ana.get(), "PersonelListesi"); }
    QString SonMesaj() const
    {
        return ortam->gösterilen.empty() ? QString() : ortam->gösterilen.back().metin;
    }

    // Clicks a button of the main window and runs iş inside the modal dialog it opens; a dialog
    // that iş leaves open is closed afterwards.
    void Diyalogda(const char* düğme, const std::function<void(PersonelFormu&)>& iş)
    {
        bool açıldı = false;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            if (!f)
                return;
            açıldı = true;
            const auto sonunda = qScopeGuard([f] {
                if (f->isVisible())
                    f->reject();
            });
            QTRY_COMPARE(QApplication::activeWindow(), f);
            iş(*f);
        });
        QTest::mouseClick(D<QPushButton>(ana.get(), düğme), Qt::LeftButton);
        QVERIFY(açıldı);
    }

    // Fills the five boxes from the registry number on, leaving each with Tab.
    static void Doldur(const QStringList& metinler)
    {
        for (const QString& metin : metinler) {
            Yaz(metin);
            Tuş(Qt::Key_Tab);
        }
    }

    void Aç(const QStringList& kişiler = {})
    {
        for (const QString& ad : kişiler)
            ortam->Çalıştır(Deyim::PersonelEkle(QString::number(10 * (kişiler.indexOf(ad) + 1)), ad,
                                                QStringLiteral("Memur"), QStringLiteral("A"),
                                                QStringLiteral("1")));
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
        if (!kişiler.isEmpty())
            QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                              Liste()->visualItemRect(Liste()->item(0)).center());
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
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            QCOMPARE(Odak(), D(&f, "SiciliKutusu"));
            QCOMPARE(D<QLabel>(&f, "Etiket0")->palette().color(QPalette::WindowText), VurguRengi);
            // Enter moves on like Tab; from the order number it reaches the save button only.
            for (const char* metin : {"101", "hüseyin ışık", "şef", "idari işler", "5"}) {
                Yaz(QString::fromUtf8(metin));
                Tuş(Qt::Key_Return);
            }
            QVERIFY(D<QLabel>(&f, "Etiket0")->palette().color(QPalette::WindowText) != VurguRengi);
            QCOMPARE(Odak(), Ekle(f));
            QVERIFY(Kayıtlar().empty());
            Tuş(Qt::Key_Space);
            QVERIFY(Boşta(f));
            QCOMPARE(D<QComboBox>(ana.get(), "ServisSeçKutusu")->currentText(),
                     QStringLiteral("İdari İşler"));
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Hüseyin IŞIK"));

            // The next person: Alt+E opens the boxes again (the access key clicks after a blink).
            Tuş(Qt::Key_E, Qt::AltModifier);
            QTRY_COMPARE(Odak(), D(&f, "SiciliKutusu"));
            Doldur(Metin({"102", "  ahmet ali yılmaz ", "uzman'ın yardımcısı", "bilgi işlem", ""}));
            QCOMPARE(Odak(), Ekle(f));
            Tuş(Qt::Key_Space);
            QCOMPARE(D<QComboBox>(ana.get(), "ServisSeçKutusu")->currentText(),
                     QStringLiteral("Bilgi İşlem"));
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ahmet Ali YILMAZ"));

            // Esc in Entry drops what was typed; Esc when idle closes.
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            Doldur(Metin({"7", "ece naz", "memur", "a", "1"}));
            Tuş(Qt::Key_Escape);
            QVERIFY(Boşta(f));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(ortam->gösterilen.empty());
        QCOMPARE(Kayıtlar(),
                 (QList<QStringList>{Metin({"101", "Hüseyin IŞIK", "Şef", "İdari İşler", "5"}),
                                     Metin({"102", "Ahmet Ali YILMAZ", "Uzman’ın Yardımcısı",
                                            "Bilgi İşlem", ""})}));
    }

    void altiDenetim()
    {
        Aç({QStringLiteral("Ali Veli")});
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            auto kaydet = [&](const char* beklenen, const char* odak) {
                QTest::mouseClick(Ekle(f), Qt::LeftButton);
                QCOMPARE(SonMesaj(), QString::fromUtf8(beklenen));
                QCOMPARE(ortam->gösterilen.back().simge, MesajSimgesi::Bilgi);
                QCOMPARE(ortam->gösterilen.back().başlık, QStringLiteral("Tessaro"));
                QCOMPARE(Odak(), D(&f, odak));
                QCOMPARE(Ekle(f)->text(), QStringLiteral("Kaydet"));
            };
            kaydet("Personelin SİCİLİ'ni girmeniz gerekiyor!", "SiciliKutusu");
            Doldur(Metin({"10", "can kaya", "memur", "a", "3"}));
            kaydet("Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\nLütfen, değiştirip "
                   "yeniden deneyiniz.",
                   "SiciliKutusu");
            QCOMPARE(Metinler(f), Metin({"10", "Can KAYA", "Memur", "A", "3"}));
            // The box taking the focus back has its text selected: typing replaces it.
            Yaz(QStringLiteral("501"));
            Tuş(Qt::Key_A, Qt::AltModifier);
            Tuş(Qt::Key_Backspace);
            kaydet("Personelin AD ve SOYADI'nı girmeniz gerekiyor!", "AdıSoyadıKutusu");
            Yaz(QStringLiteral("ahmet"));
            kaydet("Personelin SOYADI'nı girmeniz gerekiyor!", "AdıSoyadıKutusu");
            Yaz(QStringLiteral("   "));
            kaydet("Personelin AD ve SOYADI'nı girmeniz gerekiyor!", "AdıSoyadıKutusu");
            Yaz(QStringLiteral("ahmet kaya"));
            Tuş(Qt::Key_N, Qt::AltModifier);
            Tuş(Qt::Key_Backspace);
            kaydet("Personelin ÜNVANI'nı girmeniz gerekiyor!", "ÜnvanıKutusu");
            Yaz(QStringLiteral("memur"));
            Tuş(Qt::Key_V, Qt::AltModifier);
            Tuş(Qt::Key_Backspace);
            kaydet("Personelin SERVİSİ'ni girmeniz gerekiyor!", "ServisiKutusu");
            QCOMPARE(ortam->gösterilen.size(), size_t(7));
        });
        QCOMPARE(Kayıtlar().size(), 1);
    }

    void duzenleme()
    {
        Aç({QStringLiteral("Ali Bir"), QStringLiteral("Veli İki")});
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            QCOMPARE(Metinler(f), Metin({"10", "Ali Bir", "Memur", "A", "1"}));
            Tuş(Qt::Key_N, Qt::AltModifier);
            Yaz(QStringLiteral("şef"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(ortam->gösterilen.empty());
        // The name was never focused, so it was never put right.
        QCOMPARE(Kayıtlar()[0], Metin({"10", "Ali Bir", "Şef", "A", "1"}));
        QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ali Bir"));
        QCOMPARE(D(ana.get(), "ÜnvanıKutusu")->text(), QStringLiteral("Şef"));

        // Another person's registry number is refused; Esc closes without writing.
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_S, Qt::AltModifier);
            Yaz(QStringLiteral("20"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(SonMesaj().startsWith(QStringLiteral("Girmeye çalıştığınız SİCİL")));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QCOMPARE(Kayıtlar()[0][0], QStringLiteral("10"));
    }

    // The number boxes take digits only, pasted ones included, up to what the 64-bit column holds.
    void sayiKutulari()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            QLineEdit* sicil = D(&f, "SiciliKutusu");
            Yaz(QStringLiteral("a1b2ç"));
            QApplication::clipboard()->setText(QStringLiteral("x9"));
            Tuş(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(sicil->text(), QStringLiteral("12"));
            sicil->clear();
            Yaz(QStringLiteral("92233720368547758070"));
            QCOMPARE(sicil->text(), QStringLiteral("9223372036854775807"));
            Tuş(Qt::Key_Backspace);
            QApplication::clipboard()->setText(QStringLiteral("8"));
            Tuş(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(sicil->text(), QStringLiteral("922337203685477580"));
            Yaz(QStringLiteral("7"));
            Tuş(Qt::Key_Tab);
            Doldur(Metin({"Ali KAYA", "Memur", "A", "x7 y"}));
            QCOMPARE(D(&f, "SıraNoKutusu")->text(), QStringLiteral("7"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QCOMPARE(Kayıtlar().at(0), Metin({"9223372036854775807", "Ali KAYA", "Memur", "A", "7"}));
    }

    // Switching to another window and back while typing neither normalises nor reselects.
    void baskaPencereyeGecis()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_A, Qt::AltModifier);
            QLineEdit* ad = D(&f, "AdıSoyadıKutusu");
            Yaz(QStringLiteral("ahmet "));
            QFocusEvent çıkış(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(ad, &çıkış);
            QFocusEvent giriş(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
            QApplication::sendEvent(ad, &giriş);
            Yaz(QStringLiteral("kaya"));
            QCOMPARE(ad->text(), QStringLiteral("ahmet kaya"));
            QCOMPARE(D<QLabel>(&f, "Etiket1")->palette().color(QPalette::WindowText), VurguRengi);
        });
    }

    // A refused write, the file made read-only under the running program or the statement
    // refused by the engine: after "go on" the dialog stays in Entry with every text, and the
    // same record saves once the file takes writes again.
    void yazmaReddedilir_data()
    {
        QTest::addColumn<bool>("dosya");
        QTest::addColumn<bool>("düzenleme");
        QTest::newRow("salt okunur dosya, ekleme") << true << false;
        QTest::newRow("reddedilen deyim, ekleme") << false << false;
        QTest::newRow("reddedilen deyim, düzenleme") << false << true;
    }
    void yazmaReddedilir()
    {
        QFETCH(bool, dosya);
        QFETCH(bool, düzenleme);
        Aç({QStringLiteral("Ali Bir")});
        const QString yol = ortam->VeritabanıYolu();
        auto engelle = [&](bool açık) {
            if (dosya)
                QProcess::execute(QStringLiteral("chattr"),
                                  {QString::fromUtf8(açık ? "+i" : "-i"), yol});
            else
                sqlite3_exec(Veritabanı.Tutamaç(),
                             açık ? "PRAGMA query_only=ON" : "PRAGMA query_only=OFF", nullptr,
                             nullptr, nullptr);
        };
        const auto geriAl = qScopeGuard([&] { engelle(false); });
        engelle(true);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        const QStringList metinler = Metin({"9", "Ece NAZ", "Memur", "B", "4"});
        Diyalogda(düzenleme ? "DeğiştirDüğmesi" : "EkleDüğmesi", [&](PersonelFormu& f) {
            if (düzenleme)
                Tuş(Qt::Key_S, Qt::AltModifier);
            Doldur(metinler);
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
            QVERIFY(!dosya ||
                    ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 3027")));
            QVERIFY(!ortam->bitişKodu.has_value());
            QCOMPARE(Ekle(f)->text(), QStringLiteral("Kaydet"));
            QVERIFY(D<QGroupBox>(&f, "Çerçeve")->isEnabled());
            QCOMPARE(Metinler(f), metinler);
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ali Bir"));
            engelle(false);
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(düzenleme ? !f.isVisible() : Boşta(f));
        });
        QCOMPARE(Kayıtlar().size(), düzenleme ? 1 : 2);
        QCOMPARE(Kayıtlar().back(), metinler);
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
