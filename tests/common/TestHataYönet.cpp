// HataYönet's four outcomes through the scripted message box and the observed program end,
// texts letter for letter, and the guards that run a handler's steps.

#include "common/Hata.h"
#include "common/HataYönet.h"
#include "common/Korumalar.h"
#include "destek/TestOrtamı.h"

#include <QTest>
#include <optional>
#include <stdexcept>

Q_DECLARE_METATYPE(MesajSimgesi)
Q_DECLARE_METATYPE(MesajDüğmeleri)

namespace {
const QString soruBaşı = QStringLiteral("Program, aşağıdaki hata nedeniyle doğru "
                                        "çalışmayabilir! \nYine de devam etmek istiyor musunuz?");
}

class TestHataYonet : public QObject
{
    Q_OBJECT

    std::optional<TestOrtamı> ortam;
    QStringList olaylar;

private Q_SLOTS:
    void init()
    {
        ortam.emplace(false);
        olaylar.clear();
        OrtalamaYordamınıAyarla([this] { olaylar << QStringLiteral("ortala"); });
        MesajKutusuUygulamasınıAyarla([this](const Mesaj& m) {
            olaylar << QStringLiteral("kutu");
            ortam->gösterilen.push_back(m);
            if (ortam->yanıtlar.empty())
                return m.düğmeler == MesajDüğmeleri::Tamam ? Yanıt::Tamam : m.varsayılan;
            const Yanıt y = ortam->yanıtlar.front();
            ortam->yanıtlar.pop_front();
            return y;
        });
    }
    void cleanup()
    {
        OrtalamaYordamınıAyarla({});
        ortam.reset();
    }

