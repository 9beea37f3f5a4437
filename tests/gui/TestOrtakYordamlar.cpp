// Capitalisation, list search, highlight; Qt's texts in Turkish; the guards after an error that
// ends the program; the real message box's place and answers.
#include "common/Hata.h"
#include "common/Korumalar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "common/TürkçeMetin.h"
#include "controls/PersonelListeKutusu.h"
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

private Q_SLOTS:
    void cleanup() { ortam.reset(); }

    // Each word capitalised by Turkish rules, the last one then in capitals; again, no change.
    void metinler()
    {
        for (const QString& çift :
             u"ışık iSTANBUL=Işık İstanbul=Işık İSTANBUL|dİYARBAKIR=Diyarbakır=Diyarbakır|"
             u"  ali   veli  =Ali   Veli=Ali   VELİ|   ==|ßahin ﬁliz=ßahin ﬁliz=ßahin FILİZ|"
             u"ali \xD800X \xD800=Ali \xD800x \xD800=Ali \xD800x \xD800"_s.split(u'|')) {
            const QStringList s = çift.split(u'=');
            QCOMPARE(İlkHarfleriBüyüt(s[0]), s[1]);
            QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(s[0])), s[2]);
            QCOMPARE(SoyadıBüyüt(İlkHarfleriBüyüt(s[2])), s[2]);
        }
        QString hepsi; // every character, and a lone surrogate, in small letters as Qt makes them
        for (char32_t k = 1; k <= 0x10FFFF; ++k)
            if (k < 0xD800 || k > 0xDFFF)
                hepsi += QString::fromUcs4(&k, 1);
        hepsi += QChar(0xD800);
        QString beklenen = hepsi;
        beklenen = beklenen.replace(u'I', u'ı').replace(u'İ', u'i').toLower();
        const QString küçük = TürkçeKüçükHarf(hepsi);
        QCOMPARE(std::mismatch(küçük.begin(), küçük.end(), beklenen.begin()).first - küçük.begin(),
                 beklenen.size());
        // The search folds a name only as far as the text reaches, even into half a pair.
        auto ilkYarılar = [](QString s) {
            return s.removeIf([](QChar c) { return c.isLowSurrogate(); });
        };
        QCOMPARE(TürkçeKüçükHarf(ilkYarılar(hepsi)), ilkYarılar(küçük));
        PersonelListeKutusu liste; // "is" finds nothing: i is not the small I
        std::vector<PersonelModeli::Kişi> kişiler;
        for (const QString& ad : u"Zeynep ahmet Ali IŞIK İpek ılgaz"_s.split(u' '))
            kişiler.push_back({ad, qint32(kişiler.size())});
        liste.Kişiler().Doldur(kişiler);
        QTest::keyClick(&liste, Qt::Key_End); // with no entry current yet: the last one
        QCOMPARE(liste.currentRow(), 5);
        for (const QString& çift :
             u"a=1 Zeynep=0 ahmet=1 AL=2 ış=3 ip=4 Il=5 is=-1 Zeynepler=-1 =-1"_s.split(u' '))
            QCOMPARE(ListedeBul(liste.Kişiler(), çift.section(u'=', 0, 0)),
                     çift.section(u'=', 1).toInt());
        ortam.emplace(false); // sets the program's colours
        QLineEdit kutu(u"Personel"_s);
        QLabel etiket;
        AlanıVurgula(&kutu, &etiket);
        QCOMPARE(kutu.selectedText() + etiket.palette().color(QPalette::WindowText).name(),
                 u"Personel"_s + VurguRengi.name());
        QVERIFY(QtTürkçeMetinleriniYükle()); // Qt's own buttons speak Turkish
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::No).buttons()[0]->text(), u"&Hayır"_s);
    }

    // An error the user does not go on after ends the program: no later step runs, guarded or not.
    void korumalar()
    {
        ortam.emplace(false).yanıtlar = {Yanıt::Hayır};
        QStringList olaylar;
        Tuzak([] { throw Hata(3022, u"Klasör oluşturulamadı"_s); });
        Tuzak([&] { olaylar << u"Tuzak"_s; });
        Yoksay([&] { olaylar << u"Yoksay"_s; });
        QCOMPARE(ortam->gösterilen.at(0).başlık, u"Hata oluştu!"_s);
        QVERIFY(olaylar.isEmpty());
        QCOMPARE(ortam->bitişKodu, 0);
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
        bool açıkKaldı = false, evetVarsayılan = false;
        QTimer bekçi;
        connect(&bekçi, &QTimer::timeout, this, [&] {
            auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!kutu || yer.isValid())
                return;
            yer = kutu->frameGeometry();
            evetVarsayılan = kutu->button(QMessageBox::Yes) &&
                             kutu->defaultButton() == kutu->button(QMessageBox::Yes);
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
        QCOMPARE(evetVarsayılan, soru); // Enter answers a question with its default, Yes here
        const QPointF fark = QRectF(yer).center() - QRectF(sahip.frameGeometry()).center();
        QCOMPARE(qAbs(fark.x()) <= 1 && qAbs(fark.y()) <= 1, !geçmiş && pencere.left() >= 0);
    }
};

QTEST_MAIN(TestOrtakYordamlar)
#include "TestOrtakYordamlar.moc"
