// The marked people's sheets without a printer: one PDF file and a print preview, chosen from the
// context menus of the staff list and the print button. One page per marked person in list
// order, the marks left as they are, and no file at all when the export cannot be made whole.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "destek/TestMenüsü.h"
#include "destek/TestOrtamı.h"
#include "forms/AnaForm.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
// What one of poppler's tools prints about a PDF file.
QString Poppler(const QString& araç, const QStringList& argümanlar)
{
    QProcess süreç;
    süreç.start(araç, argümanlar);
    süreç.waitForFinished();
    return QString::fromUtf8(süreç.readAllStandardOutput());
}
} // namespace

class TestFoyDisaAktarimi : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestOrtamı> ortam;
    std::unique_ptr<AnaForm> form;

    QListWidget* Liste() const
    {
        return form->findChild<QListWidget*>(QStringLiteral("PersonelListesi"));
    }
    void Aç(int kişiSayısı, bool kurumAdı = true)
    {
        ortam = std::make_unique<TestOrtamı>();
        ortam->VeritabanınıAç();
        for (int i = 0; i < kişiSayısı; ++i)
            ortam->Çalıştır(Deyim::PersonelEkle(
                QString::number(100 + i), QStringLiteral("Kişi %1").arg(i, 2, 10, QLatin1Char('0')),
                QStringLiteral("Memur"), QStringLiteral("Acil"), QString::number(i + 1)));
        if (kurumAdı)
            ortam->Çalıştır(
                QStringLiteral("INSERT INTO KurumTablosu VALUES ('ÇAĞLAYAN HASTANESİ')"));
        ortam->SaatiAyarla(QDateTime(QDate(2026, 12, 7), QTime(9, 0)));
        YazıcıVar = false;
        form = std::make_unique<AnaForm>();
        form->Yükle();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void İşaretle(std::initializer_list<int> satırlar)
    {
        for (int satır : satırlar)
            Liste()->item(satır)->setCheckState(Qt::Checked);
    }
    // Chooses the context menu's entry sıra on denetim; içinde acts in the window it opens, and
    // when there is none, no window may open.
    void Menüden(QWidget* denetim, int sıra, const std::function<void(QWidget*)>& içinde)
    {
        bool açıldı = false;
        // Goes with the function: when no window opens, it never fires.
        QTimer bakış;
        bakış.setSingleShot(true);
        connect(&bakış, &QTimer::timeout, this, [&] {
            QWidget* pencere = QApplication::activeModalWidget();
            açıldı = pencere != nullptr;
            if (pencere && içinde)
                içinde(pencere);
            else if (pencere)
                pencere->close();
        });
        bakış.start(0);
        QVERIFY(!MenüdenSeç(denetim, sıra).isEmpty());
        QCOMPARE(açıldı, bool(içinde));
    }
    // Saves the PDF file through the save dialog, which offers the month's file name; kabulde
    // runs as the dialog is accepted.
    void Kaydet(const QString& yol, const std::function<void()>& kabulde = {})
    {
        Menüden(Liste(), 1, [&](QWidget* pencere) {
            auto* seçme = qobject_cast<QFileDialog*>(pencere);
            QVERIFY(seçme);
            QCOMPARE(seçme->windowTitle(), QStringLiteral("PDF Dosyası Olarak Kaydet"));
            QCOMPARE(QFileInfo(seçme->selectedFiles().value(0)).fileName(),
                     QStringLiteral("Mesai İmza Föyleri - ARALIK 2026.pdf"));
            seçme->selectFile(yol);
            if (kabulde)
                kabulde();
            static_cast<QDialog*>(seçme)->accept();
        });
    }

private Q_SLOTS:
    void cleanup()
    {
        form.reset();
        ortam.reset();
    }

    void pdfHerKisiyeBirSayfa()
    {
        Aç(4);
        İşaretle({0, 2, 3});
        const QTemporaryDir klasör;
        const QString yol = klasör.filePath(QStringLiteral("föyler.pdf"));
        Kaydet(yol);
        QVERIFY(Poppler(QStringLiteral("pdfinfo"), {yol})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
        const QStringList sayfalar =
            Poppler(QStringLiteral("pdftotext"), {yol, QStringLiteral("-")})
                .split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(sayfalar.size(), 3);
        const int kişiler[] = {0, 2, 3};
        for (int i = 0; i < 3; ++i) {
            QVERIFY(sayfalar[i].contains(
                QStringLiteral("ÇAĞLAYAN HASTANESİ MESAİ İMZA FÖYÜ - ARALIK 2026")));
            QVERIFY2(sayfalar[i].contains(QStringLiteral("Kişi 0%1").arg(kişiler[i])),
                     qPrintable(sayfalar[i]));
        }
        for (int satır = 0; satır < 4; ++satır)
            QCOMPARE(Liste()->item(satır)->checkState(), satır == 1 ? Qt::Unchecked : Qt::Checked);
    }

    void onizlemeHerKisiyeBirSayfa()
    {
        Aç(4);
        İşaretle({0, 2, 3});
        int sayfa = 0;
        Menüden(form->findChild<QPushButton*>(QStringLiteral("YazdırDüğmesi")), 0,
                [&](QWidget* önizleme) {
                    sayfa = önizleme->findChild<QPrintPreviewWidget*>()->pageCount();
                    önizleme->close();
                });
        QCOMPARE(sayfa, 3);
    }

    void yapilamayanDisaAktarim_data()
    {
        QTest::addColumn<bool>("işaretli");
        QTest::addColumn<bool>("kurumAdı");
        QTest::addColumn<int>("sıra");
        QTest::addColumn<QString>("mesaj");
        const QString seçiniz = QStringLiteral("Lütfen, listeden bir personel seçiniz!");
        const QString kurum = QStringLiteral("Lütfen, \"Kurum Adı\" giriniz!");
        QTest::newRow("önizleme, işaret yok") << false << false << 0 << seçiniz;
        QTest::newRow("pdf, işaret yok") << false << true << 1 << seçiniz;
        QTest::newRow("önizleme, kurum adı yok") << true << false << 0 << kurum;
        QTest::newRow("pdf, kurum adı yok") << true << false << 1 << kurum;
    }
    void yapilamayanDisaAktarim()
    {
        QFETCH(bool, işaretli);
        QFETCH(bool, kurumAdı);
        QFETCH(int, sıra);
        QFETCH(QString, mesaj);
        Aç(2, kurumAdı);
        if (işaretli)
            İşaretle({1});
        Menüden(Liste(), sıra, {});
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].metin, mesaj);
        QCOMPARE(QApplication::focusWidget()->objectName(),
                 işaretli ? QStringLiteral("KurumAdıGirişiDüğmesi")
                          : QStringLiteral("PersonelListesi"));
    }

    // A folder that refuses the file, and a long run cancelled: nothing is left behind.
    void dosyaBirakmayanDisaAktarim()
    {
        Aç(40);
        İşaretle({0});
        QTemporaryDir kapalı;
        const DosyaEngeli engel({QStringLiteral("chattr"), QStringLiteral("+i"), kapalı.path()},
                                {QStringLiteral("chattr"), QStringLiteral("-i"), kapalı.path()});
        QVERIFY(engel.Kurulu());
        Kaydet(kapalı.filePath(QStringLiteral("föyler.pdf")));
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QCOMPARE(ortam->gösterilen[0].metin, QStringLiteral("PDF dosyası kaydedilemedi:\r\n\r\n") +
                                                 kapalı.filePath(QStringLiteral("föyler.pdf")));
        QVERIFY(QDir(kapalı.path()).isEmpty());

        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("ListeyiSeçDüğmesi")),
                          Qt::LeftButton);
        const QTemporaryDir klasör;
        QTimer iptal;
        iptal.setSingleShot(true);
        connect(&iptal, &QTimer::timeout, this, [this] {
            auto* ilerleme = form->findChild<QProgressDialog*>();
            QVERIFY(ilerleme);
            ilerleme->cancel();
        });
        Kaydet(klasör.filePath(QStringLiteral("iptal.pdf")), [&] { iptal.start(0); });
        QCOMPARE(ortam->gösterilen.size(), 1u);
        QVERIFY(QDir(klasör.path()).isEmpty());
    }
};

QTEST_MAIN(TestFoyDisaAktarimi)
#include "TestFöyDışaAktarımı.moc"
