#include "BaşlangıçModülü.h"

#include "Kaynaklar.h"
#include "TekKopyaKoruması.h"
#include "XPModülü.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "common/OrtakDeğişkenlerModülü.h"
#include "data/SistemKaydıİşlemleriModülü.h"
#include "data/VeritabanıHazırlığı.h"
#include "forms/AnaForm.h"
#include "gui/YazıcıApileri.h"

#include <QAccessible>
#include <QRegularExpression>
#include <future>

SistemKararı İşletimSistemiKararı(const SürümKaydı& kayıt)
{
    if (kayıt.platform == 1) {
        if (kayıt.ara == 0 && kayıt.yapı < 0x04000457u)
            return SistemKararı::Metin15;
        return SistemKararı::Geçer;
    }
    if (kayıt.platform == 2) {
        if (kayıt.ana == 3)
            return SistemKararı::Metin20;
        if (kayıt.ana == 4) {
            const QString paket = kayıt.servisPaketi.section(QChar(0), 0, 0);
            const QRegularExpressionMatch eşleşme =
                QRegularExpression(QStringLiteral("Service Pack\\s*(\\d+)"),
                                   QRegularExpression::CaseInsensitiveOption)
                    .match(paket);
            if (!eşleşme.hasMatch() || eşleşme.captured(1).toInt() < 3)
                return SistemKararı::Metin20;
        }
    }
    return SistemKararı::Geçer;
}

void İşletimSistemiDenetle()
{
    İşletimSistemiDenetle(Platform::SistemSürümü());
}

void İşletimSistemiDenetle(const SürümKaydı& kayıt)
{
    Yoksay([&] {
        const SistemKararı karar = İşletimSistemiKararı(kayıt);
        if (karar == SistemKararı::Geçer)
            return;
        MesajKutusu(
            {Kaynak::Metin(karar == SistemKararı::Metin15 ? 15 : 20), MesajSimgesi::Kritik});
        ProgramıBitir(0);
    });
}

void Main()
{
    BaşlangıçTuzağı([] { GörselStilleriBaşlat(); });
    BaşlangıçTuzağı([] {
        ProgramBaşlığı =
            Kaynak::Metin(10) + QLatin1Char(' ') +
            Kaynak::SürümMetni(Kaynak::SürümAna, Kaynak::SürümAra, Kaynak::SürümDüzeltme);
    });
    bool başkaKopyaVar = false;
    BaşlangıçTuzağı([&] { başkaKopyaVar = !TekKopyaKoruması::AdıSahiplen(ProgramBaşlığı); });
    if (başkaKopyaVar) {
        ProgramıBitir(0);
        return;
    }
    İşletimSistemiDenetle();
    BaşlangıçTuzağı([] { ProgramKlasörü = ProgramDosyasınınKlasörü(); });
    BaşlangıçTuzağı([] { VeriKlasörü = VeriKlasörünüBelirle(ProgramKlasörü); });
    if (ProgramBittiMi())
        return;
    VeritabanınıHazırla(VeriKlasörü);
    BaşlangıçTuzağı([] { AyarUygulamaAdı = QStringLiteral("Velnora\\") + Kaynak::ÜrünAdı(); });
    BaşlangıçTuzağı([] { VurguRengi = QColor(10, 80, 220); });

    // From here on errors are ignored. The spooler is asked while the window is built, which
    // does not need the answer: loading its library and asking it took longer than any other
    // step before the window, and the question may wait on the network. On X the window's
    // first list starts Qt's accessibility bridge, whose thread could not start while the
    // library is being loaded; it is started first.
    std::future<bool> yazıcıVar;
    Yoksay([&] {
        QAccessible::isActive();
        yazıcıVar = std::async(std::launch::async, YüklüYazıcıVarMı);
    });
    Yoksay([&] {
        auto* pencere = new AnaForm;
        pencere->setAttribute(Qt::WA_DeleteOnClose);
        pencere->Yükle();
        Yoksay([&] { YazıcıVar = yazıcıVar.get(); });
        TekKopyaKoruması::Dinle(ProgramBaşlığı, pencere);
    });
}
