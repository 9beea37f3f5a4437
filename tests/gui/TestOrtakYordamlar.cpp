// Capitalisation, list search, highlight; the real message box's place and answers; an error
// under each guard, then one step under each guard: none runs once the program has ended.
#include "common/Hata.h"
#include "common/HataYönet.h"
#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "controls/ListeKutusu.h"
#include "destek/TestOrtamı.h"
#include "gui/OrtakYordamlarModülü.h"
#include "gui/QtMesajKutusu.h"
#include "startup/QtÇevirisi.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestOrtakYordamlar : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    QStringList olaylar;

private Q_SLOTS:
    void init()
    {
        olaylar.clear();
        OrtalamaYordamınıAyarla([this] { olaylar << u"ortala%1"_s.arg(ortam->gösterilen.size()); });
    }
    void cleanup() { OrtalamaYordamınıAyarla({}), ortam.reset(); }

    // Each word capitalised by Turkish rules, the last one then in capitals; again, no change.
    void metinler()
    {
        for (const QString& çift :
             u"ışık iSTANBUL=Işık İstanbul=Işık İSTANBUL|dİYARBAKIR=Diyarbakır=Diyarbakır|"
             u"  ali   veli  =Ali   Veli=Ali   VELİ|   ==|ßahin ﬁliz=ßahin ﬁliz=ßahin FILİZ"_s
                 .split(u'|')) {
            const QStringList s = çift.split(u'=');
            QCOMPARE(İlkHarfleriBüyüt(s[0]), s[1]);
            QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(s[0])), s[2]);
            QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(s[2])), s[2]);
        }
        ListeKutusu liste; // "is" finds nothing: i is not the small I
        liste.addItems(u"Zeynep ahmet Ali IŞIK İpek ılgaz"_s.split(u' '));
        QTest::keyClick(&liste, Qt::Key_End); // with no entry current yet: the last one
        QCOMPARE(liste.currentRow(), 5);
        auto* öge = new AranabilirÖğe(u"Veli"_s); // its key follows a later change of its text
        liste.addItem(öge);
        öge->setText(u"IRMAK"_s);
        for (const QString& çift :
             u"a=1 Zeynep=0 ahmet=1 AL=2 ış=3 ip=4 Il=5 is=-1 Zeynepler=-1 =-1 ır=6 Veli=-1"_s
                 .split(u' '))
            QCOMPARE(ListedeBul(&liste, çift.section(u'=', 0, 0)), çift.section(u'=', 1).toInt());
        ortam.emplace(false); // sets the program's colours
        QLineEdit kutu(u"Personel"_s);
        QLabel etiket;
        AlanıVurgula(&kutu, &etiket);
        QCOMPARE(kutu.selectedText() + etiket.palette().color(QPalette::WindowText).name(),
                 u"Personel"_s + VurguRengi.name());
        QVERIFY(QtTürkçeMetinleriniYükle()); // Qt's own buttons speak Turkish
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::No).buttons()[0]->text(), u"&Hayır"_s);
    }

    // An armed box stands over the middle of the window active at the arming, unless that is off
    // the top or left edge, or no box followed at once. A question is answered only by its
    // buttons; a box with a single OK takes Esc, or its closing, as OK.
    void kutu_data()
    {
        QTest::addColumn<QRect>("pencere");
        QTest::addColumn<bool>("geçmiş");   // the arming lapsed before the box
        QTest::addColumn<QString>("yanıt"); // Esc or closing, then the Yes button if still open
        QTest::newRow("soruda Esc") << QRect(380, 260, 401, 287) << false << u"Esc"_s;
        QTest::newRow("eksi konum") << QRect(-300, 40, 500, 300) << false << u"Kapat"_s;
        QTest::newRow("geçmiş kurulum") << QRect(0, 0, 300, 200) << true << u"Tamam Esc"_s;
    }
    void kutu()
    {
        QFETCH(QRect, pencere);
        QFETCH(bool, geçmiş);
        QFETCH(QString, yanıt);
        const bool soru = !yanıt.startsWith(u"Tamam");
        QWidget sahip;
        sahip.setGeometry(pencere);
        sahip.show();
        QVERIFY(QTest::qWaitForWindowActive(&sahip));
        QRect yer;
        bool açıkKaldı = false;
        QTimer bekçi;
        connect(&bekçi, &QTimer::timeout, this, [&] {
            auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!kutu || yer.isValid())
                return;
            yer = kutu->frameGeometry();
            yanıt.endsWith(u"Esc") ? QTest::keyClick(kutu, Qt::Key_Escape) : void(kutu->close());
            QTest::qWait(20);
            if ((açıkKaldı = kutu->isVisible()))
                kutu->button(QMessageBox::Yes)->click();
        });
        bekçi.start(10);
        MesajKutusunuOrtala();
        if (geçmiş)
            QTest::qWait(20);
        // A long text with a line break: the box takes its final size in its own show handler.
        QCOMPARE(QtMesajKutusu({u"Veritabanı dosyası açılamadı. Dosya başka bir program "
                                u"tarafından kullanılıyor olabilir.\nHata No: 3051"_s,
                                MesajSimgesi::Soru,
                                soru ? MesajDüğmeleri::EvetHayır : MesajDüğmeleri::Tamam}),
                 soru ? Yanıt::Evet : Yanıt::Tamam);
        QCOMPARE(açıkKaldı, soru);
        const QPointF fark = QRectF(yer).center() - QRectF(sahip.frameGeometry()).center();
        QCOMPARE(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1, !geçmiş && pencere.left() >= 0);
    }

    void korumalar_data()
    {
        QTest::addColumn<int>("koruma"); // Tuzak, BaşlangıçTuzağı, Yoksay
        QTest::addColumn<int>("numara"); // 5: a standard exception, no Hata
        QTest::addColumn<Yanıt>("yanıt");
        QTest::addColumn<QString>("olaylar"); // "ortala0": centring armed before the box
        QTest::addColumn<QString>("metin");   // "?": the go-on question
        const QString ağ = u"Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
        QTest::newRow("3043") << 0 << 3043 << Yanıt::Tamam << u"ortala0"_s << ağ;
        QTest::newRow("3044") << 0 << 3044 << Yanıt::Tamam << u"ortala0"_s << ağ;
        QTest::newRow("3051") << 0 << 3051 << Yanıt::Tamam << u"ortala0"_s
                              << u"Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
        QTest::newRow("3356") << 0 << 3356 << Yanıt::Tamam << u"ortala0 1 2 3"_s << QString();
        QTest::newRow("482") << 0 << 482 << Yanıt::Tamam << u"ortala0 1 2 3"_s << QString();
        QTest::newRow("evet") << 0 << 3022 << Yanıt::Evet << u"ortala0 1 2 3"_s << u"?"_s;
        QTest::newRow("hayır") << 0 << -2147467259 << Yanıt::Hayır << u"ortala0"_s << u"?"_s;
        QTest::newRow("başka hata") << 0 << 5 << Yanıt::Evet << u"ortala0 1 2 3"_s << u"?"_s;
        QTest::newRow("başlangıç") << 1 << 75 << Yanıt::Hayır << QString() << u"?"_s;
        QTest::newRow("yoksay") << 2 << 5 << Yanıt::Hayır << u"1 2 3"_s << QString();
    }
    void korumalar()
    {
        QFETCH(int, koruma);
        QFETCH(int, numara);
        QFETCH(QString, metin);
        QFETCH(Yanıt, yanıt);
        ortam.emplace(false).yanıtlar = {yanıt};
        (koruma == 0   ? Tuzak
         : koruma == 1 ? BaşlangıçTuzağı
                       : Yoksay)([numara] {
            numara != 5 ? throw Hata(numara, u"Klasör oluşturulamadı"_s)
                        : throw std::runtime_error("Klasör oluşturulamadı");
        });
        Tuzak([this] { olaylar << u"1"_s; });
        BaşlangıçTuzağı([this] { olaylar << u"2"_s; });
        Yoksay([this] { olaylar << u"3"_s; });
        QTEST(olaylar.join(u' '), "olaylar");
        QCOMPARE(ortam->bitişKodu, olaylar.contains(u"1") ? std::nullopt : std::optional(0));
        const bool soru = metin == u"?";
        QCOMPARE(ortam->gösterilen.empty() ? QString() : ortam->gösterilen[0].metin,
                 soru ? u"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam "
                        u"etmek istiyor musunuz?\r\n\r\nHata Kodu: %1\r\n\r\nHata Mesajı: Klasör "
                        u"oluşturulamadı"_s.arg(numara)
                      : metin);
        QVERIFY(
            metin.isEmpty() ||
            (ortam->gösterilen[0].başlık == (soru ? u"Hata oluştu!"_s : u"Tessaro"_s) &&
             ortam->gösterilen[0].simge == (soru ? MesajSimgesi::Kritik : MesajSimgesi::Ünlem)));
    }
};

QTEST_MAIN(TestOrtakYordamlar)
#include "TestOrtakYordamlar.moc"
