// The institution name dialog driven through its real widgets, checked against Tsr.vtb.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Veritabanı.h"
#include "destek/Girdiler.h"
#include "destek/TestOrtamı.h"
#include "forms/KurumBilgisiGirişiFormu.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

class KurumBilgisiTesti : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam; // a fresh one for each row, gone after its dialog
    std::unique_ptr<KurumBilgisiGirişiFormu> form;
    QPlainTextEdit* kutu = nullptr;

    // Opens the dialog on a fresh file holding the name ad (unread at start-up when it ends in '?')
    // and types metin over the selection, each part after Ctrl+V's character pasted.
    void Aç(const QString& ad, const QString& metin)
    {
        form.reset();
        ortam.reset();
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        if (!ad.isEmpty())
            ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('%1')"_s.arg(ad));
        KurumAdı = ad.endsWith(u'?') ? QString() : ad;
        form = std::make_unique<KurumBilgisiGirişiFormu>(nullptr);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        kutu = form->findChild<QPlainTextEdit*>(u"KurumBilgisiKutusu"_s);
        KlavyedenYaz(kutu, metin.section(u'\x16', 0, 0));
        for (const QString& yapıştırılan : metin.split(u'\x16').mid(1)) {
            QApplication::clipboard()->setText(yapıştırılan);
            QTest::keyClick(kutu, Qt::Key_V, Qt::ControlModifier);
        }
    }
    QString Durum() const // the stored rows, the name in force, the box's text
    {
        SonuçKümesi k =
            Veritabanı.KayıtKümesiAç(u"SELECT group_concat(KurumAdi, '|') FROM KurumTablosu"_s);
        return k.Alan(0).toString() + u'/' + KurumAdı + u'/' + kutu->toPlainText();
    }

private Q_SLOTS:
    // Alt+K leaves the focus in the box: the text is still put right before it is checked and
    // stored (in the one row). Under 5 letters, or on a full disk, the dialog stays open with the
    // focus in the box. A paste is cut to 200 characters, never inside one nor into what was there.
    void kaydetmek_data()
    {
        QTest::addColumn<QString>("yazılan"); // the stored name, '>', what is typed
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("durum");
        const QString kısa = u"Kurum bilgisinin en az 5 karakter olması gerekiyor!"_s;
        const QString düzgün = u"İLÇE MİLLİ EĞİTİM’İN"_s;
        QTest::newRow("kısa") << u">  abcd  "_s << kısa << u"//ABCD"_s;
        QTest::newRow("düzeltme") << u"> ilçe milli eğitim'in "_s << QString()
                                  << düzgün + u'/' + düzgün + u'/' + düzgün;
        const QString uzun(200, u'Ç'), emoji(199, u'A');
        QTest::newRow("uzun") << u">\x16"_s + QString(201, u'ç') + u"\x16\xDC00z"_s << QString()
                              << uzun + u'/' + uzun + u'/' + uzun;
        QTest::newRow("sınırda emoji") << u">\x16"_s + QString(199, u'a') + u"😀"_s << QString()
                                       << emoji + u'/' + emoji + u'/' + emoji;
        QTest::newRow("okunamamış ad") << u"ESKİ?>kurum"_s << QString() << u"KURUM/KURUM/KURUM"_s;
        QTest::newRow("dolu disk")
            << u"ESKİ>kurum"_s << u"Hata Kodu: 3026"_s << u"ESKİ/ESKİ/KURUM"_s;
    }
    void kaydetmek()
    {
        QFETCH(QString, yazılan);
        QFETCH(QString, mesaj);
        QFETCH(QString, durum);
        Aç(yazılan.section(u'>', 0, 0), yazılan.section(u'>', 1));
        if (mesaj.endsWith(u'6') && !ortam->VeritabanınıDoluDiskeTaşı()) // "Hata Kodu: 3026"
            QSKIP("tmpfs bağlanamadı");
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::keyClick(kutu, Qt::Key_K, Qt::AltModifier);
        QTRY_VERIFY(!form->isVisible() || !ortam->gösterilen.empty());
        QCOMPARE(Durum(), durum);
        QCOMPARE(form->isVisible(), !mesaj.isEmpty());
        QCOMPARE(ortam->gösterilen.size(), size_t(!mesaj.isEmpty()));
        QVERIFY(mesaj.isEmpty() || ortam->gösterilen[0].metin.contains(mesaj));
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(!mesaj.startsWith(u'K') || kutu->hasFocus());
    }
};

QTEST_MAIN(KurumBilgisiTesti)
#include "TestKurumBilgisiGirişiFormu.moc"
