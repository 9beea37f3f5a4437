// The sheet on a PDF page, as a person sees it: its texts as pdftotext reads them, and its
// frame, rules and rows as pdftoppm draws them.

#include "common/YazıcıNesnesi.h"
#include "destek/SayfaResmi.h"
#include "destek/TestOrtamı.h"
#include "forms/İmzaFöyü.h"

#include <QPdfWriter>
#include <QTest>

class TestImzaFoyuSayfasi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pdfSayfasi()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        const QString pdf = ortam.ProgramKlasörü() + QStringLiteral("foy.pdf");
        {
            // A4 with the margins Qt gives a printer by default.
            QPdfWriter yazıcı(pdf);
            yazıcı.setResolution(1200);
            yazıcı.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(10, 10, 10, 10), QPageLayout::Point));
            YazıcıNesnesi y(&yazıcı);
            FöyBilgileri b;
            b.kurumAdı = QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ");
            b.ayAdı = QStringLiteral("MART");
            b.ayNo = 3;
            b.başlıkYılı = 2024;
            b.tarihYılı = QStringLiteral("2024");
            b.adıSoyadı = QStringLiteral("Gülşen ÖZTÜRK");
            b.ünvanı = QStringLiteral("Şef");
            b.tatilMi = [](const QDate& t) { return t == QDate(2024, 3, 20); };
            QVERIFY(İmzaFöyü(y, b).Yazdır());
        }

        const QString metin = PdfMetni(pdf);
        QVERIFY2(
            metin.contains(QStringLiteral("ÇAĞLAYAN DEVLET HASTANESİ MESAİ İMZA FÖYÜ - MART 2024")),
            qPrintable(metin));
        for (const char* parça :
             {"Adı Soyadı", "Gülşen ÖZTÜRK", "Ünvanı", "Şef", "TARİH", "GİRİŞ", "ÇIKIŞ", "KONTROL",
              "PAZAR", "TATİL", "Hafta İçi", "Hafta Sonu", "8 Saat"})
            QVERIFY2(metin.contains(QString::fromUtf8(parça)), parça);

        const QImage resim = PdfResmi(pdf, 100, ortam.ProgramKlasörü() + QStringLiteral("foy.png"));
        QVERIFY(!resim.isNull());
        // Frame top and bottom, the rule under the title, above and under the header, and
        // the bars of the 31 rows.
        const std::vector<int> yatay = YatayÇizgiler(resim, 0.8);
        QCOMPARE(yatay.size(), size_t(36));
        QVERIFY(yatay.front() > 0);
        QVERIFY(yatay.back() < resim.height() - 1);
        // Every row lies inside the frame: the last bar above its bottom edge.
        QVERIFY(yatay[34] < yatay[35] - 5);
        // Frame sides and the three column lines.
        const std::vector<int> dikey = DikeyÇizgiler(resim, 0.6);
        QCOMPARE(dikey.size(), size_t(5));
        QVERIFY(dikey.front() > 0);
        QVERIFY(dikey.back() < resim.width() - 1);
    }
};

QTEST_MAIN(TestImzaFoyuSayfasi)
#include "TestİmzaFöyüSayfası.moc"
