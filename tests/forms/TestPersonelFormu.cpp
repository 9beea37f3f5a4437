// The staff dialog opened from the real main window, driven by keys and the mouse.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/PersonelListeKutusu.h"
#include "data/Veritabanı.h"
#include "destek/Girdiler.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
void Tuş(Qt::Key tuş, Qt::KeyboardModifiers ek = {})
{
    QTest::keyClick(QApplication::focusWidget(), tuş, ek);
}

// Types each |-separated text into the focused box and leaves it with the key given (none: stays).
void Doldur(const QString& metinler, Qt::Key tuş = Qt::Key_Tab)
{
    for (const QString& metin : metinler.split(u'|')) {
        KlavyedenYaz(QApplication::focusWidget(), metin);
        if (tuş != Qt::Key_unknown)
            Tuş(tuş);
    }
}

const char* const Kutular[] = {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu",
                               "SıraNoKutusu"};
const QString İkiKişi = u"10|Ali Veli|Memur|A|1 20|Can Kaya|Memur|A|2"_s;

QString Kayıtlar()
{
    SonuçKümesi k = Veritabanı.KayıtKümesiAç(
        u"SELECT group_concat(Sicili || '|' || AdiSoyadi || '|' || Unvani || '|' || Servisi || '|' "
        u"|| SiraNo, ' ') FROM PersonelBilgileriTablosu"_s);
    return k.Alan(0).toString();
}
} // namespace

class TestPersonelFormu : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> ana;
    PersonelFormu* f = nullptr;

    template <class T = QLineEdit> T* D(const char* ad) const
    {
        return f->findChild<T*>(QString::fromUtf8(ad));
    }
    // The two buttons' texts, then the five boxes' texts.
    QString Durum() const
    {
        QStringList m{D<QPushButton>("EkleKaydetDüğmesi")->text(),
                      D<QPushButton>("KapatİptalDüğmesi")->text()};
        for (const char* ad : Kutular)
            m << D(ad)->text();
        return m.join(u'|');
    }
    // Opens the main window on Ali Veli (10) and Can Kaya (20), the first current, runs iş
    // inside the staff dialog that the button opens.
    void Diyalogda(const char* düğme, const std::function<void()>& iş)
    {
        ana.reset();
        ortam.reset(); // the old world puts back what it changed before the new one starts
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        ortam->Çalıştır(u"INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, "
                        u"Unvani, Servisi, SiraNo) VALUES (10, 'Ali Veli', 'Memur', "
                        u"'A', '1'), (20, 'Can Kaya', 'Memur', 'A', '2')"_s);
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        ana->findChild<PersonelListeKutusu*>(u"PersonelListesi"_s)->setCurrentRow(0);
        QVERIFY(PenceredeYap(
            [&] {
                QTest::mouseClick(ana->findChild<QPushButton*>(QString::fromUtf8(düğme)),
                                  Qt::LeftButton);
            },
            [&](QWidget* pencere) {
                f = qobject_cast<PersonelFormu*>(pencere);
                iş();
            }));
    }

