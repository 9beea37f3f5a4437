// The main window driven by keys and the mouse on a test database: the department chooser, the
// staff list and its marks, the search, the deletion, the print checks, the stored position and
// the month's holiday set.

#include "common/OrtakDeğişkenlerModülü.h"
#include "controls/DüğmeliKutu.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"
#include "destek/TestTekerleği.h"
#include "forms/AnaForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
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

void Tıkla(QListWidget* liste, int satır)
{
    const QRect alan = liste->visualItemRect(liste->item(satır));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, alan.center());
}

QStringList Öğeler(const QComboBox* kutu)
{
    QStringList s;
    for (int i = 0; i < kutu->count(); ++i)
        s << kutu->itemText(i);
    return s;
}

QStringList Öğeler(const QListWidget* liste)
{
    QStringList s;
    for (int i = 0; i < liste->count(); ++i)
        s << liste->item(i)->text();
    return s;
}

QStringList Metinler(std::initializer_list<const char*> metinler)
{
    QStringList s;
    for (const char* m : metinler)
        s << QString::fromUtf8(m);
    return s;
}

QList<bool> İşaretler(const QListWidget* liste)
{
    QList<bool> s;
    for (int i = 0; i < liste->count(); ++i)
        s << (liste->item(i)->checkState() == Qt::Checked);
    return s;
}

void TatilEkle(const QDate& gün)
{
    TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("TatilTarihleriTablosu"));
    tablo.YeniEkle();
    tablo.AlanıAyarla(QStringLiteral("TatilTarihi"), gün);
    tablo.Güncelle();
    tablo.Kapat();
}
} // namespace

class TestAnaForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> form;

    template <class T> T* D(const char* ad) const
    {
        T* d = form->findChild<T*>(QString::fromUtf8(ad));
        if (!d)
            qFatal("denetim yok: %s", ad);
        return d;
    }
    QListWidget* Liste() const { return D<QListWidget>("PersonelListesi"); }
    QComboBox* Servis() const { return D<QComboBox>("ServisSeçKutusu"); }
    QString Kutu(const char* ad) const { return D<QLineEdit>(ad)->text(); }
    QStringList Kutular() const
    {
        return {Kutu("SiciliKutusu"), Kutu("AdıSoyadıKutusu"), Kutu("ÜnvanıKutusu"),
                Kutu("ServisiKutusu"), Kutu("SıraNoKutusu")};
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
        const int i = Servis()->findText(QString::fromUtf8(ad));
        QVERIFY(i >= 0);
        QTest::keyClick(form.get(), Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Servis());
        QTest::keyClick(Servis(), Qt::Key_Home);
        for (int k = 0; k < i; ++k)
            QTest::keyClick(Servis(), Qt::Key_Down);
        QCOMPARE(Servis()->currentIndex(), i);
    }
    void Bul(const QString& metin)
    {
        QTest::keyClick(form.get(), Qt::Key_P, Qt::AltModifier);
        QLineEdit* bul = D<QLineEdit>("BulKutusu");
        QCOMPARE(QApplication::focusWidget(), bul);
        bul->selectAll();
        QTest::keyClick(bul, Qt::Key_Backspace);
        Yaz(bul, metin);
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

    void bosTablo()
    {
        Aç();
        QCOMPARE(form->windowTitle(), ProgramBaşlığı);
        QCOMPARE(form->size(), QSize(634, 448));
        QCOMPARE(form->windowFlags() & Qt::WindowMaximizeButtonHint, Qt::WindowFlags());
        QCOMPARE(Öğeler(Servis()), QStringList{QStringLiteral("Tümü")});
        QCOMPARE(Servis()->currentIndex(), 0);
        QCOMPARE(Liste()->count(), 0);
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(D<QComboBox>("AyKutusu")->currentText(), QStringLiteral("MART"));
        QCOMPARE(D<DüğmeliKutu>("YılKutusu")->Value(), 2024);

        QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].metin,
                 QStringLiteral("Lütfen, listeden bir personel seçiniz!"));
        QCOMPARE(ortam->gösterilen[0].simge, MesajSimgesi::Bilgi);
        QCOMPARE(QApplication::focusWidget(), Liste());
    }

    void sekmeSirasi()
    {
        Aç();
        const char* sıra[] = {"ServisSeçKutusu", "PersonelListesi", "BulKutusu",
                              "EkleDüğmesi",     "DeğiştirDüğmesi", "MesaiSüresiBelirlemeDüğmesi",
                              "SilDüğmesi",      "HakkındaDüğmesi"};
        Servis()->setFocus();
        for (const char* ad : sıra) {
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromUtf8(ad));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(D<DüğmeliKutu>("YılKutusu")->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Liste());
    }

    void servislerVeSiraNumaralari()
    {
        Ekle(1, "Cem On", "Yazı İşleri", "10");
        Ekle(2, "Cem İki", "Çevre", "2");
        Ekle(3, "Cem Bir", "Işık", "1");
        Ekle(4, "Cem Dört", "İnsan", "");
        Ekle(5, "Cem Beş", "cadde", "3");
        Ekle(6, "Cem Altı", "tümü", "20");
        Ekle(7, "Cem Yedi", "Çevre", "1");
        Aç();
        QCOMPARE(Öğeler(Servis()),
                 Metinler({"Tümü", "cadde", "Çevre", "Işık", "İnsan", "tümü", "Yazı İşleri"}));
        QCOMPARE(Öğeler(Liste()), Metinler({"Cem Dört", "Cem Bir", "Cem Yedi", "Cem İki", "Cem Beş",
                                            "Cem On", "Cem Altı"}));

        ServisSeç("Çevre");
        QCOMPARE(Öğeler(Liste()), Metinler({"Cem Yedi", "Cem İki"}));
        QCOMPARE(Liste()->currentRow(), -1);
        QCOMPARE(Kutular(), QStringList(5));

        ServisSeç("tümü");
        QCOMPARE(Liste()->count(), 7);

        // A click shows the record; an empty order number shows empty.
        Tıkla(Liste(), 0);
        QCOMPARE(Kutular(), Metinler({"4", "Cem Dört", "Memur", "İnsan", ""}));
        QCOMPARE(İşaretler(Liste()), QList<bool>(7, false));
    }

    void bosSiraNumarasi()
    {
        TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("PersonelBilgileriTablosu"));
        tablo.YeniEkle();
        tablo.AlanıAyarla(QStringLiteral("Sicili"), 77);
        tablo.AlanıAyarla(QStringLiteral("AdiSoyadi"), QStringLiteral("Oya Su"));
        tablo.AlanıAyarla(QStringLiteral("Unvani"), QStringLiteral("Şef"));
        tablo.AlanıAyarla(QStringLiteral("Servisi"), QStringLiteral("Arşiv"));
        tablo.Güncelle();
        tablo.Kapat();
        Aç();
        Tıkla(Liste(), 0);
        QCOMPARE(Kutular(), Metinler({"77", "Oya Su", "Şef", "Arşiv", ""}));
    }

    // A record removed behind the window's back cannot be shown: the error is reported and the
    // window goes on.
    void kaybolanKayit()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Aç();
        ortam->Çalıştır(Deyim::PersoneliSil(1));
        Tıkla(Liste(), 0);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
        QCOMPARE(Liste()->currentRow(), 0);
    }

    void aramaVeIsaretler()
    {
        Ekle(1, "Zeynep Kaya", "A", "1");
        Ekle(2, "ahmet Yıldız", "A", "2");
        Ekle(3, "Ahmet Işık", "A", "3");
        Ekle(4, "İsmail Öz", "A", "4");
        Ekle(5, "ılgaz Tan", "A", "5");
        Aç();
        // Marks on the first and the last entry, by Space on the current entry.
        QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        Tıkla(Liste(), 0);
        QTest::keyClick(Liste(), Qt::Key_Space);
        Tıkla(Liste(), 4);
        QTest::keyClick(Liste(), Qt::Key_Space);
        const QList<bool> işaretler{true, false, false, false, true};
        QCOMPARE(İşaretler(Liste()), işaretler);

        Bul(QStringLiteral("AH"));
        QCOMPARE(Liste()->currentRow(), 1);
        QCOMPARE(Kutu("AdıSoyadıKutusu"), QStringLiteral("ahmet Yıldız"));
        Bul(QStringLiteral("ahmet ı"));
        QCOMPARE(Liste()->currentRow(), 2);
        Bul(QStringLiteral("is"));
        QCOMPARE(Liste()->currentRow(), 3);
        Bul(QStringLiteral("IL"));
        QCOMPARE(Liste()->currentRow(), 4);
        Bul(QStringLiteral("il"));
        QCOMPARE(Liste()->currentRow(), -1);
        QCOMPARE(Kutular(), QStringList(5));

        Bul(QStringLiteral("ze"));
        QCOMPARE(Liste()->currentRow(), 0);
        Yaz(D<QLineEdit>("BulKutusu"), QStringLiteral("x"));
        QCOMPARE(Liste()->currentRow(), -1);
        QCOMPARE(Kutular(), QStringList(5));
        Bul(QStringLiteral("ze"));
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Backspace);
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Backspace);
        QCOMPARE(Liste()->currentRow(), -1);
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(İşaretler(Liste()), işaretler);

        // Mark all and unmark all leave the current entry and the record shown.
        Bul(QStringLiteral("İs"));
        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        QCOMPARE(İşaretler(Liste()), QList<bool>(5, true));
        QCOMPARE(Liste()->currentRow(), 3);
        QCOMPARE(Kutu("SiciliKutusu"), QStringLiteral("4"));
        QTest::mouseClick(D<QPushButton>("SeçimiTemizleDüğmesi"), Qt::LeftButton);
        QCOMPARE(İşaretler(Liste()), QList<bool>(5, false));
        QCOMPARE(Liste()->currentRow(), 3);
    }

    void silme()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Ali İki", "A", "2");
        Ekle(3, "Ali Üç", "A", "3");
        Ekle(4, "Ali Dört", "A", "4");
        Ekle(5, "Tek Kişi", "B", "1");
        Aç();
        ServisSeç("A");
        QPushButton* sil = D<QPushButton>("SilDüğmesi");

        // No current entry: nothing is asked.
        QTest::mouseClick(sil, Qt::LeftButton);
        QVERIFY(ortam->gösterilen.empty());

        // No: nothing changes and the focus stays on the button.
        Tıkla(Liste(), 1);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        const Mesaj soru = ortam->gösterilen[0];
        QCOMPARE(soru.metin,
                 QStringLiteral("Ali İki adlı personeli SİLMEK istediğinizden emin misiniz?"));
        QCOMPARE(soru.simge, MesajSimgesi::Soru);
        QCOMPARE(soru.düğmeler, MesajDüğmeleri::EvetHayır);
        QCOMPARE(soru.varsayılan, Yanıt::Hayır);
        QCOMPARE(Liste()->count(), 4);
        QCOMPARE(QApplication::focusWidget(), sil);

        // The first entry: the new first becomes current.
        Tıkla(Liste(), 0);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(Öğeler(Liste()), Metinler({"Ali İki", "Ali Üç", "Ali Dört"}));
        QCOMPARE(Liste()->currentRow(), 0);
        QCOMPARE(Kutu("AdıSoyadıKutusu"), QStringLiteral("Ali İki"));
        QCOMPARE(QApplication::focusWidget(), Liste());
        QVERIFY(Veritabanı.KayıtKümesiAç(Deyim::PersonelAyrıntısı(1)).EOF_());

        // A later one: its predecessor becomes current.
        Tıkla(Liste(), 2);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(Öğeler(Liste()), Metinler({"Ali İki", "Ali Üç"}));
        QCOMPARE(Liste()->currentRow(), 1);
        QCOMPARE(Kutu("SiciliKutusu"), QStringLiteral("3"));

        // The only entry: the boxes empty, the chooser reloaded with nothing selected.
        ServisSeç("B");
        Tıkla(Liste(), 0);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(sil, Qt::LeftButton);
        QCOMPARE(Liste()->count(), 0);
        QCOMPARE(Kutular(), QStringList(5));
        QCOMPARE(Öğeler(Servis()), Metinler({"Tümü", "A"}));
        QCOMPARE(Servis()->currentIndex(), -1);
    }

    // However the list gets the focus, no entry becomes current by itself; the first key makes
    // one current and selected.
    void listeOdakAlincaSecmez_data()
    {
        QTest::addColumn<bool>("uyarıyla");
        QTest::addColumn<int>("tuş");
        QTest::addColumn<int>("satır");
        QTest::newRow("yazdır uyarısı, Home") << true << int(Qt::Key_Home) << 0;
        QTest::newRow("Alt+L, End") << false << int(Qt::Key_End) << 2;
    }
    void listeOdakAlincaSecmez()
    {
        QFETCH(bool, uyarıyla);
        QFETCH(int, tuş);
        QFETCH(int, satır);
        for (int i = 1; i <= 3; ++i)
            Ekle(i, "Ali", "A", "");
        Aç();
        if (uyarıyla)
            QTest::mouseClick(D<QPushButton>("YazdırDüğmesi"), Qt::LeftButton);
        else
            QTest::keyClick(form.get(), Qt::Key_L, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Liste());
        QCOMPARE(Liste()->currentRow(), -1);
        QCOMPARE(Kutular(), QStringList(5));
        QTest::keyClick(Liste(), Qt::Key(tuş));
        QCOMPARE(Liste()->currentRow(), satır);
        QVERIFY(Liste()->item(satır)->isSelected());
        QCOMPARE(Kutu("SiciliKutusu"), QString::number(satır + 1));
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
        QFETCH(int, beklenen);
        QFETCH(bool, uyarı);
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Veli İki", "B", "2");
        TatilEkle(QDate(2023, 3, 10));
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
        QCOMPARE(kutu ? kutu->currentIndex() : int(yıl->Value()), beklenen);
        QCOMPARE(QApplication::focusWidget(), odaktaki);
        QCOMPARE(ortam->gösterilen.size(), size_t(uyarı));
        QCOMPARE(form->Tatiller.size(), size_t(yıl->Value() == 2023));
    }

    void tumuSeciliykenServisKalir()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Ekle(2, "Veli İki", "B", "2");
        Aç();
        Tıkla(Liste(), 1);
        ortam->yanıtlar.push_back(Yanıt::Evet);
        QTest::mouseClick(D<QPushButton>("SilDüğmesi"), Qt::LeftButton);
        QCOMPARE(Öğeler(Liste()), Metinler({"Ali Bir"}));
        QCOMPARE(Öğeler(Servis()), Metinler({"Tümü", "A", "B"}));
    }

    void konum()
    {
        Aç();
        const QRect ekran = form->screen()->geometry();
        QCOMPARE(form->pos(), QPoint((ekran.width() - 634) / 2, (ekran.height() - 448) / 2));
        form->move(123, 77);
        QTest::keyClick(D<QLineEdit>("BulKutusu"), Qt::Key_Escape);
        QVERIFY(!form->isVisible());
        {
            QSettings ayarlar(QStringLiteral("Velnora"), QStringLiteral("Tessaro"));
            QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Sol Bosluk")).toString(),
                     QStringLiteral("1845"));
            QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Ust Bosluk")).toString(),
                     QStringLiteral("1155"));
        }
        Aç();
        QCOMPARE(form->pos(), QPoint(123, 77));
    }

    void bozukKonum()
    {
        {
            QSettings ayarlar(QStringLiteral("Velnora"), QStringLiteral("Tessaro"));
            ayarlar.setValue(QStringLiteral("Ayarlar/Ust Bosluk"), QStringLiteral("yukarı"));
            ayarlar.setValue(QStringLiteral("Ayarlar/Sol Bosluk"), QStringLiteral("1500"));
        }
        const QPoint tasarım = AnaForm().pos();
        Aç();
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].başlık, QStringLiteral("Hata oluştu!"));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 13")));
        QCOMPARE(form->pos(), QPoint(100, tasarım.y()));

        // "No" ends the program: closing afterwards stores nothing.
        form.reset();
        ortam->gösterilen.clear();
        ortam->yanıtlar.push_back(Yanıt::Hayır);
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(ortam->bitişKodu.has_value());
        QVERIFY(!form->isVisible());
        form->close();
        QSettings ayarlar(QStringLiteral("Velnora"), QStringLiteral("Tessaro"));
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Ust Bosluk")).toString(),
                 QStringLiteral("yukarı"));
        QCOMPARE(ayarlar.value(QStringLiteral("Ayarlar/Sol Bosluk")).toString(),
                 QStringLiteral("1500"));
    }

    void yazdirmaDenetimleri()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Aç();
        QPushButton* yazdır = D<QPushButton>("YazdırDüğmesi");
        QTest::mouseClick(yazdır, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), Liste());

        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        QTest::mouseClick(yazdır, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(2));
        QCOMPARE(ortam->gösterilen[1].metin, QStringLiteral("Lütfen, \"Kurum Adı\" giriniz!"));
        QCOMPARE(ortam->gösterilen[1].simge, MesajSimgesi::Bilgi);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 QStringLiteral("KurumAdıGirişiDüğmesi"));
        QCOMPARE(D<QPushButton>("KurumAdıGirişiDüğmesi")->text(),
                 QStringLiteral("K&urum Adı Girişi"));

        KurumAdı = QStringLiteral("Velnora");
        YazıcıVar = false;
        QTest::mouseClick(yazdır, Qt::LeftButton);
        QCOMPARE(ortam->gösterilen.size(), size_t(3));
        QCOMPARE(ortam->gösterilen[2].metin,
                 QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\nLütfen, bir yazıcı "
                                "yükleyip tekrar deneyiniz."));
        QCOMPARE(ortam->gösterilen[2].simge, MesajSimgesi::Ünlem);
        QCOMPARE(QApplication::focusWidget(), yazdır);
    }

    void kurumAdiYuklenir()
    {
        TabloKümesi tablo = Veritabanı.TabloAç(QStringLiteral("KurumTablosu"));
        tablo.YeniEkle();
        tablo.AlanıAyarla(QStringLiteral("KurumAdi"), QStringLiteral("Velnora A.Ş."));
        tablo.Güncelle();
        tablo.Kapat();
        Aç();
        QCOMPARE(KurumAdı, QStringLiteral("Velnora A.Ş."));
    }

    // With no current entry the edit button opens nothing; the holiday calendar opens all the
    // same, on the first day of the chosen month.
    void seciliKisiOlmadan()
    {
        Ekle(1, "Ali Bir", "A", "1");
        Aç();
        bool açıldı = false;
        auto kapat = [&] {
            if (QWidget* pencere = QApplication::activeModalWidget()) {
                açıldı = true;
                pencere->close();
            }
        };
        QTimer::singleShot(0, this, kapat);
        QTest::mouseClick(D<QPushButton>("DeğiştirDüğmesi"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!açıldı);
        QTimer::singleShot(0, this, [&] {
            const QDate açılışta = SeçilenTarih;
            kapat();
            QCOMPARE(açılışta, QDate(2024, 3, 1));
        });
        QTest::mouseClick(D<QPushButton>("TatilBelirleDüğmesi"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(açıldı);
    }

    // The settings and About buttons open their dialogs modally, owned by the main window;
    // Esc closes each one.
    void ayarPencereleriAcilir_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<QString>("başlık");
        QTest::newRow("mesai") << QStringLiteral("MesaiSüresiBelirlemeDüğmesi")
                               << QStringLiteral("Mesai Süresi Belirleme");
        QTest::newRow("kurum") << QStringLiteral("KurumAdıGirişiDüğmesi")
                               << QStringLiteral("Kurum Bilgisi Girişi");
        QTest::newRow("hakkında") << QStringLiteral("HakkındaDüğmesi")
                                  << QStringLiteral("Hakkında");
    }
    void ayarPencereleriAcilir()
    {
        QFETCH(QString, düğme);
        QFETCH(QString, başlık);
        Aç();
        QWidget* ana = form.get();
        QString görülenBaşlık;
        QWidget* sahip = nullptr;
        QTimer::singleShot(0, this, [&] {
            if (QWidget* pencere = QApplication::activeModalWidget()) {
                görülenBaşlık = pencere->windowTitle();
                sahip = pencere->parentWidget();
                QTest::keyClick(pencere, Qt::Key_Escape);
            }
        });
        QTest::mouseClick(form->findChild<QPushButton*>(düğme), Qt::LeftButton);
        QCOMPARE(görülenBaşlık, başlık);
        QCOMPARE(sahip, ana);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void yilSiniriDisinda()
    {
        ortam->SaatiAyarla(QDateTime(QDate(2060, 5, 2), QTime(9, 0)));
        Aç();
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("Hata Kodu: 380")));
        QCOMPARE(D<DüğmeliKutu>("YılKutusu")->Value(), 2020);
        QCOMPARE(D<QComboBox>("AyKutusu")->currentText(), QStringLiteral("MAYIS"));
        QVERIFY(form->isVisible());
    }

    void tatiller()
    {
        for (const QDate& gün : {QDate(2024, 2, 29), QDate(2024, 4, 1), QDate(2024, 4, 2),
                                 QDate(2024, 11, 30), QDate(2024, 12, 1), QDate(2025, 1, 1),
                                 QDate(2025, 1, 2), QDate(2025, 12, 25), QDate(2026, 12, 31)})
            TatilEkle(gün);
        Aç();
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2024, 4, 1)});
        for (int gün = 1; gün <= 31; ++gün)
            QVERIFY(!form->TatilMi(QDate(2024, 3, gün)));
        QVERIFY(form->TatilMi(QDate(2024, 4, 1)));

        QComboBox* ay = D<QComboBox>("AyKutusu");
        ay->setFocus();
        QTest::keyClick(ay, Qt::Key_End);
        QCOMPARE(ay->currentText(), QStringLiteral("ARALIK"));
        QCOMPARE(form->Tatiller, (std::vector<QDate>{QDate(2024, 12, 1), QDate(2025, 1, 1)}));

        // A year set by code while the focus is elsewhere does not rebuild the set.
        DüğmeliKutu* yıl = D<DüğmeliKutu>("YılKutusu");
        yıl->SetValue(2025);
        QCOMPARE(form->Tatiller.size(), size_t(2));

        // Typed by the user, it does.
        QLineEdit* yılKutusu = yıl->DeğerKutusu();
        yılKutusu->setFocus();
        yılKutusu->selectAll();
        Yaz(yılKutusu, QStringLiteral("2025"));
        QCOMPARE(yıl->Value(), 2025);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
        QTest::keyClick(yılKutusu, Qt::Key_Up);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2026, 12, 31)});

        // The down arrow, clicked with the focus elsewhere, brings the focus along.
        ay->setFocus();
        QScrollBar* oklar = yıl->DeğerDeğiştirDüğmesi();
        QTest::mouseClick(oklar, Qt::LeftButton, {},
                          QPoint(oklar->width() / 2, oklar->height() - 3));
        QCOMPARE(yıl->Value(), 2025);
        QCOMPARE(form->Tatiller, std::vector<QDate>{QDate(2025, 12, 25)});
    }
};

QTEST_MAIN(TestAnaForm)
#include "TestAnaForm.moc"
