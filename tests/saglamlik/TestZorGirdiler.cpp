// Awkward text pasted into the institution and staff dialogs: very long, control characters,
// emoji, a lone apostrophe, only spaces. What is stored is exactly the box's text put right, or
// the dialog refuses with its own message; no statement breaks and the file stays sound. Text
// dropped with the mouse never reaches an entry box, since it would skip the box's leave check.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "controls/DüğmeliKutu.h"
#include "data/Veritabanı.h"
#include "destek/TestKlavyesi.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/KurumBilgisiGirişiFormu.h"
#include "forms/PersonelFormu.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <sqlite3.h>

namespace {

QString Yapıştır(QWidget* alan, const QString& metin)
{
    QApplication::clipboard()->setText(metin);
    QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
    if (auto* satır = qobject_cast<QLineEdit*>(alan))
        return satır->text();
    return qobject_cast<QPlainTextEdit*>(alan)->toPlainText();
}

bool YarımKarakterVar(const QString& metin)
{
    for (qsizetype i = 0; i < metin.size(); ++i) {
        if (metin[i].isHighSurrogate() && (i + 1 == metin.size() || !metin[i + 1].isLowSurrogate()))
            return true;
        if (metin[i].isLowSurrogate() && (i == 0 || !metin[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

QStringList Sütun(const char* seçim)
{
    QStringList s;
    SonuçKümesi küme = Veritabanı.KayıtKümesiAç(QString::fromUtf8(seçim));
    for (; !küme.EOF_(); küme.SonrakineGeç())
        s << küme.Alan(0).toString();
    küme.Kapat();
    return s;
}

QString Sağlamlık()
{
    QString sonuç;
    sqlite3_exec(
        Veritabanı.Tutamaç(), "PRAGMA integrity_check",
        [](void* s, int, char** değerler, char**) {
            *static_cast<QString*>(s) += QString::fromUtf8(değerler[0]);
            return 0;
        },
        &sonuç, nullptr);
    return sonuç;
}

// Drags text over the middle of a box the way the window system does, through the box's window,
// and drops it there if the window lets the drag in. Says whether the drop was taken.
bool Bırak(QWidget* kutu, const QString& metin)
{
    QMimeData veri;
    veri.setText(metin);
    QWindow* pencere = kutu->window()->windowHandle();
    const QPoint yer = kutu->mapTo(kutu->window(), kutu->rect().center());
    QDragEnterEvent giriş(yer, Qt::CopyAction | Qt::MoveAction, &veri, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(pencere, &giriş);
    if (!giriş.isAccepted())
        return false;
    QDropEvent bırakma(QPointF(yer), Qt::CopyAction | Qt::MoveAction, &veri, Qt::LeftButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(pencere, &bırakma);
    return bırakma.isAccepted();
}

QString Metni(QWidget* kutu)
{
    if (auto* satır = qobject_cast<QLineEdit*>(kutu))
        return satır->text();
    return qobject_cast<QPlainTextEdit*>(kutu)->toPlainText();
}

const QString Denetim = QStringLiteral("ab\x01"
                                       "c\x7f"
                                       "d\x1b"
                                       "e\x07"
                                       "f");

} // namespace

class TestZorGirdiler : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;

    template <class T> static T* D(QWidget* w, const char* ad)
    {
        T* d = w->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
    }
    void cleanup() { ortam.reset(); }

    void kurumAdi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("kaydedilir");
        QTest::newRow("on bin karakter") << QString(10000, QChar(0x00e7)) << true;
        QTest::newRow("denetim karakterleri") << Denetim << true;
        QTest::newRow("emoji") << QStringLiteral("😀 kurum 🙂") << true;
        QTest::newRow("sınırda emoji")
            << QString(199, QLatin1Char('a')) + QStringLiteral("😀") << true;
        QTest::newRow("yalnız kesme") << QStringLiteral("'") << false;
        QTest::newRow("yalnız boşluk") << QString(50, QLatin1Char(' ')) << false;
    }
    void kurumAdi()
    {
        QFETCH(QString, metin);
        QFETCH(bool, kaydedilir);
        QWidget sahip;
        KurumBilgisiGirişiFormu form(&sahip);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* kutu = D<QPlainTextEdit>(&form, "KurumBilgisiKutusu");
        const QString yapışan = Yapıştır(kutu, metin);
        QVERIFY(yapışan.size() <= 200);
        QVERIFY(!YarımKarakterVar(yapışan));
        if (metin.size() > 200 && !metin.contains(QChar(0xd83d)))
            QCOMPARE(yapışan, metin.left(200));
        QTest::keyClick(kutu, Qt::Key_Tab);
        const QString düzgün = KurumAdınıDüzelt(yapışan);
        QCOMPARE(kutu->toPlainText(), düzgün);
        QTest::mouseClick(D<QPushButton>(&form, "KaydetDüğmesi"), Qt::LeftButton);
        if (kaydedilir) {
            QVERIFY(ortam->gösterilen.empty());
            QVERIFY(!form.isVisible());
            QCOMPARE(Sütun("SELECT KurumAdi FROM KurumTablosu"), QStringList{düzgün});
            QCOMPARE(KurumAdı, düzgün);
        } else {
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            QCOMPARE(ortam->gösterilen[0].metin,
                     QStringLiteral("Kurum bilgisinin en az 5 karakter olması gerekiyor!"));
            QVERIFY(form.isVisible());
            QVERIFY(Sütun("SELECT KurumAdi FROM KurumTablosu").isEmpty());
        }
        QCOMPARE(Sağlamlık(), QStringLiteral("ok"));
    }

    void birakilanMetinAlinmaz_data()
    {
        QTest::addColumn<QString>("pencere");
        QTest::addColumn<QString>("kutu");
        for (const char* kutu :
             {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu", "SıraNoKutusu"})
            QTest::newRow(kutu) << QStringLiteral("personel") << QString::fromUtf8(kutu);
        QTest::newRow("kurum") << QStringLiteral("kurum") << QStringLiteral("KurumBilgisiKutusu");
        QTest::newRow("bul") << QStringLiteral("ana") << QStringLiteral("BulKutusu");
        QTest::newRow("yıl") << QStringLiteral("ana") << QStringLiteral("YılKutusu");
    }
    void birakilanMetinAlinmaz()
    {
        QFETCH(QString, pencere);
        QFETCH(QString, kutu);
        AnaForm ana;
        ana.Yükle();
        std::unique_ptr<QWidget> form;
        if (pencere == QLatin1String("personel"))
            form = std::make_unique<PersonelFormu>(ana);
        else if (pencere == QLatin1String("kurum"))
            form = std::make_unique<KurumBilgisiGirişiFormu>(&ana);
        QWidget* açık = form ? form.get() : &ana;
        açık->show();
        QVERIFY(QTest::qWaitForWindowExposed(açık));
        QWidget* hedef = açık->findChild<QWidget*>(kutu);
        QVERIFY(hedef);
        if (auto* düğmeli = qobject_cast<DüğmeliKutu*>(hedef))
            hedef = düğmeli->findChild<QLineEdit*>();
        // The staff dialog opens with its boxes shut until a button opens them for typing.
        for (QWidget* w = hedef; w; w = w->parentWidget())
            w->setEnabled(true);
        const QString önce = Metni(hedef);
        QVERIFY(!Bırak(hedef, QStringLiteral("ayşe yılmaz', 'a', 'b', '1'), (99, 'ikinci")));
        QCOMPARE(Metni(hedef), önce);
    }

    void personel_data()
    {
        QTest::addColumn<QString>("ad");
        QTest::addColumn<QString>("unvan");
        QTest::addColumn<QString>("mesaj"); // empty: saved
        QTest::newRow("on bin karakter") << QStringLiteral("ali ") + QString(9996, QChar(0x0131))
                                         << QString(10000, QLatin1Char('x')) << QString();
        QTest::newRow("denetim karakterleri")
            << QStringLiteral("veli ") + Denetim << Denetim + QStringLiteral(" şef") << QString();
        QTest::newRow("satır sonları")
            << QStringLiteral("ali\r\nkaya\n") << QStringLiteral("a\nb") << QString();
        QTest::newRow("emoji") << QStringLiteral("ayşe 😀 kaya") << QStringLiteral("🙂 uzman")
                               << QString();
        QTest::newRow("sekme") << QStringLiteral("ali\tveli kaya") << QStringLiteral("a\tb")
                               << QString();
        QTest::newRow("kesme") << QStringLiteral("o'neil kaya") << QStringLiteral("'") << QString();
        QTest::newRow("tırnak ve diyez")
            << QStringLiteral("ali \"kaya\" #1/1/2024#") << QStringLiteral("--; x") << QString();
        QTest::newRow("yalnız kesme") << QStringLiteral("'") << QStringLiteral("'")
                                      << QStringLiteral("Personelin SOYADI'nı girmeniz gerekiyor!");
    }
    void personel()
    {
        QFETCH(QString, ad);
        QFETCH(QString, unvan);
        QFETCH(QString, mesaj);
        AnaForm ana;
        ana.Yükle();
        QVERIFY(QTest::qWaitForWindowActive(&ana));
        QString görünenAd, görünenÜnvan;
        bool açıldı = false;
        QTimer::singleShot(0, this, [&] {
            auto* f = qobject_cast<PersonelFormu*>(QApplication::activeModalWidget());
            QVERIFY(f);
            açıldı = true;
            const auto sonunda = qScopeGuard([f] { f->reject(); });
            QTRY_COMPARE(QApplication::activeWindow(), f);
            KlavyedenYaz(QApplication::focusWidget(), QStringLiteral("42"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto* adKutusu = D<QLineEdit>(f, "AdıSoyadıKutusu");
            auto* ünvanKutusu = D<QLineEdit>(f, "ÜnvanıKutusu");
            const QString yapışanAd = Yapıştır(adKutusu, ad);
            QTest::keyClick(adKutusu, Qt::Key_Tab);
            const QString yapışanÜnvan = Yapıştır(ünvanKutusu, unvan);
            QTest::keyClick(ünvanKutusu, Qt::Key_Tab);
            görünenAd = adKutusu->text();
            görünenÜnvan = ünvanKutusu->text();
            QCOMPARE(görünenAd, AdıSoyadıDüzelt(yapışanAd));
            QCOMPARE(görünenÜnvan, ÜnvanıDüzelt(yapışanÜnvan));
            QVERIFY(!görünenAd.contains(QLatin1Char('\'')));
            KlavyedenYaz(QApplication::focusWidget(), QStringLiteral("a"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::mouseClick(D<QPushButton>(f, "EkleKaydetDüğmesi"), Qt::LeftButton);
            QCOMPARE(D<QLineEdit>(f, "SiciliKutusu")->text().isEmpty(), mesaj.isEmpty());
        });
        QTest::mouseClick(D<QPushButton>(&ana, "EkleDüğmesi"), Qt::LeftButton);
        QVERIFY(açıldı);
        QCOMPARE(ortam->gösterilen.empty() ? QString() : ortam->gösterilen.back().metin, mesaj);
        const QStringList saklanan = mesaj.isEmpty() ? QStringList{görünenAd} : QStringList();
        QCOMPARE(Sütun("SELECT AdiSoyadi FROM PersonelBilgileriTablosu"), saklanan);
        if (mesaj.isEmpty())
            QCOMPARE(Sütun("SELECT Unvani FROM PersonelBilgileriTablosu"),
                     QStringList{görünenÜnvan});
        QCOMPARE(Sağlamlık(), QStringLiteral("ok"));
    }
};

QTEST_MAIN(TestZorGirdiler)
#include "TestZorGirdiler.moc"
