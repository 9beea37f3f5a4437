// The main window on a test database: a record removed behind its back, a deletion, the edit
// dialog its button opens, and the chosen month's holiday set and calendar.

#include "Kaynaklar.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "destek/AnaFormTesti.h"
#include "forms/HakkındaFormu.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

// The addresses handed to the system's browser (ASCII names: moc takes them).
class AdresKaydi : public QObject
{
    Q_OBJECT
public:
    QStringList adresler;
public Q_SLOTS:
    void Ac(const QUrl& adres) { adresler << adres.toString(); }
};

class TestAnaForm : public AnaFormTesti
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Kur({u"Ahmet Kaya"_s, u"Ayşe Su"_s, u"Cem Ak"_s});
        ortam->SaatiAyarla(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        for (const char* gün : {"2/29/2024", "3/1/2024", "3/31/2024", "4/1/2024", "12/1/2024"})
            ortam->Çalıştır(
                u"INSERT INTO TatilTarihleriTablosu VALUES (#%1#)"_s.arg(QLatin1String(gün)));
        Aç();
    }

    // A click shows the record; one removed behind the window's back is reported and leaves
    // every box empty, not the person shown before.
    void silinmisKayit()
    {
        QVERIFY(!(Liste()->Kişiler().index(2).flags() & Qt::ItemIsDragEnabled)); // never dragged
        Tıkla(0);
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), u"Ahmet Kaya"_s);
        ortam->Çalıştır(Deyim::PersoneliSil(2));
        Tıkla(1);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, u"Hata oluştu!"_s);
        for (const QLineEdit* kutu : D<QWidget>("Altlık0")->findChildren<QLineEdit*>())
            QCOMPARE(kutu->text(), QString());
        // A department that cannot be read leaves the list empty, not the people listed before.
        ortam->Çalıştır(u"DROP TABLE PersonelBilgileriTablosu"_s);
        D<QComboBox>("ServisSeçKutusu")->setCurrentIndex(1);
        QCOMPARE(Liste()->count(), 0);
    }

    // A department that another tool stored as a blob leaves the load to the two statements,
    // which list it after the texts.
    void blobServis()
    {
        ortam->Çalıştır(u"UPDATE PersonelBilgileriTablosu SET Servisi = X'41' WHERE Nosu = 3"_s);
        Aç();
        QComboBox* servis = D<QComboBox>("ServisSeçKutusu");
        QCOMPARE(servis->itemText(2), u"A"_s);
        QCOMPARE(Liste()->count(), 3);
    }

    // A deletion asks first; then the entry above the deleted one is current, with its record.
    void silme()
    {
        Tıkla(1);
        ortam->yanıtlar = {Yanıt::Evet};
        QTest::mouseClick(D<QPushButton>("SilDüğmesi"), Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.at(0).metin,
                 u"Ayşe Su adlı personeli SİLMEK istediğinizden emin misiniz?"_s);
        QCOMPARE(Liste()->count(), 2);
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), u"Ahmet Kaya"_s);
        ortam->yanıtlar = {Yanıt::Evet, Yanıt::Evet}; // emptied, the chooser is filled again
        for (int i = 0; i < 2; ++i)
            QTest::mouseClick(D<QPushButton>("SilDüğmesi"), Qt::LeftButton);
        QComboBox* servis = D<QComboBox>("ServisSeçKutusu");
        QCOMPARE(Liste()->count(), 0);
        QCOMPARE(servis->count(), 1);
        QCOMPARE(servis->currentIndex(), -1);
    }

    // Each button opens its window modally, owned by the main window; the edit dialog with the
    // record shown, and the window itself carries the program's icon.
    void pencereler_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<QString>("pencere"); // its title and the texts of its one-line boxes
        QTest::newRow("değiştir") << u"DeğiştirDüğmesi"_s
                                  << u"Personel Bilgilerini Değiştir|101|Ayşe Su|Memur|Acil|2|"_s;
        QTest::newRow("ekle") << u"EkleDüğmesi"_s << u"Yeni Personel Ekleme||||||"_s;
        QTest::newRow("hakkında") << u"HakkındaDüğmesi"_s << u"Hakkında|"_s;
        QTest::newRow("mesai") << u"MesaiSüresiBelirlemeDüğmesi"_s
                               << u"Mesai Süresi Belirleme|8|8|"_s;
        QTest::newRow("kurum") << u"KurumAdıGirişiDüğmesi"_s << u"Kurum Bilgisi Girişi|"_s;
    }
    void pencereler()
    {
        QFETCH(QString, düğme);
        QFETCH(QString, pencere);
        QVERIFY(!form->windowIcon().isNull());
        Tıkla(1);
        QString görülen;
        QVERIFY(PenceredeYap(
            [&] { QTest::mouseClick(D<QPushButton>(düğme.toUtf8().constData()), Qt::LeftButton); },
            [&](QWidget* açılan) {
                QCOMPARE(açılan->parentWidget(), form.get());
                görülen = açılan->windowTitle() + u'|';
                for (const QLineEdit* kutu : açılan->findChildren<QLineEdit*>())
                    görülen += kutu->text() + u'|';
            }));
        QCOMPARE(görülen, pencere);
    }

    // The maker's link: underlined while the mouse is on it, opened by a left click only.
    void yapimciBaglantisi()
    {
        AdresKaydi kayıt;
        QDesktopServices::setUrlHandler(u"https"_s, &kayıt, "Ac");
        const auto bırak = qScopeGuard([] { QDesktopServices::unsetUrlHandler(u"https"_s); });
        HakkındaFormu hakkında(form.get());
        hakkında.show();
        auto* bağlantı = hakkında.findChild<QLabel*>(u"VelnoraEtiketi"_s);
        const auto üstünden = [](QWidget* w) {
            QMouseEvent olay(QEvent::MouseMove, {2, 2}, {2, 2}, Qt::NoButton, {}, {});
            QApplication::sendEvent(w, &olay);
        };
        üstünden(bağlantı);
        QVERIFY(bağlantı->font().underline());
        üstünden(hakkında.findChild<QWidget*>(u"Altlık"_s));
        QVERIFY(!bağlantı->font().underline());
        QTest::mouseClick(bağlantı, Qt::RightButton);
        QCOMPARE(kayıt.adresler, QStringList());
        QTest::mouseClick(bağlantı, Qt::LeftButton);
        QCOMPARE(kayıt.adresler, QStringList{Kaynak::YapımcıAdresi()});
    }

    // The window opens where it was closed, or centred when its title bar would be off screen.
    void konum_data()
    {
        QTest::addColumn<QLine>("yer"); // from where it closed to where it opens, on 800 × 800
        QTest::newRow("yarısı dışarıda") << QLine(-600, -5, -600, -5);
        QTest::newRow("ekran dışında") << QLine(800, 45, 83, 176);
    }
    void konum()
    {
        QFETCH(QLine, yer);
        form->move(yer.p1());
        form->close();
        Aç();
        QCOMPARE(form->pos(), yer.p2());
    }

    // The holidays from the first of the chosen month to the first of the next, rebuilt when the
    // user chooses another month or year.
    void tatiller()
    {
        QCOMPARE(form->Tatiller,
                 (std::vector<QDate>{QDate(2024, 3, 1), QDate(2024, 3, 31), QDate(2024, 4, 1)}));
        QVERIFY(!form->TatilMi(QDate(2024, 3, 30)));
        QVERIFY(form->TatilMi(QDate(2024, 3, 31)));
        QComboBox* ay = D<QComboBox>("AyKutusu");
        TekerleğiÇevir(ay, -1); // a chooser without the focus does not turn
        QCOMPARE(ay->currentIndex(), 2);
        ay->setFocus();
        QTest::keyClick(ay, Qt::Key_End);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2024, 12, 1)});
        QLineEdit* yıl = D<DüğmeliKutu>("YılKutusu")->DeğerKutusu(); // and another year
        yıl->setFocus();
        QTest::keyClick(yıl, Qt::Key_Down);
        QVERIFY(form->Tatiller.empty());
        // The calendar opens on the chosen month.
        QString açılan;
        QVERIFY(PenceredeYap(
            [this] { QTest::mouseClick(D<QPushButton>("TatilBelirleDüğmesi"), Qt::LeftButton); },
            [&](QWidget* takvim) {
                açılan = takvim->windowTitle() + u' ' + SeçilenTarih.toString(Qt::ISODate);
            }));
        QCOMPARE(açılan, u"Tatil Tarihleri 2023-12-01"_s);
    }
};

QTEST_MAIN(TestAnaForm)
#include "TestAnaForm.moc"
