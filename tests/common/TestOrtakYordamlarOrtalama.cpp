// The program's real message box over real windows: where it stands, and what Esc and the title
// bar's close button do to it.
#include "common/OrtakYordamlarModülü.h"
#include "common/QtMesajKutusu.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {
// Shows one real message box through göster and returns where it stood, answering it as soon
// as it is up.
QRect KutununYeri(const std::function<void()>& göster)
{
    QRect yer;
    QTimer bekçi;
    QObject::connect(&bekçi, &QTimer::timeout, &bekçi, [&] {
        if (auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            yer = kutu->frameGeometry();
            kutu->button(QMessageBox::Ok)->click();
        }
    });
    bekçi.start(10);
    göster();
    return yer;
}

// A long text with a line break: a message box takes its final size only in its own show
// handler, later than for a short one-line text.
void KutuGöster()
{
    QtMesajKutusu(Mesaj{QStringLiteral("Veritabanı dosyası açılamadı. Dosya başka bir program "
                                       "tarafından kullanılıyor olabilir.\nHata No: 3051"),
                        MesajSimgesi::Kritik, MesajDüğmeleri::Tamam});
}

void OrtalanmışKutuGöster()
{
    MesajKutusunuOrtala();
    KutuGöster();
}

QPointF Merkez(const QRect& r)
{
    return {r.x() + r.width() / 2.0, r.y() + r.height() / 2.0};
}
} // namespace

class TestOrtakYordamlarOrtalama : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> pencere;

    void PencereyiAç(const QRect& yer)
    {
        pencere = std::make_unique<QWidget>();
        pencere->setWindowTitle(QStringLiteral("Tessaro"));
        pencere->setGeometry(yer);
        pencere->show();
        QVERIFY(QTest::qWaitForWindowActive(pencere.get()));
    }

    // Closing a box does not hand the activation back on this platform: the test does.
    static void Etkinleştir(QWidget* w)
    {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

private Q_SLOTS:
    void cleanup() { pencere.reset(); }

    // A question is answered only by its buttons; a box with a single OK takes Esc as OK.
    void SoruYalnizcaDugmeyleYanitlanir_data()
    {
        QTest::addColumn<bool>("soru");
        QTest::addColumn<bool>("kapatDüğmesi"); // otherwise Esc
        QTest::newRow("soruda Esc") << true << false;
        QTest::newRow("soruda kapatma") << true << true;
        QTest::newRow("tamam kutusunda Esc") << false << false;
    }
    void SoruYalnizcaDugmeyleYanitlanir()
    {
        QFETCH(bool, soru);
        QFETCH(bool, kapatDüğmesi);
        bool açıkKaldı = false;
        QTimer::singleShot(0, [&] {
            auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(kutu);
            if (kapatDüğmesi)
                kutu->close();
            else
                QTest::keyClick(kutu, Qt::Key_Escape);
            QTest::qWait(20);
            açıkKaldı = kutu->isVisible();
            if (açıkKaldı)
                kutu->button(QMessageBox::Yes)->click();
        });
        const Yanıt yanıt =
            QtMesajKutusu(Mesaj{QStringLiteral("Devam edilsin mi?"), MesajSimgesi::Soru,
                                soru ? MesajDüğmeleri::EvetHayır : MesajDüğmeleri::Tamam,
                                QStringLiteral("Tessaro"), Yanıt::Hayır});
        QCOMPARE(açıkKaldı, soru);
        QCOMPARE(yanıt, soru ? Yanıt::Evet : Yanıt::Tamam);
    }

    void KutuPencereninOrtasinaGelir_data()
    {
        QTest::addColumn<QRect>("yer");
        QTest::newRow("sol üst") << QRect(20, 30, 500, 300);
        QTest::newRow("sağ alt") << QRect(380, 260, 401, 287);
        QTest::newRow("küçük") << QRect(150, 400, 120, 90);
    }

    void KutuPencereninOrtasinaGelir()
    {
        QFETCH(QRect, yer);
        PencereyiAç(yer);
        const QRect kutu = KutununYeri(OrtalanmışKutuGöster);
        QVERIFY(kutu.isValid());
        const QPointF fark = Merkez(kutu) - Merkez(pencere->frameGeometry());
        QVERIFY2(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1,
                 qPrintable(QStringLiteral("kutu %1,%2 %3x%4")
                                .arg(kutu.x())
                                .arg(kutu.y())
                                .arg(kutu.width())
                                .arg(kutu.height())));
    }

    void EksiKonumdakiPencereKutuyuYerindeBirakir()
    {
        PencereyiAç(QRect(-300, 40, 500, 300));
        QVERIFY(pencere->frameGeometry().x() < 0);
        const QRect sistemin = KutununYeri(KutuGöster);
        Etkinleştir(pencere.get());
        QCOMPARE(KutununYeri(OrtalanmışKutuGöster), sistemin);

        // The next arming over a window in view centres again.
        pencere->move(100, 100);
        QTRY_COMPARE(pencere->frameGeometry().topLeft(), QPoint(100, 100));
        Etkinleştir(pencere.get());
        const QPointF fark =
            Merkez(KutununYeri(OrtalanmışKutuGöster)) - Merkez(pencere->frameGeometry());
        QVERIFY(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1);
    }

    void KutusuzKurulumSonrakiPencereyiOynatmaz()
    {
        PencereyiAç(QRect(0, 0, 300, 200));
        const QRect sistemin = KutununYeri(KutuGöster);
        QVERIFY(qAbs(Merkez(sistemin).x() - Merkez(pencere->frameGeometry()).x()) > 2);

        Etkinleştir(pencere.get());
        MesajKutusunuOrtala();
        QTest::qWait(20);
        QCOMPARE(KutununYeri(KutuGöster), sistemin);

        QWidget sonraki;
        sonraki.setGeometry(QRect(400, 300, 200, 100));
        Etkinleştir(pencere.get());
        MesajKutusunuOrtala();
        QTest::qWait(20);
        sonraki.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sonraki));
        QCOMPARE(sonraki.geometry(), QRect(400, 300, 200, 100));
    }

    void IkinciKurulumIlkininYerineGecer()
    {
        PencereyiAç(QRect(0, 0, 300, 200));
        const QRect sistemin = KutununYeri(KutuGöster);
        QWidget öteki;
        öteki.setGeometry(QRect(350, 250, 400, 300));
        öteki.show();
        QVERIFY(QTest::qWaitForWindowExposed(&öteki));

        QApplication::setActiveWindow(pencere.get());
        MesajKutusunuOrtala();
        QApplication::setActiveWindow(&öteki);
        const QRect kutu = KutununYeri(OrtalanmışKutuGöster);
        const QPointF fark = Merkez(kutu) - Merkez(öteki.frameGeometry());
        QVERIFY(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1);

        // One arming, one box: the box after it stands where the system puts it.
        Etkinleştir(&öteki);
        QCOMPARE(KutununYeri(KutuGöster), sistemin);
    }
};

QTEST_MAIN(TestOrtakYordamlarOrtalama)
#include "TestOrtakYordamlarOrtalama.moc"
