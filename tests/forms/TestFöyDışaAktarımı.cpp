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
    // Saves through the save dialog, which offers the month's file name.
    void Kaydet(const QString& yol)
    {
        Menüden(Liste(), 1, [&](QWidget* pencere) {
            auto* seçme = qobject_cast<QFileDialog*>(pencere);
            QVERIFY(seçme);
            QCOMPARE(QFileInfo(seçme->selectedFiles().value(0)).fileName(),
                     u"Mesai İmza Föyleri - ARALIK 2026.pdf"_s);
            seçme->selectFile(yol);
            static_cast<QDialog*>(seçme)->accept();
        });
    }
private Q_SLOTS:
    // Rows 0, 2 and 3 of four marked: three pages in list order, as the file, the preview (most
    // of the screen) and a file printed from it; the current entry stays, or none.
    void herKisiyeBirSayfa()
    {
        Hazırla(4, 3);
        const QTemporaryDir klasör;
        const QString yol = klasör.filePath(u"föyler.pdf"_s);
        // Each run rebuilds the month's holidays first.
        ortam->Çalıştır(u"INSERT INTO TatilTarihleriTablosu VALUES (#12/24/2026#)"_s);
        Tıkla(1);
        Kaydet(yol);
        QVERIFY(form->TatilMi(QDate(2026, 12, 24)));
        QCOMPARE(Liste()->currentRow(), 1);
        QCOMPARE(D<QLineEdit>("AdıSoyadıKutusu")->text(), u"Kişi 1"_s);
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
        Liste()->setCurrentRow(-1);
        int sayfa = 0;
        Menüden(D<QPushButton>("YazdırDüğmesi"), 0, [&](QWidget* önizleme) {
            sayfa = önizleme->findChild<QPrintPreviewWidget*>()->pageCount();
            QCOMPARE(önizleme->windowTitle(), u"Baskı Önizleme"_s);
            const QSize ekran = önizleme->screen()->availableSize();
            QVERIFY(önizleme->width() * önizleme->height() > 0.75 * ekran.width() * ekran.height());
            static_cast<QPrintPreviewDialog*>(önizleme)->printer()->setOutputFileName(
                klasör.filePath(u"önizleme.pdf"_s));
            önizleme->findChild<QPrintPreviewWidget*>()->print();
        });
        QCOMPARE(sayfa, 3);
        QCOMPARE(PdfMetni(klasör.filePath(u"önizleme.pdf"_s)).count(u'\f'), 3);
        QVERIFY(form->TatilMi(QDate(2026, 12, 25)));
        QCOMPARE(Liste()->currentRow(), -1);
        QVERIFY(D<QLineEdit>("AdıSoyadıKutusu")->text().isEmpty());
    }

    // No file when an export cannot be made whole: the print button's two checks (marks cleared
    // by "Seçimi Temizle", no institution name) with their messages and focus; a folder refusing
    // the file, unreadable hours (after their message), a run cancelled in the preview's file.
    void yapilmayanDisaAktarim_data()
    {
        QTest::addColumn<QString>("mesaj"); // the last one shown; none: the export's failure
        QTest::addColumn<QString>("odak");
        QTest::newRow("kimse işaretli değil")
            << u"Lütfen, listeden bir personel seçiniz!"_s << u"PersonelListesi"_s;
        QTest::newRow("kurum adı yok")
            << u"Lütfen, \"Kurum Adı\" giriniz!"_s << u"KurumAdıGirişiDüğmesi"_s;
        QTest::newRow("kapalı klasör") << QString() << QString();
        QTest::newRow("saatler okunamıyor") << QString() << QString();
        QTest::newRow("önizlemede iptal") << QString() << QString();
    }
    void yapilmayanDisaAktarim()
    {
        QFETCH(QString, mesaj);
        QFETCH(QString, odak);
        const QString durum = QString::fromUtf8(QTest::currentDataTag());
        const int mesajlar = durum == u"saatler okunamıyor" ? 2 : durum != u"önizlemede iptal";
        Hazırla(durum == u"önizlemede iptal" ? 40 : 2, 1, durum != u"kurum adı yok");
        if (durum == u"kimse işaretli değil")
            QTest::mouseClick(D<QPushButton>("SeçimiTemizleDüğmesi"), Qt::LeftButton);
        const QTemporaryDir klasör;
        const QString yol = klasör.filePath(u"föyler.pdf"_s);
        const DosyaEngeli engel(
            {u"chattr"_s, durum == u"kapalı klasör" ? u"+i"_s : u"-i"_s, klasör.path()},
            {u"chattr"_s, u"-i"_s, klasör.path()});
        QVERIFY(engel.Kurulu());
        if (durum == u"saatler okunamıyor")
            ortam->Çalıştır(u"DELETE * FROM MesaiSüreleriTablosu"_s);
        if (!odak.isEmpty())
            Menüden(Liste(), durum == u"kurum adı yok", {});
        else if (durum == u"önizlemede iptal")
            Menüden(Liste(), 0, [&](QWidget* önizleme) {
                Liste()->Kişiler().HepsiniİşaretleVeyaTemizle(true);
                QTimer::singleShot(0, form.get(),
                                   [this] { form->findChild<QProgressDialog*>()->cancel(); });
                static_cast<QPrintPreviewDialog*>(önizleme)->printer()->setOutputFileName(yol);
                önizleme->findChild<QPrintPreviewWidget*>()->print();
            });
        else
            Kaydet(yol);
        QVERIFY(QDir(klasör.path()).isEmpty());
        QCOMPARE(ortam->gösterilen.size(), size_t(mesajlar));
        if (mesajlar)
            QCOMPARE(ortam->gösterilen.back().metin,
                     mesaj.isEmpty() ? u"PDF dosyası kaydedilemedi:\r\n\r\n"_s + yol : mesaj);
        if (!odak.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), odak);
        QTRY_VERIFY(!form->findChild<QMenu*>()); // the closed menu is gone
    }
};

QTEST_MAIN(TestFoyDisaAktarimi)
#include "TestFöyDışaAktarımı.moc"
