// Printing from the main window, end to end, over a private cupsd with three queues: the printer
// choice, the sheets of the marked people as they come out of the spooler in list order, and the
// runs that print nothing: called off, refused by the queue, or aimed at a printer removed while
// the choice was open.

#include "common/OrtakDeğişkenlerModülü.h"
#include "common/YazıcıApileri.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "destek/AnaFormTesti.h"
#include "destek/CupsSunucusu.h"
#include "destek/KayıtYazıcısı.h"
#include "destek/SayfaResmi.h"
#include "destek/TestOrtamı.h"

#include <QComboBox>
#include <QLineEdit>
#include <cups/ipp.h>

using namespace Qt::StringLiterals;

namespace {
const QStringList Kişiler = {u"Ahmet Kaya"_s,   u"Ayşe Yılmaz"_s, u"Burak Çelik"_s,
                             u"Cemile Şahin"_s, u"Deniz Öz"_s,    u"İrem Kılıç"_s};

QComboBox* Yazıcılar(QDialog* seçme)
{
    return seçme->findChild<QComboBox*>(u"YazıcıAdlarıKutusu"_s);
}
} // namespace

class TestAnaFormYazdir : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<CupsSunucusu> sunucu;
    std::unique_ptr<TestOrtamı> ortam;

    // The jobs but those of the queue hariç: the spooler forgets a removed queue's jobs.
    std::vector<CupsSunucusu::İş> İşler(int adet = 0, const QString& hariç = {})
    {
        std::vector<CupsSunucusu::İş> işler = sunucu->İşleriBekle(adet);
        işler.erase(std::remove_if(işler.begin(), işler.end(),
                                   [&](auto& iş) { return iş.kuyruk == hariç; }),
                    işler.end());
        return işler;
    }

    // February 2024, with a holiday added since the month was chosen.
    void Dönem()
    {
        D<DüğmeliKutu>("YılKutusu")->SetValue(2024);
        D<QComboBox>("AyKutusu")->setCurrentIndex(1);
        ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#2/14/2024#)"_s);
    }

