// The main window driven by keys and the mouse on a test database: the opening period, the
// department chooser and the list, the search, the deletion, the checks before a print run, the
// dialogs its buttons open, the wheel, the stored position and the month's holiday set.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/AnaFormTesti.h"
#include "destek/TestOrtamı.h"
#include "destek/TestTekerleği.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

namespace {
// Types one character after another, Turkish letters included.
void Yaz(QWidget* hedef, const QString& metin)
{
    for (const QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList L(const char* virgüllü)
{
    return QString::fromUtf8(virgüllü).split(QLatin1Char(','));
}
} // namespace

class TestAnaForm : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;

    QComboBox* Servis() const { return D<QComboBox>("ServisSeçKutusu"); }
    QString Kutu(const char* ad) const { return D<QLineEdit>(ad)->text(); }
    QStringList Kutular() const
    {
        return {Kutu("SiciliKutusu"), Kutu("AdıSoyadıKutusu"), Kutu("ÜnvanıKutusu"),
                Kutu("ServisiKutusu"), Kutu("SıraNoKutusu")};
    }
    QStringList Öğeler() const
    {
        QStringList s;
        for (int i = 0; i < Liste()->count(); ++i)
            s << Liste()->item(i)->text();
        return s;
    }
    void Tıkla(int satır)
    {
        const QRect alan = Liste()->visualItemRect(Liste()->item(satır));
        QTest::mouseClick(Liste()->viewport(), Qt::LeftButton, {}, alan.center());
    }
    void Ekle(int sicil, const char* ad, const char* servis, const char* sıra)
    {
        ortam->Çalıştır(Deyim::PersonelEkle(QString::number(sicil), QString::fromUtf8(ad),
                                            QStringLiteral("Memur"), QString::fromUtf8(servis),
                                            QString::fromUtf8(sıra)));
    }
    void Aç()
    {
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void ServisSeç(const char* ad)
    {
        QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
        QTest::keyClick(Servis(), Qt::Key_Home);
        while (Servis()->currentText() != QString::fromUtf8(ad))
            QTest::keyClick(Servis(), Qt::Key_Down);
    }
    void Sil(int satır)
    {
        Tıkla(satır);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(D<QPushButton>("SilDüğmesi"), Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        ortam->SaatiAyarla(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        YazıcıVar = true;
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    // Today's month and year; a year beyond the box's range is reported and the first one taken.
    void acilistakiDonem_data()
    {
        QTest::addColumn<QDate>("bugün");
        QTest::addColumn<int>("yıl");
        QTest::addColumn<QString>("ay");
        QTest::addColumn<QString>("hata");
        QTest::newRow("2024") << QDate(2024, 3, 15) << 2024 << "MART" << QString();
        QTest::newRow("2060") << QDate(2060, 5, 2) << 2020 << "MAYIS"
                              << "Hata Kodu: 380";
    }
    void acilistakiDonem()
    {
        QFETCH(QDate, bugün);
        ortam->SaatiAyarla(QDateTime(bugün, QTime(9, 0)));
        Aç();
        QTEST(int(D<DüğmeliKutu>("YılKutusu")->Value()), "yıl");
        QTEST(D<QComboBox>("AyKutusu")->currentText(), "ay");
        QFETCH(QString, hata);
        QCOMPARE(ortam->gösterilen.size(), size_t(!hata.isEmpty()));
        QVERIFY(hata.isEmpty() || ortam->gösterilen[0].metin.contains(hata));
        QCOMPARE(form->windowTitle(), ProgramBaşlığı);
    }

    // Departments in Turkish order, a department named "tümü" shows everyone, people by order
    // number (none first); a click shows the record, a missing order number as empty.
    void servislerVeListe()
    {
        Ekle(1, "Cem On", "Yazı İşleri", "10");
        Ekle(2, "Cem İki", "Çevre", "2");
        Ekle(3, "Cem Bir", "Işık", "1");
        Ekle(5, "Cem Beş", "cadde", "3");
        Ekle(6, "Cem Altı", "tümü", "20");
        Ekle(7, "Cem Yedi", "Çevre", "1");
        ortam->Çalıştır(QStringLiteral("INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, "
                                       "Unvani, Servisi) VALUES (77, 'Oya Su', 'Şef', 'İnsan')"));
        Aç();
        QStringList servisler;
        for (int i = 0; i < Servis()->count(); ++i)
            servisler << Servis()->itemText(i);
        QCOMPARE(servisler, L("Tümü,cadde,Çevre,Işık,İnsan,tümü,Yazı İşleri"));
        QCOMPARE(Öğeler(), L("Oya Su,Cem Bir,Cem Yedi,Cem İki,Cem Beş,Cem On,Cem Altı"));
        ServisSeç("Çevre");
        QCOMPARE(Öğeler(), L("Cem Yedi,Cem İki"));
        QCOMPARE(Liste()->currentRow(), -1);
        ServisSeç("tümü");
        QCOMPARE(Liste()->count(), 7);
        Tıkla(0);
        QCOMPARE(Kutular(), L("77,Oya Su,Şef,İnsan,"));
        QVERIFY(!İşaretli(0));
    }

    // A record removed behind the window's back cannot be shown: the error is reported, nobody
    // is shown, and the window goes on.
    void kaybolanKayit()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Aç();
        ortam->Çalıştır(Deyim::PersoneliSil(1));
        Tıkla(0);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(Liste()->currentRow(), 0);
    }

    // The first entry beginning with the text, by Turkish case rules, or none with empty boxes;
    // the marks stay.
    void arama_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("silinen");
        QTest::addColumn<int>("satır");
        QTest::newRow("AH") << "AH" << 0 << 1;
        QTest::newRow("ahmet ı") << "ahmet ı" << 0 << 2;
        QTest::newRow("is") << "is" << 0 << 3;
        QTest::newRow("IL") << "IL" << 0 << 4;
        QTest::newRow("il") << "il" << 0 << -1;
        QTest::newRow("zex") << "zex" << 0 << -1;
        QTest::newRow("silindi") << "ze" << 2 << -1;
    }
    void arama()
    {
        QFETCH(QString, metin);
        QFETCH(int, silinen);
        QFETCH(int, satır);
        const char* const adlar[] = {"Zeynep Kaya", "ahmet Yıldız", "Ahmet Işık", "İsmail Öz",
                                     "ılgaz"};
        for (int i = 0; i < 5; ++i)
            Ekle(i + 1, adlar[i], "A", qPrintable(QString::number(i + 1)));
        Aç();
        İşaretle(0);
        İşaretle(4);
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QLineEdit* bul = D<QLineEdit>("BulKutusu");
        QCOMPARE(QApplication::focusWidget(), bul);
        Yaz(bul, metin);
        for (int i = 0; i < silinen; ++i)
            QTest::keyClick(bul, Qt::Key_Backspace);
        QCOMPARE(Liste()->currentRow(), satır);
        QCOMPARE(Kutu("AdıSoyadıKutusu"), satır < 0 ? QString() : Liste()->item(satır)->text());
        QVERIFY(İşaretli(0) && !İşaretli(1) && !İşaretli(3) && İşaretli(4));
    }

    // Mark all and unmark all leave the current entry and the record shown.
    void tumunuIsaretle()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Ali İki", "A", "2");
        Aç();
        QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Liste());
        QCOMPARE(Liste()->currentRow(), -1);
        Tıkla(1);
        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        QVERIFY(İşaretli(0) && İşaretli(1));
        QCOMPARE(Kutu("SiciliKutusu"), QStringLiteral("2"));
        QTest::mouseClick(D<QPushButton>("SeçimiTemizleDüğmesi"), Qt::LeftButton);
        QVERIFY(!İşaretli(0) && !İşaretli(1));
        QCOMPARE(Liste()->currentRow(), 1);
    }

    void silme()
    {
        for (int i = 1; i <= 4; ++i)
            Ekle(i, qPrintable(QStringLiteral("Ali %1").arg(i)), "A",
                 qPrintable(QString::number(i)));
        Ekle(5, "Tek Kişi", "B", "1");
        Aç();
        ServisSeç("A");
        QPushButton* sil = D<QPushButton>("SilDüğmesi");
        // No current entry: nothing is asked.
        QTest::mouseClick(sil, Qt::LeftButton);
        QVERIFY(ortam->gösterilen.empty());
        // No: nothing changes and the focus stays on the button.
        Tıkla(1);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj soru = ortam->gösterilen[0];
        QCOMPARE(soru.metin,
                 QStringLiteral("Ali 2 adlı personeli SİLMEK istediğinizden emin misiniz?"));
        QVERIFY(soru.simge == MesajSimgesi::Soru && soru.düğmeler == MesajDüğmeleri::EvetHayır);
        QCOMPARE(soru.varsayılan, Yanıt::Hayır);
        QCOMPARE(Liste()->count(), 4);
        QCOMPARE(QApplication::focusWidget(), sil);
        // The first entry: the new first becomes current.
        Sil(0);
        QCOMPARE(Öğeler(), L("Ali 2,Ali 3,Ali 4"));
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), Liste());
        QVERIFY(Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(1)).EOF_());
        // A later one: its predecessor becomes current, not its successor.
        Sil(1);
        QCOMPARE(Öğeler(), L("Ali 2,Ali 4"));
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(Kutu("SiciliKutusu"), QStringLiteral("2"));
        // The only entry: the boxes empty, the chooser reloaded with nothing selected.
        ServisSeç("B");
        Sil(0);
        QCOMPARE(Liste()->count(), 0);
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(Servis()->count(), 2);
        QCOMPARE(Servis()->currentIndex(), -1);
    }

    // Each refusal says why and sends the focus where it can be mended. The list, given the
    // focus, makes no entry current by itself; the first key does.
    void yazdirmaDenetimleri_data()
    {
        QTest::addColumn<bool>("işaretli");
        QTest::addColumn<bool>("kurum");
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QString>("odak");
        QTest::newRow("işaretsiz") << false << true << "Lütfen, listeden bir personel seçiniz!"
                                   << "PersonelListesi";
        QTest::newRow("kurumsuz") << true << false << "Lütfen, \"Kurum Adı\" giriniz!"
                                  << "KurumAdıGirişiDüğmesi";
        QTest::newRow("yazıcısız") << true << true
                                   << "Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\nLütfen, bir "
                                      "yazıcı yükleyip tekrar deneyiniz."
                                   << "YazdırDüğmesi";
    }
    void yazdirmaDenetimleri()
    {
        QFETCH(bool, işaretli);
        QFETCH(bool, kurum);
        QFETCH(QString, metin);
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Veli İki", "A", "2");
        if (kurum)
            ortam->Çalıştır(QStringLiteral("INSERT INTO KurumTablosu VALUES ('Velnora')"));
        Aç();
        YazıcıVar = !(işaretli && kurum);
        if (işaretli)
            QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].metin, metin);
        QCOMPARE(ortam->gösterilen[0].simge, YazıcıVar ? MesajSimgesi::Bilgi : MesajSimgesi::Ünlem);
        QTEST(QApplication::focusWidget()->objectName(), "odak");
        if (!işaretli) {
            QCOMPARE(Liste()->currentRow(), -1);
            QTest::keyClick(Liste(), Qt::Key_End);
            QVERIFY(Liste()->item(1)->isSelected());
            QCOMPARE(Kutu("SiciliKutusu"), QStringLiteral("2"));
        }
    }

    // The buttons open their dialogs modally, owned by the main window: the edit dialog with the
    // record shown, only when there is a current entry; the holiday calendar on the first day of
    // the chosen month.
    void pencereler_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<int>("satır");
        QTest::addColumn<QString>("başlık");
        QTest::addColumn<QString>("adı");
        QTest::newRow("ekle") << "EkleDüğmesi" << -1 << "Yeni Personel Ekleme"
                              << "";
        QTest::newRow("değiştir") << "DeğiştirDüğmesi" << 0 << "Personel Bilgilerini Değiştir"
                                  << "Ali Bir";
        QTest::newRow("değiştir, seçisiz") << "DeğiştirDüğmesi" << -1 << ""
                                           << "";
        QTest::newRow("mesai") << "MesaiSüresiBelirlemeDüğmesi" << -1 << "Mesai Süresi Belirleme"
                               << "";
        QTest::newRow("kurum") << "KurumAdıGirişiDüğmesi" << -1 << "Kurum Bilgisi Girişi"
                               << "";
        QTest::newRow("hakkında") << "HakkındaDüğmesi" << -1 << "Hakkında"
                                  << "";
        QTest::newRow("tatil") << "TatilBelirleDüğmesi" << -1 << "Tatil Tarihleri"
                               << "";
    }
    void pencereler()
    {
        QFETCH(QString, düğme);
        QFETCH(int, satır);
        Ekle(1, "Ali Bir", "A", "1");
        Aç();
        if (satır >= 0)
            Tıkla(satır);
        QString başlık;
        QString adı;
        QWidget* sahip = nullptr;
        QDate tarih;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* pencere = QApplication::activeModalWidget()) {
                başlık = pencere->windowTitle();
                sahip = pencere->parentWidget();
                tarih = SeçilenTarih;
                if (auto* kutu = pencere->findChild<QLineEdit*>(QStringLiteral("AdıSoyadıKutusu")))
                    adı = kutu->text();
                pencere->close();
            }
        });
        QTest::mouseClick(form->findChild<QPushButton*>(düğme), Qt::LeftButton);
        QCoreApplication::processEvents();
        QTEST(başlık, "başlık");
        QTEST(adı, "adı");
        QWidget* const ana = başlık.isEmpty() ? nullptr : form.get();
        QCOMPARE(sahip, ana);
        QVERIFY(düğme != QStringLiteral("TatilBelirleDüğmesi") || tarih == QDate(2024, 3, 1));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The wheel turns only the control that holds the focus, one step a notch; over any other
    // it changes nothing and moves no focus. A number typed out of range is checked before the
    // year box's own arrows step it.
    void tekerlekOdaktakiDenetimi_data()
    {
        QTest::addColumn<QString>("odak");
        QTest::addColumn<QString>("yazılan");
        QTest::addColumn<QString>("hedef");
        QTest::addColumn<int>("beklenen");
        QTest::addColumn<bool>("uyarı");
        const QString liste = QStringLiteral("PersonelListesi");
        const QString ay = QStringLiteral("AyKutusu");
        const QString servis = QStringLiteral("ServisSeçKutusu");
        const QString yıl = QStringLiteral("YılKutusu");
        QTest::newRow("ay, odak listede") << liste << QString() << ay << 2 << false;
        QTest::newRow("ay, odakta") << ay << QString() << ay << 3 << false;
        QTest::newRow("servis, odak listede") << liste << QString() << servis << 0 << false;
        QTest::newRow("servis, odakta") << servis << QString() << servis << 1 << false;
        QTest::newRow("yıl okları, odak listede") << liste << QString() << yıl << 2024 << false;
        QTest::newRow("yıl okları, odak alanda") << yıl << QString() << yıl << 2023 << false;
        QTest::newRow("2060 yazılı, ay") << yıl << QStringLiteral("2060") << ay << 2 << false;
        QTest::newRow("2060 yazılı, yıl okları")
            << yıl << QStringLiteral("2060") << yıl << 2050 << true;
    }
    void tekerlekOdaktakiDenetimi()
    {
        QFETCH(QString, odak);
        QFETCH(QString, yazılan);
        QFETCH(QString, hedef);
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Veli İki", "B", "2");
        ortam->Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES (#3/10/2023#)"));
        Aç();
        DüğmeliKutu* yıl = D<DüğmeliKutu>("YılKutusu");
        form->findChild<QWidget*>(odak)->setFocus();
        if (!yazılan.isEmpty()) {
            yıl->DeğerKutusu()->selectAll();
            Yaz(yıl->DeğerKutusu(), yazılan);
        }
        QWidget* const odaktaki = QApplication::focusWidget();
        auto* kutu = form->findChild<QComboBox*>(hedef);
        TekerleğiÇevir(kutu ? static_cast<QWidget*>(kutu) : yıl->DeğerDeğiştirDüğmesi(), -1);
        QTEST(kutu ? kutu->currentIndex() : int(yıl->Value()), "beklenen");
        QCOMPARE(QApplication::focusWidget(), odaktaki);
        QTEST(!ortam->gösterilen.empty(), "uyarı");
        QCOMPARE(form->Tatiller.size(), size_t(yıl->Value() == 2023));
    }

    // Centred at first; Esc closes, storing the position in twips, where the next start opens.
    void konum()
    {
        Aç();
        const QRect ekran = form->screen()->geometry();
        QCOMPARE(form->pos(), QPoint((ekran.width() - 634) / 2, (ekran.height() - 448) / 2));
        form->move(123, 77);
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QSettings ayarlar(QStringLiteral("Velnora"), QStringLiteral("Tessaro"));
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Sol Bosluk")).toString(),
                 QStringLiteral("1845"));
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Ust Bosluk")).toString(),
                 QStringLiteral("1155"));
        Aç();
        QCOMPARE(form->pos(), QPoint(123, 77));
    }

    // An unreadable edge is reported and left as designed, the other one still taken; "No" ends
    // the program, and closing afterwards stores nothing.
    void bozukKonum()
    {
        QSettings ayarlar(QStringLiteral("Velnora"), QStringLiteral("Tessaro"));
        ayarlar.setValue(QStringLiteral("Ayarlar/Ust Bosluk"), QStringLiteral("yukarı"));
        ayarlar.setValue(QStringLiteral("Ayarlar/Sol Bosluk"), QStringLiteral("1500"));
        ayarlar.sync();
        const QPoint tasarım = AnaForm().pos();
        Aç();
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 13")));
        QCOMPARE(form->pos(), QPoint(100, tasarım.y()));
        form.reset();
        ortam->yanıtlar.push_back(Yanıt::Hayır);
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(ortam->bitişKodu.has_value() && !form->isVisible());
        form->close();
        ayarlar.sync();
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Ust Bosluk")).toString(),
                 QStringLiteral("yukarı"));
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Sol Bosluk")).toString(),
                 QStringLiteral("1500"));
    }

    // The holidays of the chosen month only, rebuilt when the user changes the month or the year.
    void tatiller()
    {
        for (const char* gün : {"2/29/2024", "4/1/2024", "4/2/2024", "11/30/2024", "12/1/2024",
                                "1/1/2025", "1/2/2025", "12/25/2025", "12/31/2026"})
            ortam->Çalıştır(QStringLiteral("INSERT INTO TatilTarihleriTablosu VALUES (#%1#)")
                                .arg(QString::fromUtf8(gün)));
        Aç();
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2024, 4, 1)});
        QVERIFY(!form->TatilMi(QDate(2024, 3, 31)) && form->TatilMi(QDate(2024, 4, 1)));
        QComboBox* ay = D<QComboBox>("AyKutusu");
        ay->setFocus();
        QTest::keyClick(ay, Qt::Key_End);
        QCOMPARE(form->Tatiller, (std::vector<QDate>{QDate(2024, 12, 1), QDate(2025, 1, 1)}));
        // A year set by code while the focus is elsewhere does not rebuild the set; typed, it does.
        DüğmeliKutu* yıl = D<DüğmeliKutu>("YılKutusu");
        yıl->SetValue(2025);
        QCOMPARE(form->Tatiller.size(), size_t(2));
        yıl->DeğerKutusu()->setFocus();
        yıl->DeğerKutusu()->selectAll();
        Yaz(yıl->DeğerKutusu(), QStringLiteral("2025"));
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
        QTest::keyClick(yıl->DeğerKutusu(), Qt::Key_Up);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2026, 12, 31)});
        // The down arrow, clicked with the focus elsewhere, brings the focus along.
        ay->setFocus();
        QScrollBar* oklar = yıl->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(oklar, Qt::LeftButton, {},
                          QPoint(oklar->width() / 2, oklar->height() - 3));
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
    }
};

QTEST_MAIN(TestAnaForm)
#include "TestAnaForm.moc"
