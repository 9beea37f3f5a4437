// The main window driven by keys and the mouse on a test database: the department chooser and the
// list, the search, the deletion, the checks before a print run, the dialogs its buttons open, the
// stored position and the month's holiday set.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/AnaFormTesti.h"
#include "destek/TestOrtamı.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
void Yaz(QWidget* hedef, const QString& metin)
{
    for (const QChar c : metin)
        QTest::sendKeyEvent(QTest::Click, hedef, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
QStringList L(const char* virgüllü)
{
    return QString::fromUtf8(virgüllü).split(u',');
}
} // namespace

class TestAnaForm : public AnaFormTesti
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;

    QComboBox* Servis() const { return D<QComboBox>("ServisSeçKutusu"); }
    QStringList Kutular() const
    {
        QStringList s;
        for (const char* ad :
             {"SiciliKutusu", "AdıSoyadıKutusu", "ÜnvanıKutusu", "ServisiKutusu", "SıraNoKutusu"})
            s << D<QLineEdit>(ad)->text();
        return s;
    }
    QStringList Öğeler() const
    {
        QStringList s;
        for (int i = 0; i < Liste()->count(); ++i)
            s << Liste()->item(i)->text();
        return s;
    }
    void Ekle(int sicil, const QString& ad, const char* servis = "A", int sıra = 0)
    {
        ortam->Çalıştır(Deyim::PersonelEkle(QString::number(sicil), ad, u"Memur"_s,
                                            QString::fromUtf8(servis),
                                            QString::number(sıra ? sıra : sicil)));
    }
    // People with the given names, numbered from 1 in the order given.
    void Ekle(const char* adlar)
    {
        const QStringList l = L(adlar);
        for (int i = 0; i < l.size(); ++i)
            Ekle(i + 1, l[i]);
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
    std::vector<QDate> Tatiller() const { return form->Tatiller; }

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

    // Departments in Turkish order, "tümü" shows everyone, people by order number (none first);
    // a click shows the record, and one removed behind the window's back is reported and shows
    // nobody.
    void servislerVeListe()
    {
        Ekle(1, u"Cem On"_s, "Yazı İşleri", 10);
        Ekle(2, u"Cem İki"_s, "Çevre", 2);
        Ekle(3, u"Cem Bir"_s, "Işık", 1);
        Ekle(5, u"Cem Beş"_s, "cadde", 3);
        Ekle(6, u"Cem Altı"_s, "tümü", 20);
        Ekle(7, u"Cem Yedi"_s, "Çevre", 1);
        ortam->Çalıştır(u"INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, Unvani, "
                        "Servisi) VALUES (77, 'Oya Su', 'Şef', 'İnsan')"_s);
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
        Tıkla(0);
        QCOMPARE(Kutular(), L("77,Oya Su,Şef,İnsan,"));
        QVERIFY(!İşaretli(0));
        ortam->Çalıştır(Deyim::PersoneliSil(3));
        Tıkla(1);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, u"Hata oluştu!"_s);
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(Liste()->currentRow(), 1);
    }

    // The first entry beginning with the text, by Turkish case rules, or none with empty boxes;
    // the marks stay.
    void arama_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("silinen");
        QTest::addColumn<int>("satır");
        QTest::newRow("AH") << u"AH"_s << 0 << 1;
        QTest::newRow("ahmet ı") << u"ahmet ı"_s << 0 << 2;
        QTest::newRow("IL") << u"IL"_s << 0 << 4;
        QTest::newRow("il") << u"il"_s << 0 << -1;
        QTest::newRow("silindi") << u"zex"_s << 3 << -1;
    }
    void arama()
    {
        QFETCH(QString, metin);
        QFETCH(int, silinen);
        QFETCH(int, satır);
        Ekle("Zeynep Kaya,ahmet Yıldız,Ahmet Işık,İsmail Öz,ılgaz");
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
        QCOMPARE(Kutular()[1], satır < 0 ? QString() : Liste()->item(satır)->text());
        QVERIFY(İşaretli(0) && !İşaretli(1) && !İşaretli(3) && İşaretli(4));
    }

    // After a deletion the predecessor becomes current (the new first when the first went), the
    // focus goes to the list; the last one empties the boxes and reloads the chooser. No current
    // entry asks nothing; "No" changes nothing.
    void silme()
    {
        Ekle("Ali 1,Ali 2,Ali 3,Ali 4");
        Ekle(5, u"Tek Kişi"_s, "B", 1);
        Aç();
        ServisSeç("A");
        QPushButton* sil = D<QPushButton>("SilDüğmesi");
        QTest::mouseClick(sil, Qt::LeftButton);
        QVERIFY(ortam->gösterilen.empty());
        Tıkla(1);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj soru = ortam->gösterilen[0];
        QCOMPARE(soru.metin, u"Ali 2 adlı personeli SİLMEK istediğinizden emin misiniz?"_s);
        QVERIFY(soru.simge == MesajSimgesi::Soru && soru.düğmeler == MesajDüğmeleri::EvetHayır);
        QCOMPARE(soru.varsayılan, Yanıt::Hayır);
        QCOMPARE(Liste()->count(), 4);
        QCOMPARE(QApplication::focusWidget(), sil);
        Sil(0);
        QCOMPARE(Öğeler(), L("Ali 2,Ali 3,Ali 4"));
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), Liste());
        QVERIFY(Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(1)).EOF_());
        Sil(2);
        QCOMPARE(Öğeler(), L("Ali 2,Ali 3"));
        QCOMPARE(Liste()->currentRow(), 1);
        QCOMPARE(Kutular()[0], u"3"_s);
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
        QTest::newRow("işaretsiz")
            << false << true << u"Lütfen, listeden bir personel seçiniz!"_s << u"PersonelListesi"_s;
        QTest::newRow("kurumsuz") << true << false << u"Lütfen, \"Kurum Adı\" giriniz!"_s
                                  << u"KurumAdıGirişiDüğmesi"_s;
        QTest::newRow("yazıcısız") << true << true
                                   << u"Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\nLütfen, bir "
                                      "yazıcı yükleyip tekrar deneyiniz."_s
                                   << u"YazdırDüğmesi"_s;
    }
    void yazdirmaDenetimleri()
    {
        QFETCH(bool, işaretli);
        QFETCH(bool, kurum);
        Ekle("Ali Bir,Veli İki");
        if (kurum)
            ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('Velnora')"_s);
        Aç();
        YazıcıVar = !(işaretli && kurum);
        // Marked all, then (unless the row wants marks) unmarked all.
        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        if (!işaretli)
            QTest::mouseClick(D<QPushButton>("SeçimiTemizleDüğmesi"), Qt::LeftButton);
        QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QTEST(ortam->gösterilen[0].metin, "metin");
        QCOMPARE(ortam->gösterilen[0].simge, YazıcıVar ? MesajSimgesi::Bilgi : MesajSimgesi::Ünlem);
        QTEST(QApplication::focusWidget()->objectName(), "odak");
        if (!işaretli) {
            QCOMPARE(Liste()->currentRow(), -1);
            QTest::keyClick(Liste(), Qt::Key_End);
            QVERIFY(Liste()->item(1)->isSelected());
            QCOMPARE(Kutular()[0], u"2"_s);
        }
    }

    // The buttons open their dialogs modally, owned by the main window: the edit dialog with the
    // record shown, only when there is a current entry; the holiday calendar on the first day of
    // the chosen month.
    void pencereler_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<bool>("seçili");
        QTest::addColumn<QString>("başlık");
        QTest::addColumn<QString>("adı");
        QTest::newRow("ekle") << u"EkleDüğmesi"_s << true << u"Yeni Personel Ekleme"_s << QString();
        QTest::newRow("değiştir") << u"DeğiştirDüğmesi"_s << true
                                  << u"Personel Bilgilerini Değiştir"_s << u"Ali Bir"_s;
        QTest::newRow("değiştir, seçisiz")
            << u"DeğiştirDüğmesi"_s << false << QString() << QString();
        QTest::newRow("mesai") << u"MesaiSüresiBelirlemeDüğmesi"_s << false
                               << u"Mesai Süresi Belirleme"_s << QString();
        QTest::newRow("kurum") << u"KurumAdıGirişiDüğmesi"_s << false << u"Kurum Bilgisi Girişi"_s
                               << QString();
        QTest::newRow("hakkında") << u"HakkındaDüğmesi"_s << false << u"Hakkında"_s << QString();
        QTest::newRow("tatil") << u"TatilBelirleDüğmesi"_s << false << u"Tatil Tarihleri"_s
                               << QString();
    }
    void pencereler()
    {
        QFETCH(QString, düğme);
        Ekle("Ali Bir");
        Aç();
        QFETCH(bool, seçili);
        if (seçili)
            Tıkla(0);
        QString başlık, adı;
        QWidget* sahip = nullptr;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* pencere = QApplication::activeModalWidget()) {
                başlık = pencere->windowTitle();
                sahip = pencere->parentWidget();
                if (auto* kutu = pencere->findChild<QLineEdit*>(u"AdıSoyadıKutusu"_s))
                    adı = kutu->text();
                QVERIFY(başlık != u"Tatil Tarihleri"_s || SeçilenTarih == QDate(2024, 3, 1));
                pencere->close();
            }
        });
        QTest::mouseClick(form->findChild<QPushButton*>(düğme), Qt::LeftButton);
        QTEST(başlık, "başlık");
        QTEST(adı, "adı");
        QCOMPARE(sahip, başlık.isEmpty() ? nullptr : form.get());
    }

    // Centred at first; Esc closes, storing the position in twips, where the next start opens.
    // An unreadable edge is reported and left as designed, the other one still taken; "No" ends
    // the program, and closing afterwards stores nothing.
    void konum()
    {
        Aç();
        const QRect ekran = form->screen()->geometry();
        QCOMPARE(form->pos(), QPoint((ekran.width() - 634) / 2, (ekran.height() - 448) / 2));
        const QPoint tasarım = AnaForm().pos();
        form->move(123, 77);
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QSettings ayarlar(u"Velnora"_s, u"Tessaro"_s);
        QCOMPARE(ayarlar.value(u"Ayarlar/Sol Bosluk"_s).toString(), u"1845"_s);
        QCOMPARE(ayarlar.value(u"Ayarlar/Ust Bosluk"_s).toString(), u"1155"_s);
        Aç();
        QCOMPARE(form->pos(), QPoint(123, 77));
        form.reset();
        ayarlar.setValue(u"Ayarlar/Ust Bosluk"_s, u"yukarı"_s);
        ayarlar.setValue(u"Ayarlar/Sol Bosluk"_s, u"1500"_s);
        ayarlar.sync();
        Aç();
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(u"Hata Kodu: 13"_s));
        QCOMPARE(form->pos(), QPoint(100, tasarım.y()));
        ortam->yanıtlar.push_back(Yanıt::Hayır);
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(ortam->bitişKodu.has_value() && !form->isVisible());
        form->close();
        ayarlar.sync();
        QCOMPARE(ayarlar.value(u"Ayarlar/Ust Bosluk"_s).toString(), u"yukarı"_s);
        QCOMPARE(ayarlar.value(u"Ayarlar/Sol Bosluk"_s).toString(), u"1500"_s);
    }

    // The holidays of the chosen month only, rebuilt when the user changes the month or the
    // year; a year set by code while the focus is elsewhere does not rebuild them.
    void tatiller()
    {
        for (const char* gün : {"2/29/2024", "4/1/2024", "4/2/2024", "11/30/2024", "12/1/2024",
                                "1/1/2025", "1/2/2025", "12/25/2025", "12/31/2026"})
            ortam->Çalıştır(
                u"INSERT INTO TatilTarihleriTablosu VALUES (#%1#)"_s.arg(QString::fromUtf8(gün)));
        ortam->SaatiAyarla(QDateTime(QDate(2024, 4, 15), QTime(9, 0)));
        Aç();
        QCOMPARE(Tatiller(), (std::vector<QDate>{QDate(2024, 4, 1), QDate(2024, 4, 2)}));
        QVERIFY(!form->TatilMi(QDate(2024, 3, 31)) && form->TatilMi(QDate(2024, 4, 2)));
        QComboBox* ay = D<QComboBox>("AyKutusu");
        ay->setFocus();
        QTest::keyClick(ay, Qt::Key_End);
        QCOMPARE(Tatiller(), (std::vector<QDate>{QDate(2024, 12, 1), QDate(2025, 1, 1)}));
        DüğmeliKutu* yıl = D<DüğmeliKutu>("YılKutusu");
        yıl->SetValue(2025);
        QCOMPARE(Tatiller().size(), size_t(2));
        yıl->DeğerKutusu()->setFocus();
        yıl->DeğerKutusu()->selectAll();
        Yaz(yıl->DeğerKutusu(), u"2025"_s);
        QCOMPARE(Tatiller(), std::vector<QDate>{QDate(2025, 12, 25)});
        QTest::keyClick(yıl->DeğerKutusu(), Qt::Key_Up);
        QCOMPARE(Tatiller(), std::vector<QDate>{QDate(2026, 12, 31)});
        // The down arrow, clicked with the focus elsewhere, brings the focus along.
        ay->setFocus();
        QScrollBar* oklar = yıl->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(oklar, Qt::LeftButton, {},
                          QPoint(oklar->width() / 2, oklar->height() - 3));
        QCOMPARE(Tatiller(), std::vector<QDate>{QDate(2025, 12, 25)});
    }
};

QTEST_MAIN(TestAnaForm)
#include "TestAnaForm.moc"
