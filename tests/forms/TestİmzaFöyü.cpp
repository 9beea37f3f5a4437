// The sheet's layout on the recording printer (line height 4 mm, 2 mm a letter, 2.5 mm in
// bold, A4 printable area 210 x 297): every position of the worked example, the rows of each
// month length, the font size on shorter paper, the Sunday and holiday marks, the hours block
// and the error handling.

#include "destek/KayıtYazıcısı.h"
#include "destek/TestOrtamı.h"
#include "forms/İmzaFöyü.h"

#include <QLocale>
#include <QTest>
#include <set>

namespace {

#define YAKIN(a, b)                                                                                \
    QVERIFY2(qAbs(qreal(a) - qreal(b)) < 0.005, qPrintable(QStringLiteral("%1 = %2, beklenen %3")  \
                                                               .arg(QLatin1String(#a))             \
                                                               .arg(qreal(a))                      \
                                                               .arg(qreal(b))))

FöyBilgileri Bilgiler(int ay, int yıl)
{
    FöyBilgileri b;
    b.kurumAdı = QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ");
    b.ayAdı = QStringLiteral("OCAK");
    b.ayNo = ay;
    b.başlıkYılı = qint16(yıl);
    b.tarihYılı = QString::number(yıl);
    b.sicili = QStringLiteral("1234");
    b.adıSoyadı = QStringLiteral("Ayşe YILMAZ");
    b.ünvanı = QStringLiteral("Hemşire");
    b.servisi = QStringLiteral("Acil");
    b.sıraNo = QStringLiteral("7");
    b.tatilMi = [](const QDate&) { return false; };
    return b;
}

std::vector<Çizim> Türden(const std::vector<Çizim>& çizimler, Çizim::Tür tür)
{
    std::vector<Çizim> seçilen;
    for (const Çizim& ç : çizimler)
        if (ç.tür == tür)
            seçilen.push_back(ç);
    return seçilen;
}

// The texts drawn on one line (same y), left to right as drawn.
std::vector<Çizim> Satırdakiler(const std::vector<Çizim>& çizimler, qreal y)
{
    std::vector<Çizim> satır;
    for (const Çizim& ç : Türden(çizimler, Çizim::Metin))
        if (qAbs(ç.baş.y() - y) < 0.005)
            satır.push_back(ç);
    return satır;
}

// The row bars: filled rectangles 0.1 mm high.
std::vector<Çizim> SatırÇubukları(const std::vector<Çizim>& çizimler)
{
    std::vector<Çizim> çubuklar;
    for (const Çizim& ç : Türden(çizimler, Çizim::Dikdörtgen))
        if (qAbs(ç.son.y() - ç.baş.y() - 0.1) < 0.005)
            çubuklar.push_back(ç);
    return çubuklar;
}

qreal Genişlik(const QString& metin, bool kalın)
{
    return metin.size() * KayıtYazıcısı::HarfGenişliği(kalın);
}

QString KısaTarih(int yıl, int ay, int gün)
{
    return QLocale::system().toString(QDate(yıl, ay, gün), QLocale::ShortFormat);
}

const qreal C = (205.0 - 30.0) / 3; // signature column width on A4
const qreal X1 = 35;

} // namespace

class TestImzaFoyu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
    }
    void cleanup() { ortam.reset(); }