private Q_SLOTS:
    void initTestCase()
    {
        sunucu = std::make_unique<CupsSunucusu>(QStringList{u"A"_s, u"B"_s, u"C"_s});
        if (!sunucu->Hazır())
            QSKIP(qPrintable(u"özel yazdırma sunucusu yok: "_s + sunucu->Neden()));
    }
    void cleanupTestCase() { sunucu.reset(); }
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        for (int i = 0; i < Kişiler.size(); ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(QString::number(100 + i), Kişiler[i], u"Memur"_s,
                                                u"Acil"_s, QString::number(i + 1)));
        ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"_s);
        YazıcıVar = true;
        Aç();
    }
    void cleanup()
    {
        YazıcıNesnesiniAyarla(nullptr);
        form.reset();
        ortam.reset();
    }

    // The sheet is drawn from the window's boxes, period and holidays, the day's three columns
    // saying so.
    void foyPencereninBilgileriyle()
    {
        Dönem();
        KayıtYazıcısı kayıt;
        YazıcıNesnesiniAyarla(&kayıt);
        İşaretle(3);
        Yazdır([](QDialog* seçme) { Tamam(seçme); });
        QStringList metinler;
        for (const Çizim& ç : kayıt.Belge(0))
            metinler << ç.metin;
        for (const QString& değer : {u"ÇAĞLAYAN HASTANESİ MESAİ İMZA FÖYÜ - ŞUBAT 2024"_s,
                                     Kişiler[3], u"103"_s, u"Memur"_s, u"Acil"_s})
            QVERIFY2(metinler.count(değer) == 1, qPrintable(değer));
        QCOMPARE(metinler.count(u"TATİL"_s), 3);
    }

    // The choice lists the queues with the current one's connection, which follows the arrow.
    // Then one job per marked person on the printer chosen, in list order, each made current
    // with the print button off; the last stays shown. One removed by another program is
    // reported, the user goes on, and it keeps its mark. The sheets are of the window's month.
    void foyler()
    {
        Dönem();
        const size_t önce = İşler().size();
        for (int satır : {5, 1, 3})
            İşaretle(satır);
        ortam->Çalıştır(Deyim::PersoneliSil(4));
        ortam->yanıtlar.push_back(Yanıt::Evet);
        std::vector<int> güncelOlanlar;
        connect(Liste(), &QListWidget::currentRowChanged, this, [&](int satır) {
            güncelOlanlar.push_back(D<QPushButton>("YazdırDüğmesi")->isEnabled() ? -1 : satır);
        });
        Yazdır([&](QDialog* seçme) {
            QComboBox* liste = Yazıcılar(seçme);
            auto* bağlantı = seçme->findChild<QLineEdit*>(u"BağlantıNoktasıKutusu"_s);
            QCOMPARE(liste->count(), 3);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(liste->itemText(i), sunucu->Kuyruk(i));
            QCOMPARE(bağlantı->text(), u"cups-pdf:/"_s + sunucu->Kuyruk(0));
            QTest::keyClick(liste, Qt::Key_Down);
            QCOMPARE(bağlantı->text(), u"cups-pdf:/"_s + sunucu->Kuyruk(1));
            QCOMPARE(GeçerliYazıcıAdı(), sunucu->Kuyruk(0));
            Tamam(seçme);
        });
        disconnect(Liste(), &QListWidget::currentRowChanged, this, nullptr);
        QCOMPARE(güncelOlanlar, (std::vector<int>{1, 3, 5}));
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(!İşaretli(1) && İşaretli(3) && !İşaretli(5));
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), Kişiler[5]);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        const std::vector<CupsSunucusu::İş> işler = İşler(int(önce) + 2);
        QCOMPARE(işler.size(), önce + 2);
        for (int i : {1, 5}) {
            const CupsSunucusu::İş& iş = işler.at(önce + (i == 5));
            QCOMPARE(iş.başlık, Kişiler[i] + u" - Mesai İmza Föyü"_s);
            QCOMPARE(iş.kuyruk, sunucu->Kuyruk(1));
            QCOMPARE(iş.durum, int(IPP_JSTATE_COMPLETED));
            QCOMPARE(PdfMetni(iş.dosya).count(u'\f'), 1);
        }
        // The frame, the three rules and 29 row bars, and the five vertical lines, all inside
        // the page.
        const QImage resim =
            PdfResmi(işler.at(önce).dosya, 100, ortam->ProgramKlasörü() + u"is.png"_s);
        const std::vector<int> yatay = YatayÇizgiler(resim, 0.8);
        const std::vector<int> dikey = DikeyÇizgiler(resim, 0.6);
        QVERIFY(yatay.size() == 34 && yatay.front() > 0 && yatay.back() < resim.height() - 1);
        QVERIFY(dikey.size() == 5 && dikey.front() > 0 && dikey.back() < resim.width() - 1);
    }

    // A run left by Esc or "İptal", refused by the queue, or aimed at a removed printer prints
    // nothing and keeps every mark; the next press offers the choice again, without a removed
    // printer, and prints. The close box lets the run go on, on the current printer: moving in
    // the list chooses nothing. Rows run in order on one spooler: B is removed after being
    // chosen, then A while it is the current printer.
    void basilmayanIsIsaretleriKorur_data()
    {
        QTest::addColumn<QString>("olay");
        QTest::addColumn<int>("aşağı");
        for (const QString& satır :
             {u"Esc:1"_s, u"İptal:1"_s, u"kapat:1"_s, u"ret:0"_s, u"kaldır:1"_s, u"kaldır:0"_s})
            QTest::newRow(qPrintable(satır))
                << satır.section(u':', 0, 0) << satır.section(u':', 1).toInt();
    }
    void basilmayanIsIsaretleriKorur()
    {
        QFETCH(QString, olay);
        QFETCH(int, aşağı);
        GeçerliYazıcıyıAyarla(sunucu->Kuyruk(0));
        const QString ad = sunucu->Kuyruk(aşağı);
        const bool kaldır = olay == u"kaldır"_s;
        const size_t önce = İşler(0, kaldır ? ad : QString()).size();
        if (olay == u"ret"_s)
            sunucu->Komut(u"cupsreject"_s, {ad});
        İşaretle(0);
        İşaretle(2);
        Yazdır([&](QDialog* seçme) {
            QTest::keyClick(Yazıcılar(seçme), aşağı ? Qt::Key_Down : Qt::Key_Home);
            if (olay == u"Esc"_s)
                return QTest::keyClick(seçme, Qt::Key_Escape);
            if (olay == u"İptal"_s)
                return QTest::mouseClick(seçme->findChild<QPushButton*>(u"İptalDüğmesi"_s),
                                         Qt::LeftButton);
            if (olay == u"kapat"_s)
                return void(seçme->close());
            if (kaldır)
                QVERIFY2(sunucu->Komut(u"lpadmin"_s, {u"-x"_s, ad}), "lpadmin -x");
            Tamam(seçme);
        });
        sunucu->Komut(u"cupsaccept"_s, {ad});
        QVERIFY(!ortam->bitişKodu && !YazıcıSeçimiİptal);
        QVERIFY(D<QPushButton>("YazdırDüğmesi")->isEnabled());
        QString kalan = sunucu->Kuyruk(0);
        if (olay != u"kapat"_s) {
            QCOMPARE(ortam->gösterilen.size(), size_t(kaldır));
            QVERIFY(!kaldır || (ortam->gösterilen[0].başlık == u"Yazıcı bulunamadı!"_s &&
                                ortam->gösterilen[0].metin.contains(ad)));
            QCOMPARE(İşler(0, kaldır ? ad : QString()).size(), önce);
            QVERIFY(İşaretli(0) && İşaretli(2));
            Yazdır([&](QDialog* seçme) {
                QCOMPARE(Yazıcılar(seçme)->findText(ad) < 0, kaldır);
                Yazıcılar(seçme)->setCurrentIndex(0);
                kalan = Yazıcılar(seçme)->currentText();
                Tamam(seçme);
            });
        }
        const std::vector<CupsSunucusu::İş> işler = İşler(int(önce) + 2, kaldır ? ad : QString());
        QCOMPARE(işler.size(), önce + 2);
        QVERIFY(işler[önce].kuyruk == kalan && işler[önce + 1].kuyruk == kalan);
        QVERIFY(!İşaretli(0) && !İşaretli(2));
    }
};

QTEST_MAIN(TestAnaFormYazdir)
#include "TestAnaFormYazdır.moc"
