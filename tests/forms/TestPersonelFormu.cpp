// The staff dialog opened from the real main window and driven by keys and the mouse. What the
// database file holds is read back after each save.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/QtMesajKutusu.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/PersonelFormu.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

namespace {
void Tuş(Qt::Key tuş, Qt::KeyboardModifiers ek = {})
{
    QTest::keyClick(QApplication::focusWidget(), tuş, ek);
}

// Types each |-separated text into the focused box, character by character, and leaves it
// with the key given (none: stays).
void Doldur(const QString& metinler, Qt::Key tuş = Qt::Key_Tab)
{
    for (const QString& metin : metinler.split(u'|')) {
        for (const QChar c : metin)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
        if (tuş != Qt::Key_unknown)
            Tuş(tuş);
    }
}

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
    // The two buttons' texts and whether the boxes are open, then the five boxes' texts.
    QString Durum() const
    {
        QStringList m{D<QPushButton>("EkleKaydetDüğmesi")->text(),
                      D<QPushButton>("KapatİptalDüğmesi")->text(),
                      QString::number(D<QWidget>("Çerçeve")->isEnabled())};
        for (const char* ad :
             {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu", "SıraNoKutusu"})
            m << D(ad)->text();
        return m.join(u'|');
    }
    QString Seçili() const
    {
        return ana->findChild<QListWidget*>(QStringLiteral("PersonelListesi"))
            ->currentItem()
            ->text();
    }
    // Opens the main window with Ali Veli (10) and Can Kaya (20), the first current, and runs iş
    // inside the staff dialog that the button opens.
    void Diyalogda(const char* düğme, const std::function<void()>& iş)
    {
        ortam->Çalıştır(QStringLiteral("INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, "
                                       "Unvani, Servisi, SiraNo) VALUES (10, 'Ali Veli', 'Memur', "
                                       "'A', '1'), (20, 'Can Kaya', 'Memur', 'A', '2')"));
        ana = std::make_unique<AnaForm>();
        ana->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(ana.get()));
        auto* liste = ana->findChild<QListWidget*>(QStringLiteral("PersonelListesi"));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                          liste->visualItemRect(liste->item(0)).center());
        QTimer::singleShot(0, this, [&] {
            f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            const auto sonunda =
                qScopeGuard([this] { f && f->isVisible() ? f->reject() : void(); });
            QTRY_COMPARE(QApplication::activeWindow(), f);
            iş();
        });
        QTest::mouseClick(ana->findChild<QPushButton*>(QString::fromUtf8(düğme)), Qt::LeftButton);
        QVERIFY(f);
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

    // Enter moves on like Tab, from the order number to the save button only; the registry
    // number takes digits up to what the 64-bit column holds. Saving goes back to idle with the
    // new person current; Esc in Entry drops what was typed, Esc when idle closes.
    void ekleme()
    {
        Diyalogda("EkleDüğmesi", [&] {
            Doldur(QStringLiteral("a92233720368547758070|hüseyin ışık|şef|idari işler|x50"),
                   Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), D<QPushButton>("EkleKaydetDüğmesi"));
            QCOMPARE(Durum(), QStringLiteral("Kaydet|İptal|1|9223372036854775807|Hüseyin IŞIK|Şef|"
                                             "İdari İşler|50"));
            Tuş(Qt::Key_Space);
            QCOMPARE(Durum(), QStringLiteral("Personel &Ekle|Kapat (Esc)|0|||||"));
            QCOMPARE(Seçili(), QStringLiteral("Hüseyin IŞIK"));
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            // Another window taking the focus for a while neither puts the name right nor
            // selects it for the next key to wipe.
            Doldur(QStringLiteral("7"));
            Doldur(QStringLiteral("ece "), Qt::Key_unknown);
            for (QEvent::Type tür : {QEvent::FocusOut, QEvent::FocusIn}) {
                QFocusEvent olay(tür, Qt::ActiveWindowFocusReason);
                QApplication::sendEvent(QApplication::focusWidget(), &olay);
            }
            Doldur(QStringLiteral("naz"), Qt::Key_unknown);
            QCOMPARE(D("AdıSoyadıKutusu")->text(), QStringLiteral("ece naz"));
            Tuş(Qt::Key_Escape);
            QCOMPARE(Durum(), QStringLiteral("Personel &Ekle|Kapat (Esc)|0|||||"));
            Tuş(Qt::Key_Escape);
            QVERIFY(!f->isVisible());
        });
        QCOMPARE(Kayıtlar(),
                 İkiKişi + QStringLiteral(" 9223372036854775807|Hüseyin IŞIK|Şef|İdari İşler|50"));
    }