    void dortSonuc_data()
    {
        QTest::addColumn<int>("numara");
        QTest::addColumn<QString>("açıklama");
        QTest::addColumn<Yanıt>("yanıt");
        QTest::addColumn<QString>("metin"); // empty: no box at all
        QTest::addColumn<MesajSimgesi>("simge");
        QTest::addColumn<MesajDüğmeleri>("düğmeler");
        QTest::addColumn<QString>("başlık");
        QTest::addColumn<bool>("biter");

        const QString ağ = QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar "
                                          "deneyiniz!");
        const QString dosya = QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar "
                                             "deneyiniz!");
        const QString tessaro = QStringLiteral("Tessaro");
        QTest::newRow("3043 disk ya da ağ")
            << 3043 << QStringLiteral("x") << Yanıt::Tamam << ağ << MesajSimgesi::Ünlem
            << MesajDüğmeleri::Tamam << tessaro << true;
        QTest::newRow("3044 geçersiz yol")
            << 3044 << QStringLiteral("x") << Yanıt::Tamam << ağ << MesajSimgesi::Ünlem
            << MesajDüğmeleri::Tamam << tessaro << true;
        QTest::newRow("3051 açılamıyor")
            << 3051 << QStringLiteral("x") << Yanıt::Tamam << dosya << MesajSimgesi::Ünlem
            << MesajDüğmeleri::Tamam << tessaro << true;
        QTest::newRow("3356 sessiz")
            << 3356 << QStringLiteral("x") << Yanıt::Tamam << QString() << MesajSimgesi::Bilgi
            << MesajDüğmeleri::Tamam << QString() << false;
        QTest::newRow("482 sessiz")
            << 482 << QStringLiteral("x") << Yanıt::Tamam << QString() << MesajSimgesi::Bilgi
            << MesajDüğmeleri::Tamam << QString() << false;

        const QString açıklama = QStringLiteral("Aynı değer bu alanda zaten kayıtlı (UNIQUE)");
        const QString soru =
            soruBaşı + QStringLiteral("\r\n\r\nHata Kodu: 3022\r\n\r\nHata Mesajı: ") + açıklama;
        QTest::newRow("3022 evet")
            << 3022 << açıklama << Yanıt::Evet << soru << MesajSimgesi::Kritik
            << MesajDüğmeleri::EvetHayır << QStringLiteral("Hata oluştu!") << false;
        QTest::newRow("3022 hayır")
            << 3022 << açıklama << Yanıt::Hayır << soru << MesajSimgesi::Kritik
            << MesajDüğmeleri::EvetHayır << QStringLiteral("Hata oluştu!") << true;
        QTest::newRow("eksi numara")
            << -2147467259 << QStringLiteral("Belirtilmemiş hata") << Yanıt::Evet
            << soruBaşı + QStringLiteral("\r\n\r\nHata Kodu: -2147467259\r\n\r\n"
                                         "Hata Mesajı: Belirtilmemiş hata")
            << MesajSimgesi::Kritik << MesajDüğmeleri::EvetHayır << QStringLiteral("Hata oluştu!")
            << false;
    }
    void dortSonuc()
    {
        QFETCH(int, numara);
        QFETCH(QString, açıklama);
        QFETCH(Yanıt, yanıt);
        QFETCH(QString, metin);
        QFETCH(MesajSimgesi, simge);
        QFETCH(MesajDüğmeleri, düğmeler);
        QFETCH(QString, başlık);
        QFETCH(bool, biter);
        ortam->yanıtlar = {yanıt};

        HataYönet(Hata(numara, açıklama));

        if (metin.isEmpty()) {
            QVERIFY(ortam->gösterilen.empty());
        } else {
            QCOMPARE(ortam->gösterilen.size(), size_t(1));
            const Mesaj& m = ortam->gösterilen[0];
            QCOMPARE(m.metin, metin);
            QCOMPARE(m.simge, simge);
            QCOMPARE(m.düğmeler, düğmeler);
            QCOMPARE(m.başlık, başlık);
        }
        QCOMPARE(ortam->bitişKodu, biter ? std::optional<int>(0) : std::nullopt);
        QCOMPARE(ProgramBittiMi(), biter);
    }

    void tuzakOrtalarSorarVeSonrakiAdimaGecer()
    {
        ortam->yanıtlar = {Yanıt::Evet};
        Tuzak([this] { olaylar << QStringLiteral("1"); });
        Tuzak([this] {
            olaylar << QStringLiteral("2");
            throw Hata(3022, QStringLiteral("yinelenen"));
        });
        Tuzak([this] { olaylar << QStringLiteral("3"); });
        QCOMPARE(olaylar,
                 (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("ortala"),
                              QStringLiteral("kutu"), QStringLiteral("3")}));
        QVERIFY(!ortam->bitişKodu);
    }

    void hayirdanSonraHicbirAdimCalismaz()
    {
        ortam->yanıtlar = {Yanıt::Hayır};
        Tuzak([] { throw Hata(3021, QStringLiteral("Geçerli kayıt yok.")); });
        Tuzak([this] { olaylar << QStringLiteral("tuzak"); });
        BaşlangıçTuzağı([this] { olaylar << QStringLiteral("başlangıç"); });
        Yoksay([this] { olaylar << QStringLiteral("yoksay"); });
        QCOMPARE(olaylar, (QStringList{QStringLiteral("ortala"), QStringLiteral("kutu")}));
        QCOMPARE(ortam->bitişKodu, std::optional<int>(0));
    }

    void baslangicTuzagiOrtalamaz()
    {
        ortam->yanıtlar = {Yanıt::Evet};
        BaşlangıçTuzağı([] { throw Hata(75, QStringLiteral("Klasör oluşturulamadı")); });
        BaşlangıçTuzağı([this] { olaylar << QStringLiteral("sonraki"); });
        QCOMPARE(olaylar, (QStringList{QStringLiteral("kutu"), QStringLiteral("sonraki")}));
        QVERIFY(ortam->gösterilen[0].metin.endsWith(
            QStringLiteral("Hata Kodu: 75\r\n\r\nHata Mesajı: Klasör oluşturulamadı")));
    }

    void yoksaySessizceGecer()
    {
        Yoksay([] { throw Hata(3043, QStringLiteral("disk")); });
        Yoksay([] { throw std::runtime_error("başka"); });
        Yoksay([this] { olaylar << QStringLiteral("sonraki"); });
        QCOMPARE(olaylar, QStringList{QStringLiteral("sonraki")});
        QVERIFY(!ortam->bitişKodu);
    }

    void baskaHatalarDaAyniSoruylaBildirilir()
    {
        ortam->yanıtlar = {Yanıt::Evet};
        Tuzak([] { throw std::runtime_error("beklenmeyen durum"); });
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QCOMPARE(ortam->gösterilen[0].metin,
                 soruBaşı +
                     QStringLiteral("\r\n\r\nHata Kodu: 5\r\n\r\nHata Mesajı: beklenmeyen durum"));
    }
};

QTEST_GUILESS_MAIN(TestHataYonet)
#include "TestHataYönet.moc"
