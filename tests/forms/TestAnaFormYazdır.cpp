// Printing from the main window over a private cupsd: the sheets of the marked people reach the
// chosen queue in list order; a run called off, refused by the queue, or aimed at a printer
// removed while the choice was open prints nothing and keeps every mark.

#include "common/OrtakDeğişkenlerModülü.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/PdfMetni.h"
#include "gui/YazıcıApileri.h"

#include <QtPrintSupport>
#include <QtWidgets>
#include <cups/ipp.h>

using namespace Qt::StringLiterals;

class TestAnaFormYazdir : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<CupsSunucusu> sunucu;
    const QStringList Kişiler = {u"Ahmet Kaya"_s,   u"Ayşe Yılmaz"_s, u"Burak Çelik"_s,
                                 u"Cemile Şahin"_s, u"Deniz Öz"_s,    u"İrem Kılıç"_s};

    static auto* Yazıcılar(QDialog* s) { return s->findChild<QComboBox*>(u"YazıcıAdlarıKutusu"_s); }
    void Hazırla(const QStringList& kişiler)
    {
        Kur(kişiler);
        ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"_s);
        YazıcıVar = true;
        GeçerliYazıcıyıAyarla(sunucu->Kuyruk(0));
        Aç();
    }

private Q_SLOTS:
    void initTestCase()
    {
        sunucu = std::make_unique<CupsSunucusu>(QStringList{u"A"_s, u"B"_s, u"C"_s});
        if (!sunucu->Neden().isEmpty())
            QSKIP(qPrintable(u"özel yazdırma sunucusu yok: "_s + sunucu->Neden()));
    }
    void init() { Hazırla(Kişiler); }

    // One job per marked person on the printer chosen, in list order, each made current with
    // the print button off; the last stays shown. One removed by another program is reported,
    // the user goes on, and it keeps its mark. A holiday added meanwhile is on the sheets.
    void foyler()
    {
        ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#%1#)"_s.arg(
            QDate::currentDate().toString(u"M/1/yyyy"_s)));
        for (int satır : {5, 1, 3})
            İşaretle(satır);
        ortam->Çalıştır(Deyim::PersoneliSil(4));
        ortam->yanıtlar.push_back(Yanıt::Evet);
        std::vector<int> güncelOlanlar;
        connect(Liste(), &PersonelListeKutusu::currentRowChanged, this, [&](int satır) {
            güncelOlanlar.push_back(D<QPushButton>("YazdırDüğmesi")->isEnabled() ? -1 : satır);
        });
        Yazdır([&](QDialog* seçme) {
            QVERIFY(seçme->findChild<QLineEdit*>(u"BağlantıNoktasıKutusu"_s)
                        ->text()
                        .endsWith(sunucu->Kuyruk(0))); // the current printer's
            QTest::keyClick(Yazıcılar(seçme), Qt::Key_Down);
            Tamam(seçme);
        });
        disconnect(Liste(), &PersonelListeKutusu::currentRowChanged, this, nullptr);
        QCOMPARE(güncelOlanlar, (std::vector<int>{1, 3, 5}));
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        for (int satır : {1, 3, 5})
            QCOMPARE(İşaretli(satır), satır == 3);
        QCOMPARE(form->Tatiller.size(), size_t(1));
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), Kişiler[5]);
        const std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(sunucu->Kuyruk(1), 2);
        QCOMPARE(işler.size(), size_t(2));
        for (int i : {0, 1}) {
            QCOMPARE(işler[i].başlık, Kişiler[i ? 5 : 1] + u" - Mesai İmza Föyü"_s);
            QCOMPARE(işler[i].durum, int(IPP_JSTATE_COMPLETED));
            QCOMPARE(PdfMetni(işler[i].dosya).count(u'\f'), 1);
        }
    }

    // Each row chooses B first, on one spooler; the next press offers the choice again, without
    // a removed printer, and prints on A. A refusal is told when printed from the preview.
    void basilmayanIsIsaretleriKorur_data()
    {
        QTest::addColumn<QString>("olay");
        for (const char* olay : {"Esc", "ret", "kaldır"})
            QTest::newRow(olay) << QString::fromUtf8(olay);
    }
    void basilmayanIsIsaretleriKorur()
    {
        QFETCH(QString, olay);
        const QString a = sunucu->Kuyruk(0), b = sunucu->Kuyruk(1);
        const bool kaldır = olay == u"kaldır"_s;
        const size_t öncekiA = sunucu->İşleriBekle(a, 0).size();
        const size_t öncekiB = sunucu->İşleriBekle(b, 0).size();
        if (olay == u"ret"_s)
            sunucu->Komut(u"cupsreject"_s, {b});
        İşaretle(0);
        İşaretle(2);
        Yazdır([&](QDialog* seçme) {
            QTest::keyClick(Yazıcılar(seçme), Qt::Key_Down);
            if (olay == u"Esc"_s)
                return QTest::keyClick(seçme, Qt::Key_Escape);
            if (kaldır)
                QVERIFY2(sunucu->Komut(u"lpadmin"_s, {u"-x"_s, b}), "lpadmin -x");
            Tamam(seçme);
        });
        if (olay == u"ret"_s)
            QVERIFY(PenceredeYap(
                [this] { MenüdenSeç(D<QPushButton>("YazdırDüğmesi")); },
                [](QWidget* önizleme) { önizleme->findChild<QPrintPreviewWidget*>()->print(); }));
        sunucu->Komut(u"cupsaccept"_s, {b});
        QVERIFY(!ortam->bitişKodu);
        QVERIFY(!YazıcıSeçimiİptal);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QCOMPARE(ortam->gösterilen.size(), size_t(olay != u"Esc"_s));
        if (olay != u"Esc"_s) // the printer gone, or the refusal in the preview
            QVERIFY(ortam->gösterilen[0].metin.contains(kaldır ? b : u"yazdırılamadı!"_s));
        if (kaldır)
            QCOMPARE(ortam->gösterilen[0].başlık, u"Yazıcı bulunamadı!"_s);
        QVERIFY(kaldır || sunucu->İşleriBekle(b, 0).size() == öncekiB);
        QCOMPARE(sunucu->İşleriBekle(a, 0).size(), öncekiA);
        QVERIFY(İşaretli(0));
        QVERIFY(İşaretli(2));
        Yazdır([&](QDialog* seçme) {
            QCOMPARE(Yazıcılar(seçme)->findText(b) < 0, kaldır);
            Yazıcılar(seçme)->setCurrentIndex(0);
            Tamam(seçme);
        });
        QCOMPARE(sunucu->İşleriBekle(a, int(öncekiA) + 2).size(), öncekiA + 2);
        QVERIFY(!İşaretli(0));
        QVERIFY(!İşaretli(2));
    }

    // A long run stops where it is cancelled (the third sheet); a second activation starts none.
    void uzunBaskiIptalEdilir()
    {
        Hazırla(QStringList(40, u"Kişi"_s));
        QTimer bakış;
        connect(&bakış, &QTimer::timeout, this, [this] {
            if (auto* ilerleme = form->findChild<QProgressDialog*>()) {
                QEvent etkin(QEvent::WindowActivate);
                QApplication::sendEvent(form->findChild<QDialog*>(u"YazdırFormu"_s), &etkin);
                ilerleme->cancel();
            }
        });
        bakış.start(0);
        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        Yazdır(Tamam);
        for (int satır = 0; satır < 40; ++satır)
            QCOMPARE(İşaretli(satır), satır > 1);
    }
};

QTEST_MAIN(TestAnaFormYazdir)
#include "TestAnaFormYazdır.moc"
