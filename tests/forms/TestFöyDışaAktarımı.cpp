// The marked people's sheets without a printer: one PDF file and a print preview, chosen from the
// context menus of the staff list and the print button. One page per marked person in list
// order, the marks left as they are, and no file at all when the export cannot be made whole.

#include "common/OrtakDeğişkenlerModülü.h"
#include "destek/AnaFormTesti.h"
#include "destek/PdfMetni.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestFoyDisaAktarimi : public AnaFormTesti
{
    Q_OBJECT

    // The window on kişi people in December 2026, işaretli of them marked: row 0, then from row 2.
    void Hazırla(int kişi, int işaretli, bool kurumAdı = true)
    {
        QStringList kişiler;
        for (int i = 0; i < kişi; ++i)
            kişiler << u"Kişi %1"_s.arg(i);
        Kur(kişiler);
        if (kurumAdı)
            ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"_s);
        ortam->SaatiAyarla(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        YazıcıVar = false;
        Aç();
        for (int i = 0; i < işaretli; ++i)
            Liste()->Kişiler().İşaretle(i == 0 ? 0 : i + 1, true);
    }
    // Chooses the context menu's entry sıra on denetim; içinde acts in the window it opens, and
    // without one no window may open.
    void Menüden(QWidget* denetim, int sıra, const std::function<void(QWidget*)>& içinde)
    {
        QCOMPARE(PenceredeYap([&] { QVERIFY(!MenüdenSeç(denetim, sıra).isEmpty()); }, içinde),
                 bool(içinde));
    }
    // Saves through the save dialog, which offers the month's file name; kabulde runs as the
    // dialog is accepted.
    void Kaydet(const QString& yol, const std::function<void()>& kabulde = {})
    {
        Menüden(Liste(), 1, [&](QWidget* pencere) {
            auto* seçme = qobject_cast<QFileDialog*>(pencere);
            QVERIFY(seçme);
            QCOMPARE(QFileInfo(seçme->selectedFiles().value(0)).fileName(),
                     u"Mesai İmza Föyleri - ARALIK 2026.pdf"_s);
            seçme->selectFile(yol);
            if (kabulde)
                kabulde();
            static_cast<QDialog*>(seçme)->accept();
        });
    }
private Q_SLOTS:
    // Rows 0, 2 and 3 of four marked: three pages in list order, as the file and the preview.
    void herKisiyeBirSayfa()
    {
        Hazırla(4, 3);
        const QTemporaryDir klasör;
        const QString yol = klasör.filePath(u"föyler.pdf"_s);
        // Each run rebuilds the month's holidays first.
        ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#12/24/2026#)"_s);
        Kaydet(yol);
        QVERIFY(form->TatilMi(QDate(2026, 12, 24)));
        const QStringList sayfalar = PdfMetni(yol).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(sayfalar.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(sayfalar[i].contains(u"ÇAĞLAYAN HASTANESİ MESAİ İMZA FÖYÜ - ARALIK 2026"_s));
            QVERIFY2(sayfalar[i].contains(u"Kişi %1"_s.arg(i == 0 ? 0 : i + 1)),
                     qPrintable(sayfalar[i]));
        }
        for (int satır = 0; satır < 4; ++satır)
            QCOMPARE(İşaretli(satır), satır != 1);

        ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#12/25/2026#)"_s);
        int sayfa = 0;
        Menüden(D<QPushButton>("YazdırDüğmesi"), 0, [&](QWidget* önizleme) {
            sayfa = önizleme->findChild<QPrintPreviewWidget*>()->pageCount();
            QCOMPARE(önizleme->windowTitle(), u"Baskı Önizleme"_s);
        });
        QCOMPARE(sayfa, 3);
        QVERIFY(form->TatilMi(QDate(2026, 12, 25)));
    }

    // The print button's first two checks, in its order, with its messages and focus.
    void yapilamayanDisaAktarim_data()
    {
        QTest::addColumn<int>("işaretli");
        QTest::addColumn<int>("sıra");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("odak");
        QTest::newRow("önizleme") << 0 << 0 << u"Lütfen, listeden bir personel seçiniz!"_s
                                  << u"PersonelListesi"_s;
        QTest::newRow("pdf") << 1 << 1 << u"Lütfen, \"Kurum Adı\" giriniz!"_s
                             << u"KurumAdıGirişiDüğmesi"_s;
    }
    void yapilamayanDisaAktarim()
    {
        QFETCH(int, işaretli);
        QFETCH(int, sıra);
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        Hazırla(2, işaretli, false);
        Menüden(Liste(), sıra, {});
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].metin, mesaj);
        QCOMPARE(QApplication::focusWidget()->objectName(), odak);
        QTRY_VERIFY(!form->findChild<QMenu*>()); // the closed menu is gone
    }

    // A folder that refuses the file, and a long run cancelled: nothing is left behind.
    void dosyaBirakmayanDisaAktarim()
    {
        Hazırla(40, 1);
        QTemporaryDir kapalı;
        const DosyaEngeli engel({u"chattr"_s, u"+i"_s, kapalı.path()},
                                {u"chattr"_s, u"-i"_s, kapalı.path()});
        QVERIFY(engel.Kurulu());
        Kaydet(kapalı.filePath(u"föyler.pdf"_s));
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].metin,
                 u"PDF dosyası kaydedilemedi:\r\n\r\n"_s + kapalı.filePath(u"föyler.pdf"_s));
        QVERIFY(QDir(kapalı.path()).isEmpty());

        QTest::mouseClick(D<QPushButton>("ListeyiSeçDüğmesi"), Qt::LeftButton);
        const QTemporaryDir klasör;
        QTimer iptal;
        iptal.setSingleShot(true);
        connect(&iptal, &QTimer::timeout, this,
                [this] { form->findChild<QProgressDialog*>()->cancel(); });
        Kaydet(klasör.filePath(u"iptal.pdf"_s), [&] { iptal.start(0); });
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QVERIFY(QDir(klasör.path()).isEmpty());
    }
};

QTEST_MAIN(TestFoyDisaAktarimi)
#include "TestFöyDışaAktarımı.moc"
