// The staff list in and out of files from the main window's context menus: the file dialogs'
// folder, the preview of an import, its one transaction, and the export.

#include "destek/AnaFormTesti.h"
#include "transfer/PersonelİçeAktarımı.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

class TestPersonelListesiAktarimi : public AnaFormTesti
{
    Q_OBJECT

    QTemporaryDir klasör;

private Q_SLOTS:
    // Each file dialog opens in the documents folder, or in the home folder when there is none.
    // An import of a file it cannot take tells why, and the path. The export, given a name
    // without an extension, takes the chosen kind's; a folder that refuses it is told, and
    // keeps nothing.
    void dosyaPenceresi_data()
    {
        QTest::addColumn<bool>("belgeler");
        QTest::newRow("belgeler") << true;
        QTest::newRow("kapalı ev") << false;
    }
    void dosyaPenceresi()
    {
        QFETCH(bool, belgeler);
        Kur({u"Ali Veli"_s});
        qunsetenv("XDG_CONFIG_HOME"); // the documents folder is then looked up under HOME
        const QString klasör = QDir::cleanPath(ortam->Ev() + (belgeler ? u"Documents"_s : u""_s));
        QVERIFY(QDir().mkpath(klasör));
        const DosyaEngeli engel({u"chattr"_s, belgeler ? u"-i"_s : u"+i"_s, klasör},
                                {u"chattr"_s, u"-i"_s, klasör});
        ortam->Çalıştır(u"INSERT INTO KurumTablosu VALUES ('KURUM')"_s);
        Aç();
        Liste()->Kişiler().İşaretle(0, true);
        QStringList pencereler;
        for (const int sıra : {1, 3, 4}) // the PDF, the import, the export
            QVERIFY(PenceredeYap(
                [&] { MenüdenSeç(Liste(), sıra); },
                [&](QWidget* p) {
                    auto* pencere = qobject_cast<QFileDialog*>(p);
                    pencereler << p->windowTitle() + u'|' + pencere->directory().path();
                    pencere->selectNameFilter(pencere->nameFilters().constLast());
                    // typed: the name box has the focus
                    p->findChild<QLineEdit*>(u"fileNameEdit"_s)
                        ->setText(sıra == 3 ? ortam->VeritabanıYolu() : klasör + u"/liste"_s);
                    if (sıra > 1)
                        static_cast<QDialog*>(p)->accept();
                }));
        QCOMPARE(pencereler.join(u'|'),
                 u"PDF Dosyası Olarak Kaydet|%1|Personel Listesini İçe Aktar|%1|Personel "
                 u"Listesini Dışa Aktar|%1"_s.arg(klasör));
        QCOMPARE(ortam->gösterilen.empty() ? QString() : ortam->gösterilen.back().metin,
                 belgeler
                     ? PersonelListesiniOku(ortam->VeritabanıYolu()).Sorun() + u"\r\n\r\n"_s +
                           ortam->VeritabanıYolu()
                     : u"Personel listesi dışa aktarılamadı:\r\n\r\n"_s + klasör + u"/liste.csv"_s);
        QCOMPARE(QDir(klasör).entryList(QDir::Files).join(u' '),
                 belgeler ? u"liste.csv"_s : QString());
    }

    // The preview tells what becomes of every row; "&Aktar" adds the rows to be added in one
    // transaction and shows everybody, a refusal in the middle adds nobody, "İptal (Esc)" nothing.
    void iceAktarim_data()
    {
        QTest::addColumn<QString>("düğme");
        QTest::addColumn<bool>("ret");      // the register refuses registry number 2
        QTest::addColumn<QString>("mesaj"); // the box shown: its text, or HataYönet's title
        QTest::newRow("aktar") << u"AktarDüğmesi"_s << false
                               << u"2 personel eklendi; 2 satır eklenmedi."_s;
        QTest::newRow("iptal") << u"İptalDüğmesi"_s << false << QString();
        QTest::newRow("ret") << u"AktarDüğmesi"_s << true << u"Hata oluştu!"_s;
    }
    void iceAktarim()
    {
        QFETCH(QString, düğme);
        QFETCH(bool, ret);
        QFETCH(QString, mesaj);
        const int eklenen = ret || düğme != u"AktarDüğmesi" ? 0 : 2;
        Kur({u"Ali Veli"_s});
        if (ret)
            ortam->Çalıştır(u"CREATE TRIGGER ret BEFORE INSERT ON PersonelBilgileriTablosu WHEN "
                            u"NEW.Sicili = 2 BEGIN SELECT RAISE(ABORT, 'ret'); END"_s);
        Aç();
        QFile dosya(klasör.filePath(u"liste.csv"_s));
        QVERIFY(dosya.open(QIODevice::WriteOnly));
        dosya.write("Sicili;Adı Soyadı;Ünvanı;Servisi\n100;x y;a;b\n1;ayşe kaya;memur;bilgi "
                    "işlem\n2;can su;şef;acil\nx;a b;c;d\n");
        dosya.close();
        QString özet, durum;
        QCOMPARE(PencerelerdeYap(
                     [&] { MenüdenSeç(Liste(), 3); },
                     {[&](QWidget* p) {
                          // typed, as the file is too new for the dialog's list
                          p->findChild<QLineEdit*>(u"fileNameEdit"_s)->setText(dosya.fileName());
                          static_cast<QDialog*>(p)->accept();
                      },
                      [&](QWidget* p) {
                          özet = p->findChild<QLabel*>(u"ÖzetEtiketi"_s)->text();
                          durum =
                              p->findChild<QTableView*>()->model()->index(3, 5).data().toString();
                          p->findChild<QPushButton*>(düğme)->click();
                      }}),
                 2u);
        QCOMPARE(özet, u"4 satır okundu: 2 eklenecek, 1 zaten kayıtlı, 1 hatalı."_s);
        QCOMPARE(durum, u"Hatalı: sicil yalnızca rakamlardan oluşmalı"_s);
        QCOMPARE(ortam->gösterilen.empty() ? QString()
                 : ret                     ? ortam->gösterilen[0].başlık
                                           : ortam->gösterilen[0].metin,
                 mesaj);
        // "Tümü", "Acil", and then "Bilgi İşlem"
        QCOMPARE(D<QComboBox>("ServisSeçKutusu")->count(), eklenen ? 3 : 2);
        QCOMPARE(D<QComboBox>("ServisSeçKutusu")->currentText(), u"Tümü"_s);
        QCOMPARE(Liste()->count(), 1 + eklenen);
        QCOMPARE(Sütun(u"SELECT Sicili FROM PersonelBilgileriTablosu"_s, u"Sicili"_s).size(),
                 1 + eklenen);
    }
};

QTEST_MAIN(TestPersonelListesiAktarimi)
#include "TestPersonelListesiAktarımı.moc"