    void ornekKonumlar()
    {
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        QCOMPARE(y.BelgeSayısı(), 1);
        QCOMPARE(y.çizimler.back().tür, Çizim::BelgeSonu);
        const std::vector<Çizim> ç = y.Belge(0);
        for (const Çizim& öğe : ç)
            QCOMPARE(öğe.kalem, 3);

        // The frame: four bars, each from where the last ended.
        const std::vector<Çizim> dikdörtgen = Türden(ç, Çizim::Dikdörtgen);
        QVERIFY(dikdörtgen.size() >= 4);
        const QPointF köşe[] = {{5, 5}, {205, 5}, {205, 287}, {5, 287}, {5, 5}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(dikdörtgen[i].baş, köşe[i]);
            QCOMPARE(dikdörtgen[i].son, köşe[i + 1]);
        }

        // The title, centred on the whole width as measured in regular weight, drawn bold.
        const QString başlık =
            QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ MESAİ İMZA FÖYÜ - OCAK 2024");
        const std::vector<Çizim> başlıkSatırı = Satırdakiler(ç, 9);
        QCOMPARE(başlıkSatırı.size(), size_t(1));
        QCOMPARE(başlıkSatırı[0].metin, başlık);
        QVERIFY(başlıkSatırı[0].kalın);
        YAKIN(başlıkSatırı[0].baş.x(), (210 - Genişlik(başlık, false)) / 2);

        // The rules across the frame, zero high.
        const auto kural = [&](qreal yükseklik) {
            for (const Çizim& d : dikdörtgen)
                if (qAbs(d.baş.y() - yükseklik) < 0.005 && qAbs(d.son.y() - yükseklik) < 0.005 &&
                    d.baş.x() == 5 && d.son.x() == 205)
                    return true;
            return false;
        };
        QVERIFY(kural(15.8));
        QVERIFY(kural(39.8));
        QVERIFY(kural(47.8));

        // The person block: label at 10, ":" at 35, the value bold at 37, every 4 mm.
        const QStringList etiketler = {QStringLiteral("Sicili"), QStringLiteral("Adı Soyadı"),
                                       QStringLiteral("Ünvanı"), QStringLiteral("Birimi"),
                                       QStringLiteral("Sıra No")};
        const QStringList değerler = {QStringLiteral("1234"), QStringLiteral("Ayşe YILMAZ"),
                                      QStringLiteral("Hemşire"), QStringLiteral("Acil"),
                                      QStringLiteral("7")};
        for (int i = 0; i < 5; ++i) {
            const qreal yükseklik = 17.8 + 4 * i;
            std::vector<Çizim> satır = Satırdakiler(ç, yükseklik);
            // The second and third lines share their y with the hours block.
            satır.erase(std::remove_if(satır.begin(), satır.end(),
                                       [](const Çizim& m) { return m.baş.x() >= 155; }),
                        satır.end());
            QCOMPARE(satır.size(), size_t(3));
            QCOMPARE(satır[0].metin, etiketler[i]);
            QCOMPARE(satır[0].baş.x(), 10.0);
            QVERIFY(!satır[0].kalın);
            QCOMPARE(satır[1].metin, QStringLiteral(":"));
            QCOMPARE(satır[1].baş.x(), 35.0);
            QVERIFY(!satır[1].kalın);
            QCOMPARE(satır[2].metin, değerler[i]);
            QCOMPARE(satır[2].baş.x(), 37.0);
            QVERIFY(satır[2].kalın);
        }

        // The header, bold, centred in its columns; the fourth column reaches W.
        const std::vector<Çizim> başlıklar = Satırdakiler(ç, 41.8);
        QCOMPARE(başlıklar.size(), size_t(4));
        const QStringList sütunlar = {QStringLiteral("TARİH"), QStringLiteral("GİRİŞ"),
                                      QStringLiteral("ÇIKIŞ"), QStringLiteral("KONTROL")};
        YAKIN(başlıklar[0].baş.x(), 5 + (30 - Genişlik(sütunlar[0], true)) / 2);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(başlıklar[i].metin, sütunlar[i]);
            QVERIFY(başlıklar[i].kalın);
            if (i > 0)
                YAKIN(başlıklar[i].baş.x(),
                      X1 + (i - 1) * C + (C - Genişlik(sütunlar[i], true)) / 2);
        }

        // The day rows: text 2.6 below the previous rule, bar 1.4 to 1.5 below the line.
        const std::vector<Çizim> çubuklar = SatırÇubukları(ç);
        QCOMPARE(çubuklar.size(), size_t(31));
        for (int gün = 1; gün <= 31; ++gün) {
            const qreal metinY = 50.4 + 8.1 * (gün - 1);
            const std::vector<Çizim> satır = Satırdakiler(ç, metinY);
            QVERIFY2(!satır.empty(), qPrintable(QString::number(gün)));
            const QString tarih = KısaTarih(2024, 1, gün);
            QCOMPARE(satır[0].metin, tarih);
            QVERIFY(!satır[0].kalın);
            YAKIN(satır[0].baş.x(), 5 + (30 - Genişlik(tarih, false)) / 2);
            YAKIN(çubuklar[gün - 1].baş.y(), metinY + 5.4);
            YAKIN(çubuklar[gün - 1].son.y(), metinY + 5.5);
            QCOMPARE(çubuklar[gün - 1].baş.x(), 5.0);
            QCOMPARE(çubuklar[gün - 1].son.x(), 205.0);
        }
        YAKIN(çubuklar[0].baş.y(), 55.8);
        YAKIN(çubuklar[0].son.y(), 55.9);

        // The column lines, from the rule above the header to the frame's bottom.
        const std::vector<Çizim> çizgiler = Türden(ç, Çizim::Çizgi);
        QCOMPARE(çizgiler.size(), size_t(3));
        for (int i = 0; i < 3; ++i) {
            YAKIN(çizgiler[i].baş.x(), X1 + i * C);
            YAKIN(çizgiler[i].son.x(), X1 + i * C);
            YAKIN(çizgiler[i].baş.y(), 39.8);
            QCOMPARE(çizgiler[i].son.y(), 287.0);
        }

