// Tsr.vtb lost under the running program, deleted or replaced by another file: the connection
// still holds the old file, which no path leads to any more, so a write is refused as to a file
// that cannot be written, reading goes on, and whatever now stands at the path is left as it is.

#include "common/Hata.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/Deyimler.h"
#include "data/Veritabanı.h"
#include "destek/TestOrtamı.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {
void Ekle(const QString& sıra)
{
    Veritabanı.Çalıştır(Deyim::PersonelEkle(sıra, u"Ayşe IŞIK"_s, u"Memur"_s, u"İdari"_s, sıra));
}
QStringList SıraNoları()
{
    QStringList sonuç;
    for (SonuçKümesi k = Veritabanı.KayıtKümesiAç(Deyim::TümPersonel()); !k.EOF_();
         k.SonrakineGeç())
        sonuç << k.Alan(u"SiraNo"_s).toString();
    return sonuç;
}
} // namespace

class TestDosyaKaybi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dosyaGitti()
    {
        TestOrtamı ortam;
        ortam.VeritabanınıAç();
        Ekle(u"1"_s);
        QFile dosya(ortam.VeritabanıYolu());
        QVERIFY(dosya.remove());
        // Deleted, and then replaced by a file that is no database.
        for (const QByteArray& yerine : {QByteArray(), QByteArray("bir veritabanı değil\n")}) {
            QVERIFY(yerine.isEmpty() ||
                    (dosya.open(QIODevice::WriteOnly) && dosya.write(yerine) > 0));
            dosya.close();
            try {
                Ekle(u"2"_s);
                QFAIL("yazıldı");
            } catch (const Hata& h) {
                QCOMPARE(h.Numara(), HataNo::SaltOkunur);
            }
            QCOMPARE(SıraNoları(), QStringList{u"1"_s});
        }
        Veritabanı.Kapat();
        QVERIFY(dosya.open(QIODevice::ReadOnly));
        QCOMPARE(dosya.readAll(), QByteArray("bir veritabanı değil\n"));
    }
};

QTEST_GUILESS_MAIN(TestDosyaKaybi)
#include "TestDosyaKaybı.moc"
