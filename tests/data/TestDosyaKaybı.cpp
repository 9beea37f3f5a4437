// The writer killed outright in a series of saves: every save that had returned is in the file.

#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QProcess>
#include <QTest>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
void Ekle(const QString& sıra)
{
    Veritabanı.Çalıştır(Deyim::PersonelEkle(sıra, u"Ayşe IŞIK"_s, u"Memur"_s, u"İdari"_s, sıra));
}
} // namespace

class TestDosyaKaybi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The test runs itself again as the writer, which prints each order number once its save
    // has returned; the file must then pass the integrity check and hold every reported row, and
    // at most the one save under way besides.
    void oldurulenYaziciKayitKaybetmez()
    {
        TestOrtamı ortam;
        QProcess yazıcı;
        yazıcı.start(QCoreApplication::applicationFilePath(), {ortam.VeritabanıYolu()});
        while (yazıcı.bytesAvailable() < 1000)
            QVERIFY(yazıcı.waitForReadyRead(10000));
        yazıcı.kill();
        QVERIFY(yazıcı.waitForFinished());
        QStringList bildirilen = QString::fromLatin1(yazıcı.readAllStandardOutput()).split(u'\n');
        bildirilen.removeLast();
        ortam.VeritabanınıAç();
        QCOMPARE(Veritabanı.KayıtKümesiAç(u"PRAGMA integrity_check"_s).Alan(0), u"ok"_s);
        const QStringList kayıtlı = Sütun(Deyim::TümPersonel(), u"SiraNo"_s);
        QCOMPARE(kayıtlı.mid(0, bildirilen.size()), bildirilen);
        QVERIFY(kayıtlı.size() <= bildirilen.size() + 1);
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    if (argc == 2 && QFile::exists(QString::fromLocal8Bit(argv[1]))) {
        Veritabanı.Aç(QString::fromLocal8Bit(argv[1]));
        for (int i = 1000;; ++i) {
            Ekle(QString::number(i));
            std::printf("%d\n", i);
            std::fflush(stdout);
        }
    }
    TestDosyaKaybi test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestDosyaKaybı.moc"
