// Writes the initial database Tsr.vtb that is delivered with the program.
//   TsrOlustur YOL          writes YOL; fails when a file is there
//   TsrOlustur --yoksa YOL  writes YOL only when no file is there

#include "common/Hata.h"
#include "data/Şema.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication uygulama(argc, argv);
    QStringList bağımsız = uygulama.arguments().mid(1);
    const bool yoksa = !bağımsız.isEmpty() && bağımsız.first() == QStringLiteral("--yoksa");
    if (yoksa)
        bağımsız.removeFirst();
    QTextStream hata(stderr);
    if (bağımsız.size() != 1) {
        hata << "Kullanım: TsrOlustur [--yoksa] YOL\n";
        return 2;
    }
    const QString yol = bağımsız.first();
    if (yoksa && QFile::exists(yol))
        return 0;
    try {
        İlkVeritabanınıYaz(yol);
    } catch (const Hata& h) {
        hata << h.Açıklama() << '\n';
        return 1;
    }
    return 0;
}
