// The Turkish text rules applied to names, titles, departments and the institution name: never
// crash, normalising twice gives the same text as once, and no straight apostrophe survives the
// rules that replace it.

#include "FuzzOrtak.h"
#include "common/TürkçeMetin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut)
{
    const QString girdi = FuzzMetni(veri, boyut);

    const QString ilk = İlkHarfleriBüyüt(girdi);
    FUZZ_DOGRULA(İlkHarfleriBüyüt(ilk) == ilk, girdi);

    const QString soyadı = SoyadıBüyüt(ilk);
    FUZZ_DOGRULA(SoyadıBüyüt(İlkHarfleriBüyüt(soyadı)) == soyadı, girdi);

    const QString büyük = TürkçeBüyükHarf(girdi);
    FUZZ_DOGRULA(TürkçeBüyükHarf(büyük) == büyük, girdi);

    // The search's small letters: as long as the text, and folding them again changes nothing.
    const QString küçük = TürkçeKüçükHarf(girdi);
    FUZZ_DOGRULA(küçük.size() == girdi.size() && TürkçeKüçükHarf(küçük) == küçük, girdi);

    // What the staff and institution boxes store.
    for (QString (*düzelt)(const QString&) : {AdıSoyadıDüzelt, ÜnvanıDüzelt, KurumAdınıDüzelt}) {
        const QString bir = düzelt(girdi);
        FUZZ_DOGRULA(!bir.contains(QLatin1Char('\'')), girdi);
        FUZZ_DOGRULA(düzelt(bir) == bir, girdi);
    }
    return 0;
}