        // The hours block at its fixed places.
        for (const auto& [yükseklik, etiket] : {std::pair{22.0, QStringLiteral("Hafta İçi")},
                                                std::pair{26.0, QStringLiteral("Hafta Sonu")}}) {
            std::vector<Çizim> satır = Satırdakiler(ç, yükseklik);
            satır.erase(std::remove_if(satır.begin(), satır.end(),
                                       [](const Çizim& m) { return m.baş.x() < 155; }),
                        satır.end());
            QCOMPARE(satır.size(), size_t(3));
            QCOMPARE(satır[0].metin, etiket);
            QCOMPARE(satır[0].baş.x(), 155.0);
            QVERIFY(satır[0].kalın);
            QCOMPARE(satır[1].metin, QStringLiteral(":"));
            QCOMPARE(satır[1].baş.x(), 172.0);
            QVERIFY(satır[1].kalın);
            QCOMPARE(satır[2].metin, QStringLiteral("8 Saat"));
            QCOMPARE(satır[2].baş.x(), 174.0);
            QVERIFY(!satır[2].kalın);
        }

        // Drawing order: frame first, the column lines after the last row, the hours last.
        const auto sıra = [&](const Çizim& aranan) {
            for (size_t i = 0; i < ç.size(); ++i)
                if (ç[i].tür == aranan.tür && ç[i].baş == aranan.baş && ç[i].son == aranan.son &&
                    ç[i].metin == aranan.metin)
                    return i;
            return ç.size();
        };
        QVERIFY(sıra(çizgiler[0]) > sıra(çubuklar.back()));
        QCOMPARE(ç.back().metin, QStringLiteral("8 Saat"));
        QCOMPARE(sıra(dikdörtgen[3]), size_t(3));
        QVERIFY(ortam->gösterilen.empty());
    }

    void ayinGunleri_data()
    {
        QTest::addColumn<int>("yıl");
        QTest::addColumn<int>("ay");
        QTest::addColumn<int>("günler");
        QTest::newRow("Şubat 2023") << 2023 << 2 << 28;
        QTest::newRow("Şubat 2024") << 2024 << 2 << 29;
        QTest::newRow("Nisan 2024") << 2024 << 4 << 30;
        QTest::newRow("Aralık 2024") << 2024 << 12 << 31;
    }
    void ayinGunleri()
    {
        QFETCH(int, yıl);
        QFETCH(int, ay);
        QFETCH(int, günler);
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, Bilgiler(ay, yıl)).Yazdır());
        const std::vector<Çizim> ç = y.Belge(0);
        QCOMPARE(SatırÇubukları(ç).size(), size_t(günler));
        QCOMPARE(Satırdakiler(ç, 50.4 + 8.1 * (günler - 1))[0].metin, KısaTarih(yıl, ay, günler));
        QVERIFY(Satırdakiler(ç, 50.4 + 8.1 * günler).empty());
        // The column lines still run to the frame's bottom below the last row.
        for (const Çizim& çizgi : Türden(ç, Çizim::Çizgi))
            QCOMPARE(çizgi.son.y(), 287.0);
    }

    void kagidaSigar_data()
    {
        QTest::addColumn<QSizeF>("alan");
        QTest::addColumn<bool>("küçülür");
        QTest::newRow("A4") << QSizeF(210, 288.5) << false;
        QTest::newRow("A4, geniş kenarlar") << QSizeF(190, 271.6) << true;
        QTest::newRow("Letter, geniş kenarlar") << QSizeF(190.5, 254) << true;
    }
    void kagidaSigar()
    {
        QFETCH(QSizeF, alan);
        QFETCH(bool, küçülür);
        KayıtYazıcısı y(alan, 3.26, true);
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        const std::vector<Çizim> ç = y.Belge(0);
        const qreal alt = Türden(ç, Çizim::Dikdörtgen)[1].son.y();
        const float h = y.SatırYüksekliği();
        const std::vector<Çizim> çubuklar = SatırÇubukları(ç);
        QCOMPARE(çubuklar.size(), size_t(31));
        QVERIFY(çubuklar.back().son.y() < alt);
        // The default size stays wherever the rows fit; a smaller one only as small as needed.
        QCOMPARE(h < 3.26f, küçülür);
        QVERIFY(!küçülür || çubuklar.back().son.y() > alt - 2);
        for (const Çizim& metin : Türden(ç, Çizim::Metin))
            QVERIFY(metin.baş.y() + h < alt);
    }

    void pazarVeTatil()
    {
        // March 2024: the 3rd and 10th are Sundays, the 16th and 23rd Saturdays.
        std::set<QDate> tatiller = {QDate(2024, 3, 10), QDate(2024, 3, 16), QDate(2024, 3, 20)};
        std::vector<QDate> sorulan;
        FöyBilgileri b = Bilgiler(3, 2024);
        b.tatilMi = [&](const QDate& t) {
            sorulan.push_back(t);
            return tatiller.count(t) > 0;
        };
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, b).Yazdır());
        const std::vector<Çizim> ç = y.Belge(0);
        const auto satır = [&](int gün) { return Satırdakiler(ç, 50.4 + 8.1 * (gün - 1)); };
        const auto işaretli = [&](int gün, const QString& işaret) {
            const std::vector<Çizim> s = satır(gün);
            QCOMPARE(s.size(), size_t(4));
            QCOMPARE(s[0].metin, KısaTarih(2024, 3, gün));
            for (int i = 1; i < 4; ++i) {
                QCOMPARE(s[i].metin, işaret);
                QVERIFY(!s[i].kalın);
                YAKIN(s[i].baş.x(), X1 + (i - 1) * C + (C - Genişlik(işaret, false)) / 2);
            }
        };
        const QString pazar = QStringLiteral("PAZAR");
        const QString tatil = QStringLiteral("TATİL");
        işaretli(3, pazar);
        işaretli(10, pazar);                   // a Sunday that is a holiday as well
        işaretli(16, tatil);                   // a Saturday holiday
        işaretli(20, tatil);                   // a weekday holiday
        QCOMPARE(satır(23).size(), size_t(1)); // a Saturday without holiday: its date only
        QCOMPARE(satır(21).size(), size_t(1));
        // Sundays never reach the holiday set; every other day does, once.
        QCOMPARE(sorulan.size(), size_t(31 - 5));
        for (const QDate& t : sorulan)
            QVERIFY(t.dayOfWeek() != Qt::Sunday);
    }

    void bosKutularVeSifirSaat()
    {
        ortam->Çalıştır(QStringLiteral(
            "UPDATE MesaiSüreleriTablosu SET HaftaIciSuresi = 0, HaftaSonuSuresi = 0"));
        FöyBilgileri b = Bilgiler(1, 2024);
        b.sicili.clear();
        b.adıSoyadı.clear();
        b.ünvanı.clear();
        b.servisi.clear();
        b.sıraNo.clear();
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, b).Yazdır());
        const std::vector<Çizim> ç = y.Belge(0);
        const std::vector<Çizim> adı = Satırdakiler(ç, 21.8);
        QCOMPARE(adı[0].metin, QStringLiteral("Adı Soyadı"));
        QCOMPARE(adı[1].metin, QStringLiteral(":"));
        QCOMPARE(adı[2].metin, QString());
        // The empty values still end their lines: the table stays where it was.
        QCOMPARE(Satırdakiler(ç, 41.8).size(), size_t(4));
        QCOMPARE(Satırdakiler(ç, 22).back().metin, QStringLiteral("0 Saat"));
        QCOMPARE(Satırdakiler(ç, 26).back().metin, QStringLiteral("0 Saat"));
    }

    void saatKaydiYok()
    {
        ortam->Çalıştır(QStringLiteral("DELETE * FROM MesaiSüreleriTablosu"));
        KayıtYazıcısı y;
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        // One report of the missing record, the user goes on, the sheet is whole.
        QCOMPARE(ortam->gösterilen.size(), size_t(1));
        QVERIFY(ortam->gösterilen[0].metin.contains(QStringLiteral("3021")));
        QVERIFY(ortam->bitişKodu == std::nullopt);
        const std::vector<Çizim> ç = y.Belge(0);
        QCOMPARE(Satırdakiler(ç, 22).back().metin, QStringLiteral("0 Saat"));
        QCOMPARE(SatırÇubukları(ç).size(), size_t(31));
        QCOMPARE(y.BelgeSayısı(), 1);
    }

    void yaziciHatasiSessizAmaBilinir()
    {
        KayıtYazıcısı y;
        y.hataVer = [](const Çizim& ç) { return ç.metin == QStringLiteral("TARİH"); };
        QVERIFY(!İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        QVERIFY(ortam->gösterilen.empty());
        // Drawing went on after the failure, and the document was ended.
        const std::vector<Çizim> ç = y.Belge(0);
        QCOMPARE(SatırÇubukları(ç).size(), size_t(31));
        QCOMPARE(ç.back().metin, QStringLiteral("8 Saat"));
        QCOMPARE(y.BelgeSayısı(), 1);

        // The next sheet starts with a clean record.
        y.hataVer = {};
        QVERIFY(İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        QCOMPARE(y.BelgeSayısı(), 2);

        // A job the spooler refuses at its end counts the same.
        y.hataVer = [](const Çizim& ç) { return ç.tür == Çizim::BelgeSonu; };
        QVERIFY(!İmzaFöyü(y, Bilgiler(1, 2024)).Yazdır());
        QVERIFY(ortam->gösterilen.empty());
    }

private:
    std::unique_ptr<TestOrtamı> ortam;
};

QTEST_MAIN(TestImzaFoyu)
#include "TestİmzaFöyü.moc"