private Q_SLOTS:
    // Enter moves on like Tab; the registry number takes digits up to what the column holds.
    // Saving goes back to idle; another window in between leaves a half-typed name alone.
    void ekleme()
    {
        Diyalogda("EkleDüğmesi", [&] {
            Doldur(u"a92233720368547758070|hüseyin ışık|şef|idari işler|x50"_s, Qt::Key_Return);
            QCOMPARE(Durum(), u"Kaydet|İptal|9223372036854775807|Hüseyin IŞIK|Şef|"
                              u"İdari İşler|50"_s);
            Tuş(Qt::Key_Space);
            QCOMPARE(Durum(), u"Personel &Ekle|Kapat (Esc)|||||"_s);
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            Doldur(u"7"_s);
            Doldur(u"ece "_s, Qt::Key_unknown);
            for (QEvent::Type tür : {QEvent::FocusOut, QEvent::FocusIn}) {
                QFocusEvent olay(tür, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(QApplication::focusWidget(), &olay);
            }
            Doldur(u"naz"_s, Qt::Key_unknown);
            QCOMPARE(D("AdıSoyadıKutusu")->text(), u"ece naz"_s);
            Tuş(Qt::Key_Escape); // cancels the entry; the dialog stays, its boxes closed
            QVERIFY(f->isVisible());
            QVERIFY(Durum().startsWith(u"Personel &Ekle|"_s));
            QVERIFY(!D<QWidget>("Çerçeve")->isEnabled());
        });
        QCOMPARE(Kayıtlar(), İkiKişi + u" 9223372036854775807|Hüseyin IŞIK|Şef|İdari İşler|50"_s);
    }

    // Each check shows its message over the dialog, then focuses the box at fault; editing, only
    // another's registry number is refused. A read-only file keeps Entry with every text after
    // "go on".
    void denetimler_data()
    {
        QTest::addColumn<QString>("metinler"); // starting with '*': editing the first person
        QTest::addColumn<QString>("eksik");    // none: the registry number is another's
        QTest::addColumn<int>("odak");         // the box at fault, 0 the first
        QTest::newRow("sicil") << QString() << u"SİCİLİ'ni"_s << 0;
        QTest::newRow("düzenleme") << u"*20"_s << QString() << 0;
        QTest::newRow("ad") << u"*10| |c|d|"_s << u"AD ve SOYADI'nı"_s << 1;
        QTest::newRow("soyad") << u"5|ali|c|d|"_s << u"SOYADI'nı"_s << 1;
        QTest::newRow("ünvan") << u"5|a b||d|"_s << u"ÜNVANI'nı"_s << 2;
        QTest::newRow("servis") << u"5|a b|c||"_s << u"SERVİSİ'ni"_s << 3;
        QTest::newRow("yazılamaz") << u"*10|Ece NAZ|Şef|B|4"_s << QString() << -1;
    }
    void denetimler()
    {
        QFETCH(QString, metinler);
        QFETCH(QString, eksik);
        QFETCH(int, odak);
        const QString mesaj = eksik.isEmpty()
                                  ? u"Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\n"
                                    u"Lütfen, değiştirip yeniden deneyiniz."_s
                                  : u"Personelin %1 girmeniz gerekiyor!"_s.arg(eksik);
        const bool düzenleme = metinler.startsWith(u'*');
        QPoint orta; // the middle of a window shown in the message box's place
        Diyalogda(düzenleme ? "DeğiştirDüğmesi" : "EkleDüğmesi", [&] {
            MesajKutusuUygulamasınıAyarla([&](const Mesaj& m) {
                QWidget kutu;
                kutu.show();
                orta = kutu.frameGeometry().center();
                ortam->gösterilen.push_back(m);
                return m.düğmeler == MesajDüğmeleri::Tamam ? Yanıt::Tamam : Yanıt::Evet;
            });
            QVERIFY(odak >= 0 || ortam->VeritabanınıSaltOkunurYap());
            Tuş(Qt::Key_S, Qt::AltModifier);
            Doldur(metinler.mid(düzenleme));
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(odak < 0 ? ortam->gösterilen[0].başlık : ortam->gösterilen[0].metin,
                     odak < 0 ? u"Hata oluştu!"_s : mesaj);
            QVERIFY(odak < 0 || f->focusWidget() == D(Kutular[odak]));
            QVERIFY(odak < 0 || orta == f->frameGeometry().center());
            QVERIFY(
                Durum().startsWith(u"Kaydet|İptal|"_s + (odak < 0 ? metinler.mid(1) : QString())));
            QVERIFY(!ortam->bitişKodu);
            QVERIFY(f->isVisible());
        });
        QCOMPARE(Kayıtlar(), İkiKişi);
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
