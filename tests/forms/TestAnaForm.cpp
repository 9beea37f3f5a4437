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
    QStringList Metinler(const QStringList& kutular = {}) const
    {
        QStringList s;
        for (const QString& ad : kutular)
            s << form->findChild<QLineEdit*>(ad)->text();
        for (int i = 0; kutular.isEmpty() && i < Liste()->count(); ++i)
            s << Liste()->item(i)->text();
        return s;
    }
    QStringList Kutular() const
    {
        return Metinler(L("SiciliKutusu,AdıSoyadıKutusu,ÜnvanıKutusu,ServisiKutusu,SıraNoKutusu"));
    }
    void ServisSeç(const char* ad)
    {
        QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
        QTest::keyClick(Servis(), Qt::Key_Home);
        while (Servis()->currentText() != QString::fromUtf8(ad))
            QTest::keyClick(Servis(), Qt::Key_Down);
    }
    void Tuşla(const char* düğme) { QTest::mouseClick(D<QPushButton>(düğme), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        ortam->SaatiAyarla(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        const QStringList kişiler = L("Zeynep Kaya,Çevre,10,ahmet Yıldız,Çevre,1,Ahmet Işık,Çevre,"
                                      "2,İsmail Öz,Işık,3,ılgaz,İnsan,20");
        for (int i = 0; i < kişiler.size(); i += 3)
            ortam->Çalıştır(Deyim::PersonelEkle(QString::number(i / 3 + 1), kişiler[i], u"Memur"_s,
                                                kişiler[i + 1], kişiler[i + 2]));
        ortam->Çalıştır(u"INSERT INTO PersonelBilgileriTablosu (Sicili, AdiSoyadi, Unvani, "
                        "Servisi) VALUES (77, 'Oya Su', 'Şef', 'tümü')"_s);
        YazıcıVar = true;
        Aç();
    }
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    // The window opens on today's month and year; a year beyond the box's range is reported
    // and the first one taken.
    void acilistakiDonem()
    {
        QCOMPARE(D<QComboBox>("AyKutusu")->currentText(), u"MART"_s);
        QCOMPARE(form->windowTitle(), ProgramBaşlığı);
        form.reset();
        ortam->SaatiAyarla(QDateTime(QDate(2060, 5, 2), QTime(9, 0)));
        Aç();
        QCOMPARE(D<DüğmeliKutu>("YılKutusu")->Value(), 2020);
        QCOMPARE(D<QComboBox>("AyKutusu")->currentText(), u"MAYIS"_s);
        QVERIFY(ortam->gösterilen.at(0).metin.contains(u"Hata Kodu: 380"_s));
    }

    // Departments in Turkish order, "tümü" apart from everyone, people by order number (none
    // first); a click shows the record, and one removed behind the window's back is reported
    // and shows nobody.
    void servislerVeListe()
    {
        QStringList servisler;
        for (int i = 0; i < Servis()->count(); ++i)
            servisler << Servis()->itemText(i);
        QCOMPARE(servisler, L("Tümü,Çevre,Işık,İnsan,tümü"));
        QCOMPARE(Metinler(), L("Oya Su,ahmet Yıldız,Ahmet Işık,İsmail Öz,Zeynep Kaya,ılgaz"));
        ServisSeç("Çevre");
        QCOMPARE(Metinler(), L("ahmet Yıldız,Ahmet Işık,Zeynep Kaya"));
        QCOMPARE(Liste()->currentRow(), -1);
        Tıkla(0);
        ortam->Çalıştır(Deyim::PersoneliSil(1));
        Tıkla(2);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, u"Hata oluştu!"_s);
        QCOMPARE(Kutular(), QStringList(5));
        ServisSeç("tümü");
        Tıkla(0);
        QCOMPARE(Kutular(), L("77,Oya Su,Şef,tümü,"));
        QVERIFY(!İşaretli(0));
    }

    // The first entry beginning with the text, by Turkish case rules, or none with empty boxes;
    // the marks stay.
    void arama_data()
    {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<int>("satır");
        for (const QString& satır : L("AH:1,ahmet ı:2,is:3,IL:5,il:-1,zex\b\b\b:-1"))
            QTest::newRow(qPrintable(satır))
                << satır.section(u':', 0, 0) << satır.section(u':', 1).toInt();
    }
    void arama()
    {
        QFETCH(QString, metin);
        QFETCH(int, satır);
        İşaretle(0);
        İşaretle(4);
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"BulKutusu"_s);
        for (const QChar c : metin)
            c == u'\b' ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace)
                       : Yaz(QApplication::focusWidget(), c);
        QCOMPARE(Liste()->currentRow(), satır);
        QCOMPARE(Kutular()[1], satır < 0 ? QString() : Liste()->item(satır)->text());
        QVERIFY(İşaretli(0) && !İşaretli(1) && !İşaretli(3) && İşaretli(4));
    }

    // No current entry asks nothing, "No" changes nothing; after a deletion the predecessor
    // becomes current (the new first when the first went) and the list has the focus; the last
    // one empties the boxes and reloads the chooser.
    void silme()
    {
        ServisSeç("Çevre");
        Tuşla("SilDüğmesi");
        QVERIFY(ortam->gösterilen.empty());
        Tıkla(1);
        Tuşla("SilDüğmesi");
        const Mesaj soru = ortam->gösterilen.at(0);
        QCOMPARE(soru.metin, u"Ahmet Işık adlı personeli SİLMEK istediğinizden emin misiniz?"_s);
        QVERIFY(soru.simge == MesajSimgesi::Soru && soru.düğmeler == MesajDüğmeleri::EvetHayır);
        QCOMPARE(soru.varsayılan, Yanıt::Hayır);
        QCOMPARE(QApplication::focusWidget(), D<QPushButton>("SilDüğmesi"));
        for (const char* servis : {"Çevre", "Çevre", "Işık"}) {
            ServisSeç(servis);
            Tıkla(Liste()->count() == 3);
            ortam->yanıtlar.push_back(Yanıt::Evet);
            Tuşla("SilDüğmesi");
            QCOMPARE(Liste()->currentRow(), Liste()->count() ? 0 : -1);
            QCOMPARE(Kutular()[1], Liste()->count() ? Liste()->currentItem()->text() : QString());
            QCOMPARE(QApplication::focusWidget(), Liste());
        }
        QCOMPARE(Metinler(), QStringList());
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(Servis()->count(), 4);
        QCOMPARE(Servis()->currentIndex(), -1);
        ServisSeç("Çevre");
        QCOMPARE(Metinler(), L("Zeynep Kaya"));
        QVERIFY(Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(2)).EOF_());
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
        if (kurum)
            ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('Velnora')"_s);
        Aç();
        YazıcıVar = !(işaretli && kurum);
        Tuşla("ListeyiSeçDüğmesi");
        if (!işaretli)
            Tuşla("SeçimiTemizleDüğmesi");
        Tuşla("YazdırDüğmesi");
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QTEST(ortam->gösterilen[0].metin, "metin");
        QCOMPARE(ortam->gösterilen[0].simge, YazıcıVar ? MesajSimgesi::Bilgi : MesajSimgesi::Ünlem);
        QTEST(QApplication::focusWidget()->objectName(), "odak");
        QCOMPARE(Liste()->currentRow(), -1);
        if (!işaretli) {
            QTest::keyClick(Liste(), Qt::Key_End);
            QVERIFY(Liste()->item(5)->isSelected());
            QCOMPARE(Kutular()[0], u"5"_s);
        }
    }

    // The buttons open their dialogs modally, owned by the main window: the edit dialog with the
    // record shown, only when there is a current entry; the holiday calendar on the first day of
    // the chosen month.
    void pencereler_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<QString>("başlık");
        QTest::addColumn<QString>("adı");
        for (const QString& satır :
             L("Ekle:Yeni Personel Ekleme:,Değiştir:Personel Bilgilerini Değiştir:ahmet Yıldız,"
               "Değiştir::,MesaiSüresiBelirleme:Mesai Süresi Belirleme:,KurumAdıGirişi:Kurum "
               "Bilgisi Girişi:,Hakkında:Hakkında:,TatilBelirle:Tatil Tarihleri:"))
            QTest::newRow(qPrintable(satır)) << satır.section(u':', 0, 0) + u"Düğmesi"_s
                                             << satır.section(u':', 1, 1) << satır.section(u':', 2);
    }
    void pencereler()
    {
        QFETCH(QString, düğme);
        if (QTest::currentDataTag() != QByteArray("Değiştir::"))
            Tıkla(1);
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

    // The wheel turns the month and department boxes only while they hold the focus.
    void tekerlek()
    {
        for (const char* ad : {"AyKutusu", "ServisSeçKutusu"}) {
            QComboBox* kutu = D<QComboBox>(ad);
            const int önce = kutu->currentIndex();
            Liste()->setFocus();
            TekerleğiÇevir(kutu, -1);
            QCOMPARE(kutu->currentIndex(), önce);
            QCOMPARE(QApplication::focusWidget(), Liste());
            kutu->setFocus();
            TekerleğiÇevir(kutu, -1);
            QCOMPARE(kutu->currentIndex(), önce + 1);
        }
    }

    // Centred at first; Esc closes, storing the position in twips, where the next start opens.
    // An unreadable edge is reported and left as designed, the other one still taken; "No" ends
    // the program, and closing afterwards stores nothing.
    void konum()
    {
        const QRect ekran = form->screen()->geometry();
        QCOMPARE(form->pos(), QPoint((ekran.width() - 634) / 2, (ekran.height() - 448) / 2));
        const int tasarım = AnaForm().pos().y();
        form->move(123, 77);
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        QSettings ayarlar(u"Velnora"_s, u"Tessaro"_s);
        QCOMPARE(ayarlar.value(u"Ayarlar/Sol Bosluk"_s), u"1845"_s);
        QCOMPARE(ayarlar.value(u"Ayarlar/Ust Bosluk"_s), u"1155"_s);
        Aç();
        QCOMPARE(form->pos(), QPoint(123, 77));
        form.reset();
        ayarlar.setValue(u"Ayarlar/Ust Bosluk"_s, u"yukarı"_s);
        ayarlar.setValue(u"Ayarlar/Sol Bosluk"_s, u"1500"_s);
        ayarlar.sync();
        Aç();
        QVERIFY(ortam->gösterilen.at(0).metin.contains(u"Hata Kodu: 13"_s));
        QCOMPARE(form->pos(), QPoint(100, tasarım));
        ortam->yanıtlar.push_back(Yanıt::Hayır);
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(ortam->bitişKodu.has_value() && !form->isVisible());
        form->close();
        ayarlar.sync();
        QCOMPARE(ayarlar.value(u"Ayarlar/Ust Bosluk"_s), u"yukarı"_s);
    }

    // The holidays from the first of the chosen month to the first of the next, rebuilt when the
    // user changes the month or the year (typed, or by the arrows, which bring the focus along),
    // not when code sets the year.
    void tatiller()
    {
        for (const QString& gün : L("2/29/2024,3/1/2024,3/31/2024,4/1/2024,12/1/2024,1/1/2025,"
                                    "12/25/2025,12/31/2026"))
            ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#%1#)"_s.arg(gün));
        Aç();
        QCOMPARE(form->Tatiller,
                 (std::vector<QDate>{QDate(2024, 3, 1), QDate(2024, 3, 31), QDate(2024, 4, 1)}));
        QVERIFY(!form->TatilMi(QDate(2024, 3, 30)) && form->TatilMi(QDate(2024, 3, 31)));
        QComboBox* ay = D<QComboBox>("AyKutusu");
        ay->setFocus();
        QTest::keyClick(ay, Qt::Key_End);
        const std::vector<QDate> aralık{QDate(2024, 12, 1), QDate(2025, 1, 1)};
        QCOMPARE(form->Tatiller, aralık);
        DüğmeliKutu* yıl = D<DüğmeliKutu>("YılKutusu");
        yıl->SetValue(2025);
        QCOMPARE(form->Tatiller, aralık);
        yıl->DeğerKutusu()->setFocus();
        yıl->DeğerKutusu()->selectAll();
        Yaz(yıl->DeğerKutusu(), u"2025"_s);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
        QTest::keyClick(yıl->DeğerKutusu(), Qt::Key_Up);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2026, 12, 31)});
        ay->setFocus();
        QScrollBar* oklar = yıl->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(oklar, Qt::LeftButton, {},
                          QPoint(oklar->width() / 2, oklar->height() - 3));
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
    }
};

QTEST_MAIN(TestAnaForm)
#include "TestAnaForm.moc"
