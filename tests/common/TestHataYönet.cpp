// An error under each guard, through HataYönet, the scripted box and the observed end; then one
// step under each guard: none runs once the program has been ended.
#include "common/Hata.h"
#include "common/HataYönet.h"
#include "common/Korumalar.h"
#include "destek/TestOrtamı.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestHataYonet : public QObject
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
            if (numara != 5)
                throw Hata(numara, u"Klasör oluşturulamadı"_s);
            throw std::runtime_error("Klasör oluşturulamadı");
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

QTEST_GUILESS_MAIN(TestHataYonet)
#include "TestHataYönet.moc"
