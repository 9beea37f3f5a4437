// The staff dialog opened from the real main window and driven by keys and the mouse: adding
// several people, the six checks, editing, the number boxes, Esc, a failed write and awkward
// input. What the database file holds is read back after each save.

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

struct Kayıt
{
    QString sicil, ad, ünvan, servis;
    QVariant sıra;
};

std::vector<Kayıt> Kayıtlar()
{
    std::vector<Kayıt> s;
    TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("PersonelBilgileriTablosu"));
    for (; !tablo.EOF_(); tablo.SonrakineGeç())
        s.push_back({tablo.Alan(QStringLiteral("Sicili")).toString(),
                     tablo.Alan(QStringLiteral("AdiSoyadi")).toString(),
                     tablo.Alan(QStringLiteral("Unvani")).toString(),
                     tablo.Alan(QStringLiteral("Servisi")).toString(),
                     tablo.Alan(QStringLiteral("SiraNo"))});
    tablo.Kapat();
    return s;
}

const QString Kaydet = QStringLiteral("Kaydet");
} // namespace

class TestPersonelFormu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> ana;

    template <class T> static T* D(QWidget* w, const char* ad)
    {
        T* d = w->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }
    static QLineEdit* K(PersonelFormu& f, const char* ad) { return D<QLineEdit>(&f, ad); }
    static QPushButton* Ekle(PersonelFormu& f) { return D<QPushButton>(&f, "EkleKaydetDüğmesi"); }
    static QPushButton* Kapat(PersonelFormu& f) { return D<QPushButton>(&f, "KapatİptalDüğmesi"); }
    static bool Boşta(PersonelFormu& f)
    {
        bool boş = true;
        for (const char* ad :
             {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu", "SıraNoKutusu"})
            boş = boş && K(f, ad)->text().isEmpty();
        return boş && !D<QGroupBox>(&f, "Çerçeve")->isEnabled() &&
               Ekle(f)->text() == QStringLiteral("Personel &Ekle") &&
               Kapat(f)->text() == QStringLiteral("Kapat (Esc)") && f.isVisible();
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
    static void Doldur(const QString& sicil, const QString& ad, const QString& ünvan,
                       const QString& servis, const QString& sıra)
    {
        for (const QString& metin : {sicil, ad, ünvan, servis, sıra}) {
            Yaz(metin);
            Tuş(Qt::Key_Tab);
        }
    }

    void KişiEkle(int sicil, const char* ad, const char* servis)
    {
        ortam->Çalıştır(Deyim::PersonelEkle(QString::number(sicil), QString::fromUtf8(ad),
                                            QStringLiteral("Memur"), QString::fromUtf8(servis),
                                            QStringLiteral("1")));
    }

    void Aç()
    {
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
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
            QCOMPARE(f.windowTitle(), QStringLiteral("Yeni Personel Ekleme"));
            QCOMPARE(Ekle(f)->text(), Kaydet);
            QCOMPARE(Kapat(f)->text(), QStringLiteral("İptal"));
            QCOMPARE(Odak(), K(f, "SiciliKutusu"));
            QCOMPARE(D<QLabel>(&f, "Etiket0")->palette().color(QPalette::WindowText), VurguRengi);

            // Enter moves on like Tab; from the order number it reaches the save button only.
            Yaz(QStringLiteral("101"));
            Tuş(Qt::Key_Return);
            QCOMPARE(Odak(), K(f, "AdıSoyadıKutusu"));
            QVERIFY(D<QLabel>(&f, "Etiket0")->palette().color(QPalette::WindowText) != VurguRengi);
            Yaz(QStringLiteral("hüseyin ışık"));
            Tuş(Qt::Key_Enter);
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("Hüseyin IŞIK"));
            Yaz(QStringLiteral("şef"));
            Tuş(Qt::Key_Return);
            Yaz(QStringLiteral("idari işler"));
            Tuş(Qt::Key_Return);
            QCOMPARE(K(f, "ServisiKutusu")->text(), QStringLiteral("İdari İşler"));
            Yaz(QStringLiteral("5"));
            Tuş(Qt::Key_Return);
            QCOMPARE(Odak(), Ekle(f));
            QCOMPARE(K(f, "SıraNoKutusu")->text(), QStringLiteral("5"));
            QVERIFY(Kayıtlar().empty());

            Tuş(Qt::Key_Space);
            QVERIFY(Boşta(f));
            QCOMPARE(D<QComboBox>(ana.get(), "ServisSeçKutusu")->currentText(),
                     QStringLiteral("İdari İşler"));
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Hüseyin IŞIK"));

            // The next person: Alt+E opens the boxes again (the access key clicks after a blink).
            Tuş(Qt::Key_E, Qt::AltModifier);
            QTRY_COMPARE(Odak(), K(f, "SiciliKutusu"));
            Doldur(QStringLiteral("102"), QStringLiteral("  ahmet ali yılmaz "),
                   QStringLiteral("uzman'ın yardımcısı"), QStringLiteral("idari işler"), QString());
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("Ahmet Ali YILMAZ"));
            QCOMPARE(Odak(), Ekle(f));
            Tuş(Qt::Key_Space);
            QVERIFY(Boşta(f));
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ahmet Ali YILMAZ"));

            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            Doldur(QStringLiteral("103"), QStringLiteral("oya su"), QStringLiteral("memur"),
                   QStringLiteral("bilgi işlem"), QStringLiteral("1"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
            QCOMPARE(D<QComboBox>(ana.get(), "ServisSeçKutusu")->currentText(),
                     QStringLiteral("Bilgi İşlem"));
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Oya SU"));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(ortam->gösterilen.empty());
        const std::vector<Kayıt> k = Kayıtlar();
        QCOMPARE(k.size(), size_t(3));
        QCOMPARE(k[0].sicil, QStringLiteral("101"));
        QCOMPARE(k[0].ad, QStringLiteral("Hüseyin IŞIK"));
        QCOMPARE(k[0].ünvan, QStringLiteral("Şef"));
        QCOMPARE(k[0].servis, QStringLiteral("İdari İşler"));
        QCOMPARE(k[0].sıra, QVariant(QStringLiteral("5")));
        QCOMPARE(k[1].ad, QStringLiteral("Ahmet Ali YILMAZ"));
        QCOMPARE(k[1].ünvan, QStringLiteral("Uzman’ın Yardımcısı"));
        QVERIFY(!k[1].sıra.isNull());
        QCOMPARE(k[1].sıra.toString(), QString());
        QCOMPARE(k[2].servis, QStringLiteral("Bilgi İşlem"));
    }

    void altiDenetim()
    {
        KişiEkle(500, "Ali Veli", "A");
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            auto kaydet = [&](const char* beklenen, const char* odak) {
                const size_t önce = ortam->gösterilen.size();
                QTest::mouseClick(Ekle(f), Qt::LeftButton);
                QCOMPARE(ortam->gösterilen.size(), önce + 1);
                QCOMPARE(SonMesaj(), QString::fromUtf8(beklenen));
                QCOMPARE(ortam->gösterilen.back().simge, MesajSimgesi::Bilgi);
                QCOMPARE(ortam->gösterilen.back().başlık, QStringLiteral("Tessaro"));
                QCOMPARE(Odak(), K(f, odak));
                QCOMPARE(Ekle(f)->text(), Kaydet);
            };
            kaydet("Personelin SİCİLİ'ni girmeniz gerekiyor!", "SiciliKutusu");
            Doldur(QStringLiteral("500"), QStringLiteral("can kaya"), QStringLiteral("memur"),
                   QStringLiteral("a"), QStringLiteral("3"));
            kaydet("Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\nLütfen, değiştirip "
                   "yeniden deneyiniz.",
                   "SiciliKutusu");
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("Can KAYA"));
            QCOMPARE(K(f, "SıraNoKutusu")->text(), QStringLiteral("3"));

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
            QCOMPARE(Kayıtlar().size(), size_t(1));
        });
    }

    void duzenleme()
    {
        KişiEkle(10, "Ali Bir", "A");
        KişiEkle(20, "Veli İki", "A");
        Aç();
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(Liste()->item(0)).center());
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("Personel Bilgilerini Değiştir"));
            QCOMPARE(K(f, "SiciliKutusu")->text(), QStringLiteral("10"));
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("Ali Bir"));
            QCOMPARE(K(f, "SıraNoKutusu")->text(), QStringLiteral("1"));
            Tuş(Qt::Key_N, Qt::AltModifier);
            Yaz(QStringLiteral("şef"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(ortam->gösterilen.empty());
        std::vector<Kayıt> k = Kayıtlar();
        QCOMPARE(k[0].sicil, QStringLiteral("10"));
        QCOMPARE(k[0].ad, QStringLiteral("Ali Bir")); // never focused, so never normalised
        QCOMPARE(k[0].ünvan, QStringLiteral("Şef"));
        QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ali Bir"));
        QCOMPARE(D<QLineEdit>(ana.get(), "ÜnvanıKutusu")->text(), QStringLiteral("Şef"));

        // Another person's registry number is refused; Esc closes without writing.
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_S, Qt::AltModifier);
            Yaz(QStringLiteral("20"));
            Tuş(Qt::Key_N, Qt::AltModifier);
            Yaz(QStringLiteral("müdür"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(SonMesaj().startsWith(QStringLiteral("Girmeye çalıştığınız SİCİL")));
            QVERIFY(f.isVisible());
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        k = Kayıtlar();
        QCOMPARE(k[0].sicil, QStringLiteral("10"));
        QCOMPARE(k[0].ünvan, QStringLiteral("Şef"));
    }

    void sayiKutulari()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            QLineEdit* sicil = K(f, "SiciliKutusu");
            Yaz(QStringLiteral("a1b2ç"));
            QCOMPARE(sicil->text(), QStringLiteral("12"));
            Tuş(Qt::Key_Backspace);
            QCOMPARE(sicil->text(), QStringLiteral("1"));
            QApplication::clipboard()->setText(QStringLiteral("x9"));
            Tuş(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(sicil->text(), QStringLiteral("1"));
            QApplication::clipboard()->setText(QStringLiteral("34"));
            Tuş(Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(sicil->text(), QStringLiteral("134"));
            // A number the 64-bit column cannot hold is not taken.
            sicil->clear();
            Yaz(QStringLiteral("9223372036854775807"));
            QCOMPARE(sicil->text(), QStringLiteral("9223372036854775807"));
            Yaz(QStringLiteral("0"));
            QCOMPARE(sicil->text(), QStringLiteral("9223372036854775807"));
            Tuş(Qt::Key_Backspace);
            Yaz(QStringLiteral("8"));
            QCOMPARE(sicil->text(), QStringLiteral("922337203685477580"));
            Yaz(QStringLiteral("7"));

            Tuş(Qt::Key_O, Qt::AltModifier);
            QCOMPARE(Odak(), K(f, "SıraNoKutusu"));
            Yaz(QStringLiteral("x7 y"));
            QCOMPARE(K(f, "SıraNoKutusu")->text(), QStringLiteral("7"));
            Tuş(Qt::Key_A, Qt::AltModifier);
            Yaz(QStringLiteral("Ali KAYA"));
            Tuş(Qt::Key_N, Qt::AltModifier);
            Yaz(QStringLiteral("Memur"));
            Tuş(Qt::Key_V, Qt::AltModifier);
            Yaz(QStringLiteral("A"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QCOMPARE(Kayıtlar().at(0).sicil, QStringLiteral("9223372036854775807"));
        QCOMPARE(Kayıtlar().at(0).sıra, QVariant(QStringLiteral("7")));
    }

    // Switching to another window and back while typing neither normalises nor reselects.
    void baskaPencereyeGecis()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_A, Qt::AltModifier);
            QLineEdit* ad = K(f, "AdıSoyadıKutusu");
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

    void escIleVazgecme()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Doldur(QStringLiteral("7"), QStringLiteral("ece naz"), QStringLiteral("memur"),
                   QStringLiteral("a"), QStringLiteral("1"));
            Tuş(Qt::Key_Escape);
            QVERIFY(Boşta(f));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f.isVisible());
        });
        QVERIFY(Kayıtlar().empty());
    }

    // The file made read-only under the running program: the refusal is reported, and after
    // "go on" nothing typed is lost; the same record saves once the file takes writes again.
    void dosyaYazilamiyor()
    {
        Aç();
        const QString dosya = ortam->VeritabanıYolu();
        QCOMPARE(QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dosya}), 0);
        auto geriAl = qScopeGuard([dosya] {
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dosya});
        });
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Doldur(QStringLiteral("9"), QStringLiteral("Ece NAZ"), QStringLiteral("Memur"),
                   QStringLiteral("A"), QStringLiteral("4"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
            QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 3027")));
            QVERIFY(!ortam->bitişKodu.has_value());
            QCOMPARE(Ekle(f)->text(), Kaydet);
            QCOMPARE(K(f, "SiciliKutusu")->text(), QStringLiteral("9"));
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("Ece NAZ"));

            geriAl.dismiss();
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dosya});
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QCOMPARE(Kayıtlar().size(), size_t(1));
    }

    // A statement refused by the engine: after "go on" the dialog stays in Entry with every
    // text, so the same record can be saved once the file takes writes again.
    void deyimReddedildi()
    {
        KişiEkle(10, "Ali Bir", "A");
        Aç();
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {},
                          Liste()->visualItemRect(Liste()->item(0)).center());
        auto saltOkunur = [](bool açık) {
            sqlite3_exec(Veritabanı.Tutamaç(),
                         açık ? "PRAGMA query_only=ON" : "PRAGMA query_only=OFF", nullptr, nullptr,
                         nullptr);
        };
        saltOkunur(true);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Doldur(QStringLiteral("9"), QStringLiteral("Ece NAZ"), QStringLiteral("Memur"),
                   QStringLiteral("B"), QStringLiteral("4"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
            QVERIFY(!ortam->bitişKodu.has_value());
            QCOMPARE(Ekle(f)->text(), Kaydet);
            QVERIFY(D<QGroupBox>(&f, "Çerçeve")->isEnabled());
            const QStringList beklenen{QStringLiteral("9"), QStringLiteral("Ece NAZ"),
                                       QStringLiteral("Memur"), QStringLiteral("B"),
                                       QStringLiteral("4")};
            QStringList kutular;
            for (const char* ad : {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu",
                                   "ServisiKutusu", "SıraNoKutusu"})
                kutular << K(f, ad)->text();
            QCOMPARE(kutular, beklenen);
            QCOMPARE(Liste()->currentItem()->text(), QStringLiteral("Ali Bir"));

            saltOkunur(false);
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QCOMPARE(Kayıtlar().size(), size_t(2));
        QCOMPARE(Kayıtlar()[1].ad, QStringLiteral("Ece NAZ"));

        // Editing: the refused update leaves the dialog open as it was.
        saltOkunur(true);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Diyalogda("DeğiştirDüğmesi", [&](PersonelFormu& f) {
            Tuş(Qt::Key_N, Qt::AltModifier);
            Yaz(QStringLiteral("Şef"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(f.isVisible());
            QCOMPARE(K(f, "ÜnvanıKutusu")->text(), QStringLiteral("Şef"));
        });
        saltOkunur(false);
        QCOMPARE(Kayıtlar()[1].ünvan, QStringLiteral("Memur"));
    }

    void zorGirdiler_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("unvan");
        QTest::newRow("bin karakter") << QStringLiteral("ali ") + QString(996, QLatin1Char('b'))
                                      << QString(1000, QLatin1Char('x'));
        QTest::newRow("emoji") << QStringLiteral("ayşe 😀 kaya") << QStringLiteral("🙂 uzman");
        QTest::newRow("sekme") << QStringLiteral("ali\tveli kaya") << QStringLiteral("a\tb");
        QTest::newRow("kesme") << QStringLiteral("o'neil kaya") << QStringLiteral("'");
        QTest::newRow("tırnak ve diyez")
            << QStringLiteral("ali \"kaya\" #1/1/2024#") << QStringLiteral("--; x");
    }
    void zorGirdiler()
    {
        QFETCH(QString, ad);
        QFETCH(QString, unvan);
        Aç();
        QString gösterilenAd, gösterilenÜnvan;
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Doldur(QStringLiteral("42"), ad, unvan, QStringLiteral("a"), QString());
            gösterilenAd = K(f, "AdıSoyadıKutusu")->text();
            gösterilenÜnvan = K(f, "ÜnvanıKutusu")->text();
            QVERIFY(!gösterilenAd.contains(QLatin1Char('\'')));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QVERIFY(Boşta(f));
        });
        QVERIFY(ortam->gösterilen.empty());
        const std::vector<Kayıt> k = Kayıtlar();
        QCOMPARE(k.size(), size_t(1));
        QCOMPARE(k[0].ad, gösterilenAd);
        QCOMPARE(k[0].ünvan, gösterilenÜnvan);
        QCOMPARE(k[0].servis, QStringLiteral("A"));
    }

    void yalnizKesme()
    {
        Aç();
        Diyalogda("EkleDüğmesi", [&](PersonelFormu& f) {
            Doldur(QStringLiteral("1"), QStringLiteral("'"), QStringLiteral("'"),
                   QStringLiteral("a"), QString());
            QCOMPARE(K(f, "AdıSoyadıKutusu")->text(), QStringLiteral("’"));
            QCOMPARE(K(f, "ÜnvanıKutusu")->text(), QStringLiteral("’"));
            QTest::mouseClick(Ekle(f), Qt::LeftButton);
            QCOMPARE(SonMesaj(), QStringLiteral("Personelin SOYADI'nı girmeniz gerekiyor!"));
        });
        QVERIFY(Kayıtlar().empty());
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
