// An error under each guard, through HataYönet, the scripted message box and the observed
// program end, texts letter for letter. After the failing step one step runs under each guard:
// none does once the program has been ended.
#include "common/Hata.h"
#include "common/HataYönet.h"
#include "common/Korumalar.h"
#include "destek/TestOrtamı.h"

#include <QTest>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {
QString Soru(int numara)
{
    return u"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! \nYine de devam etmek istiyor "
           u"musunuz?\r\n\r\nHata Kodu: %1\r\n\r\nHata Mesajı: Klasör oluşturulamadı"_s.arg(numara);
}
} // namespace

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
        OrtalamaYordamınıAyarla([this] {
            QVERIFY(ortam->gösterilen.empty()); // armed before the box comes
            olaylar << u"ortala"_s;
        });
    }
    void cleanup() { OrtalamaYordamınıAyarla({}), ortam.reset(); }

    void korumalar_data()
    {
        QTest::addColumn<int>("koruma"); // Tuzak, BaşlangıçTuzağı, Yoksay
        QTest::addColumn<int>("numara"); // 5: a standard exception, no Hata
        QTest::addColumn<Yanıt>("yanıt");
        QTest::addColumn<QString>("olaylar");
        QTest::addColumn<QString>("metin"); // empty: no box at all
        const QString ağ = u"Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
        const QString dosya = u"Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"_s;
        QTest::newRow("3043 ağ") << 0 << 3043 << Yanıt::Tamam << u"ortala"_s << ağ;
        QTest::newRow("3044 yol") << 0 << 3044 << Yanıt::Tamam << u"ortala"_s << ağ;
        QTest::newRow("3051 dosya") << 0 << 3051 << Yanıt::Tamam << u"ortala"_s << dosya;
        QTest::newRow("3356 sessiz") << 0 << 3356 << Yanıt::Tamam << u"ortala 1 2 3"_s << QString();
        QTest::newRow("482 sessiz") << 0 << 482 << Yanıt::Tamam << u"ortala 1 2 3"_s << QString();
        QTest::newRow("evet") << 0 << 3022 << Yanıt::Evet << u"ortala 1 2 3"_s << Soru(3022);
        QTest::newRow("hayır") << 0 << 3022 << Yanıt::Hayır << u"ortala"_s << Soru(3022);
        QTest::newRow("eksi") << 0 << -2147467259 << Yanıt::Evet << u"ortala 1 2 3"_s
                              << Soru(-2147467259);
        QTest::newRow("başka hata") << 0 << 5 << Yanıt::Evet << u"ortala 1 2 3"_s << Soru(5);
        QTest::newRow("başlangıç") << 1 << 75 << Yanıt::Hayır << QString() << Soru(75);
        QTest::newRow("yoksay") << 2 << 3043 << Yanıt::Hayır << u"1 2 3"_s << QString();
        QTest::newRow("yoksay, başka") << 2 << 5 << Yanıt::Hayır << u"1 2 3"_s << QString();
    }
    void korumalar()
    {
        QFETCH(int, koruma);
        QFETCH(int, numara);
        QFETCH(Yanıt, yanıt);
        QFETCH(QString, metin);
        ortam->yanıtlar = {yanıt};
        const auto koru = koruma == 0 ? Tuzak : koruma == 1 ? BaşlangıçTuzağı : Yoksay;
        QVERIFY(!koru([numara] {
            if (numara != 5)
                throw Hata(numara, u"Klasör oluşturulamadı"_s);
            throw std::runtime_error("Klasör oluşturulamadı");
        }));
        Tuzak([this] { olaylar << u"1"_s; });
        BaşlangıçTuzağı([this] { olaylar << u"2"_s; });
        Yoksay([this] { olaylar << u"3"_s; });
        QTEST(olaylar.join(u' '), "olaylar");
        QCOMPARE(ProgramBittiMi(), !olaylar.contains(u"1"_s));
        QCOMPARE(ortam->bitişKodu, ProgramBittiMi() ? std::optional(0) : std::nullopt);
        QCOMPARE(ortam->gösterilen.size(), size_t(!metin.isEmpty()));
        if (metin.isEmpty())
            return;
        const Mesaj& m = ortam->gösterilen[0];
        const bool soru = m.düğmeler == MesajDüğmeleri::EvetHayır;
        QCOMPARE(m.metin, metin);
        QCOMPARE(m.başlık, soru ? u"Hata oluştu!"_s : u"Tessaro"_s);
        QCOMPARE(m.simge, soru ? MesajSimgesi::Kritik : MesajSimgesi::Ünlem);
        QCOMPARE(soru, metin.startsWith(u"Program"));
        QVERIFY(!soru || m.varsayılan == Yanıt::Evet);
    }
};

QTEST_GUILESS_MAIN(TestHataYonet)
#include "TestHataYönet.moc"
