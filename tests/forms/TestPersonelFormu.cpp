// The staff dialog opened from the real main window, driven by keys and the mouse.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/Girdiler.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

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
const QString İkiKişi = QStringLiteral("10|Ali Veli|Memur|A|1 20|Can Kaya|Memur|A|2");

QString Kayıtlar()
{
    SonuçKümesi k = Veritabanı.KayıtKümesiAç(QStringLiteral(
        "SELECT group_concat(Sicili || '|' || AdiSoyadi || '|' || Unvani || '|' || Servisi || '|' "
        "|| SiraNo, ' ') FROM PersonelBilgileriTablosu"));
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
        ortam->Çalıştır(QStringLiteral("INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, "
                                       "Unvani, Servisi, SiraNo) VALUES (10, 'Ali Veli', 'Memur', "
                                       "'A', '1'), (20, 'Can Kaya', 'Memur', 'A', '2')"));
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        ana->findChild<QListWidget*>(QStringLiteral("PersonelListesi"))->setCurrentRow(0);
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
            Doldur(QStringLiteral("a92233720368547758070|hüseyin ışık|şef|idari işler|x50"),
                   Qt::Key_Return);
            QCOMPARE(Durum(), QStringLiteral("Kaydet|İptal|9223372036854775807|Hüseyin IŞIK|Şef|"
                                             "İdari İşler|50"));
            Tuş(Qt::Key_Space);
            QCOMPARE(Durum(), QStringLiteral("Personel &Ekle|Kapat (Esc)|||||"));
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            Doldur(QStringLiteral("7"));
            Doldur(QStringLiteral("ece "), Qt::Key_unknown);
            for (QEvent::Type tür : {QEvent::FocusOut, QEvent::FocusIn}) {
                QFocusEvent olay(tür, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(QApplication::focusWidget(), &olay);
            }
            Doldur(QStringLiteral("naz"), Qt::Key_unknown);
            QCOMPARE(D("AdıSoyadıKutusu")->text(), QStringLiteral("ece naz"));
            Tuş(Qt::Key_Escape); // cancels the entry; the dialog stays
            QVERIFY(f->isVisible() && Durum().startsWith(QStringLiteral("Personel &Ekle|")));
        });
        QCOMPARE(Kayıtlar(),
                 İkiKişi + QStringLiteral(" 9223372036854775807|Hüseyin IŞIK|Şef|İdari İşler|50"));
    }

    // Each check shows its message over the dialog, then focuses the box at fault; editing, only
    // another's registry number is refused. A read-only file keeps Entry with every text after
    // "go on".
    void denetimler_data()
    {
        QTest::addColumn<QString>("metinler"); // starting with '*': editing the first person
        QTest::addColumn<QString>("eksik");    // none: the registry number is another's
        QTest::addColumn<int>("odak");         // the box at fault, 0 the first
        QTest::newRow("sicil") << QString() << QStringLiteral("SİCİLİ'ni") << 0;
        QTest::newRow("düzenleme") << QStringLiteral("*20") << QString() << 0;
        QTest::newRow("ad") << QStringLiteral("*10| |c|d|") << QStringLiteral("AD ve SOYADI'nı")
                            << 1;
        QTest::newRow("soyad") << QStringLiteral("5|ali|c|d|") << QStringLiteral("SOYADI'nı") << 1;
        QTest::newRow("ünvan") << QStringLiteral("5|a b||d|") << QStringLiteral("ÜNVANI'nı") << 2;
        QTest::newRow("servis") << QStringLiteral("5|a b|c||") << QStringLiteral("SERVİSİ'ni") << 3;
        QTest::newRow("yazılamaz") << QStringLiteral("*10|Ece NAZ|Şef|B|4") << QString() << -1;
    }
    void denetimler()
    {
        QFETCH(QString, metinler);
        QFETCH(QString, eksik);
        QFETCH(int, odak);
        const QString mesaj =
            eksik.isEmpty()
                ? QStringLiteral("Girmeye çalıştığınız SİCİL daha önce girilmiş!\r\n\r\n"
                                 "Lütfen, değiştirip yeniden deneyiniz.")
                : QStringLiteral("Personelin %1 girmeniz gerekiyor!").arg(eksik);
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
                     odak < 0 ? QStringLiteral("Hata oluştu!") : mesaj);
            QVERIFY(odak < 0 || f->focusWidget() == D(Kutular[odak]));
            QVERIFY(odak < 0 || orta == f->frameGeometry().center());
            QVERIFY(Durum().startsWith(QStringLiteral("Kaydet|İptal|") +
                                       (odak < 0 ? metinler.mid(1) : QString())));
            QVERIFY(!ortam->bitişKodu && f->isVisible());
        });
        QCOMPARE(Kayıtlar(), İkiKişi);
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