    // Each check shows the program's real message box centred over the dialog, then gives the
    // focus to the box at fault. Editing, only another person's registry number is refused.
    void altiDenetim_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<QString>("metinler");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        const QString ekle = QStringLiteral("EkleDüğmesi"), ad = QStringLiteral("AdıSoyadıKutusu"),
                      sicil = QStringLiteral("SiciliKutusu");
        const QString adSoyad = QStringLiteral("Personelin AD ve SOYADI'nı girmeniz gerekiyor!");
        const QString başkası = QStringLiteral("Girmeye çalıştığınız SİCİL daha önce girilmiş!"
                                               "\r\n\r\nLütfen, değiştirip yeniden deneyiniz.");
        QTest::newRow("sicil") << ekle << QString()
                               << QStringLiteral("Personelin SİCİLİ'ni girmeniz gerekiyor!")
                               << sicil;
        QTest::newRow("başkasının") << ekle << QStringLiteral("10|a b|c|d|") << başkası << sicil;
        QTest::newRow("düzenleme")
            << QStringLiteral("DeğiştirDüğmesi") << QStringLiteral("20") << başkası << sicil;
        QTest::newRow("ad soyad") << ekle << QStringLiteral("5||c|d|") << adSoyad << ad;
        QTest::newRow("boşluklar") << ekle << QStringLiteral("5|   |c|d|") << adSoyad << ad;
        QTest::newRow("soyad") << ekle << QStringLiteral("5|ali|c|d|")
                               << QStringLiteral("Personelin SOYADI'nı girmeniz gerekiyor!") << ad;
        QTest::newRow("ünvan") << ekle << QStringLiteral("5|a b||d|")
                               << QStringLiteral("Personelin ÜNVANI'nı girmeniz gerekiyor!")
                               << QStringLiteral("ÜnvanıKutusu");
        QTest::newRow("servis") << ekle << QStringLiteral("5|a b|c||")
                                << QStringLiteral("Personelin SERVİSİ'ni girmeniz gerekiyor!")
                                << QStringLiteral("ServisiKutusu");
    }
    void altiDenetim()
    {
        QFETCH(QString, düğme);
        QFETCH(QString, metinler);
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        MesajKutusuUygulamasınıAyarla(QtMesajKutusu);
        Diyalogda(qPrintable(düğme), [&] {
            f->move(150, 100);
            QTRY_COMPARE(f->frameGeometry().topLeft(), QPoint(150, 100));
            Tuş(Qt::Key_S, Qt::AltModifier);
            Doldur(metinler);
            QStringList gösterilen;
            QTimer bekçi;
            connect(&bekçi, &QTimer::timeout, this, [&] {
                if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    const QPoint fark =
                        kutu->frameGeometry().center() - f->frameGeometry().center();
                    gösterilen << kutu->text() << QString::number(fark.manhattanLength() <= 2);
                    kutu->button(QMessageBox::Ok)->click();
                }
            });
            bekçi.start(10);
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            QCOMPARE(gösterilen, QStringList({mesaj, QStringLiteral("1")}));
            QCOMPARE(f->focusWidget(), D(qPrintable(odak)));
            QVERIFY(Durum().startsWith(QStringLiteral("Kaydet|İptal|1|")));
        });
        QCOMPARE(Kayıtlar(), İkiKişi);
    }

    // A write refused under the open dialog, the file turned read-only or the statement refused
    // by the engine: after "go on" the dialog stays in Entry with every text; editing, the same
    // record saves once writes are taken again.
    void yazmaReddedilir_data()
    {
        QTest::addColumn<bool>("düzenleme");
        QTest::newRow("salt okunur dosya, ekleme") << false;
        QTest::newRow("reddedilen deyim, düzenleme") << true;
    }
    void yazmaReddedilir()
    {
        QFETCH(bool, düzenleme);
        const QString metinler = QStringLiteral("10|Ece NAZ|Şef|B|4");
        ortam->yanıtlar.push_back(Yanıt::Evet);
        Diyalogda(düzenleme ? "DeğiştirDüğmesi" : "EkleDüğmesi", [&] {
            if (düzenleme)
                sqlite3_exec(Veritabanı.Tutamaç(), "PRAGMA query_only=ON", nullptr, nullptr,
                             nullptr);
            else
                QVERIFY(ortam->VeritabanınıSaltOkunurYap());
            Tuş(Qt::Key_S, Qt::AltModifier);
            Doldur(düzenleme ? metinler : QStringLiteral("9|Ece NAZ|Şef|B|4"));
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
            QVERIFY(düzenleme || ortam->gösterilen[0].metin.contains(QStringLiteral("Kodu: 3027")));
            QVERIFY(!ortam->bitişKodu.has_value());
            QCOMPARE(Durum(), QStringLiteral("Kaydet|İptal|1|") +
                                  (düzenleme ? metinler : QStringLiteral("9|Ece NAZ|Şef|B|4")));
            QCOMPARE(Seçili(), QStringLiteral("Ali Veli"));
            sqlite3_exec(Veritabanı.Tutamaç(), "PRAGMA query_only=OFF", nullptr, nullptr, nullptr);
            QTest::mouseClick(D<QPushButton>("EkleKaydetDüğmesi"), Qt::LeftButton);
            QCOMPARE(f->isVisible(), !düzenleme);
        });
        QCOMPARE(Kayıtlar().startsWith(metinler), düzenleme);
    }
};

QTEST_MAIN(TestPersonelFormu)
#include "TestPersonelFormu.moc"
