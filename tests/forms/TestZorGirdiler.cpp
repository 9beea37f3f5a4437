// Awkward text pasted into the institution dialog: very long, control characters, emoji, a
// lone apostrophe, only spaces. What is stored is exactly the box's text put right, or the
// dialog refuses with its message; the file stays sound. Text dropped with the mouse never
// reaches an entry box, since it would skip the box's leave check.
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"
#include "forms/KurumBilgisiGirişiFormu.h"
#include "forms/PersonelFormu.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {
QStringList Sütun(const QString& seçim)
{
    QStringList s;
    SonuçKümesi küme = Veritabanı.KayıtKümesiAç(seçim);
    for (; !küme.EOF_(); küme.SonrakineGeç())
        s << küme.Alan(0).toString();
    küme.Kapat();
    return s;
}
} // namespace

class TestZorGirdiler : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;

private Q_SLOTS:
    void init() { ortam.emplace().VeritabanınıAç(); }
    void cleanup() { ortam.reset(); }

    void kurumAdi_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<bool>("kaydedilir");
        QTest::newRow("on bin karakter") << QString(10000, u'ç') << true;
        QTest::newRow("denetim karakterleri") << u"ab\x01"
                                                 "c\x7f"
                                                 "d\x1b"
                                                 "e\x07"
                                                 "f"_s
                                              << true;
        QTest::newRow("emoji ve tırnaklar") << u"😀 kurum \"'#1/1/2024#'\" 🙂"_s << true;
        QTest::newRow("sınırda emoji") << QString(199, u'a') + u"😀"_s << true;
        QTest::newRow("yalnız kesme") << u"'"_s << false;
        QTest::newRow("yalnız boşluk") << QString(50, u' ') << false;
    }
    void kurumAdi()
    {
        QFETCH(QString, metin);
        QFETCH(bool, kaydedilir);
        QWidget sahip;
        KurumBilgisiGirişiFormu form(&sahip);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* kutu = form.findChild<QPlainTextEdit*>(u"KurumBilgisiKutusu"_s);
        QApplication::clipboard()->setText(metin);
        QTest::keyClick(kutu, Qt::Key_V, Qt::ControlModifier);
        const QString yapışan = kutu->toPlainText();
        QVERIFY(yapışan.isValidUtf16());
        QCOMPARE(yapışan,
                 metin.left(metin.at(qMin(metin.size(), 200) - 1).isHighSurrogate() ? 199 : 200));
        QTest::keyClick(kutu, Qt::Key_Tab);
        const QString düzgün = KurumAdınıDüzelt(yapışan);
        QCOMPARE(kutu->toPlainText(), düzgün);
        QTest::mouseClick(form.findChild<QPushButton*>(u"KaydetDüğmesi"_s), Qt::LeftButton);
        QCOMPARE(form.isVisible(), !kaydedilir);
        QCOMPARE(Sütun(u"SELECT KurumAdi FROM KurumTablosu"_s),
                 kaydedilir ? QStringList{düzgün} : QStringList());
        QCOMPARE(ortam->gösterilen.empty(), kaydedilir);
        QVERIFY(kaydedilir || ortam->gösterilen[0].metin ==
                                  u"Kurum bilgisinin en az 5 karakter olması gerekiyor!");
        QVERIFY(!kaydedilir || KurumAdı == düzgün);
        QCOMPARE(Sütun(u"PRAGMA integrity_check"_s), QStringList{u"ok"_s});
    }

    // Drags text over the middle of each entry box the way the window system does, through the
    // box's window: the window does not let the drag in.
    void birakilanMetinAlinmaz()
    {
        AnaForm ana;
        ana.Yükle();
        PersonelFormu personel(ana);
        KurumBilgisiGirişiFormu kurum(&ana);
        const QList<std::pair<QWidget*, const char16_t*>> kutular = {
            {&personel, u"SiciliKutusu"}, {&personel, u"AdıSoyadıKutusu"},
            {&personel, u"ÜnvanıKutusu"}, {&personel, u"ServisiKutusu"},
            {&personel, u"SıraNoKutusu"}, {&kurum, u"KurumBilgisiKutusu"},
            {&ana, u"BulKutusu"},         {&ana, u"DeğerKutusu"}};
        for (const auto& [pencere, ad] : kutular) {
            pencere->show();
            QVERIFY(QTest::qWaitForWindowExposed(pencere));
            QWidget* kutu = pencere->findChild<QWidget*>(QString::fromUtf16(ad));
            for (QWidget* w = kutu; w; w = w->parentWidget()) // the staff boxes open shut
                w->setEnabled(true);
            QMimeData veri;
            veri.setText(u"ayşe', 'a'), (99, 'ikinci"_s);
            QDragEnterEvent giriş(kutu->mapTo(pencere, kutu->rect().center()), Qt::CopyAction,
                                  &veri, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(pencere->windowHandle(), &giriş);
            QVERIFY2(!giriş.isAccepted(), qPrintable(QString::fromUtf16(ad)));
        }
    }
};

QTEST_MAIN(TestZorGirdiler)
#include "TestZorGirdiler.moc"
