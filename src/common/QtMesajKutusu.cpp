#include "QtMesajKutusu.h"

#include <QMessageBox>

Yanıt QtMesajKutusu(const Mesaj& mesaj)
{
    QMessageBox::Icon simge = QMessageBox::Information;
    switch (mesaj.simge) {
    case MesajSimgesi::Bilgi:
        simge = QMessageBox::Information;
        break;
    case MesajSimgesi::Ünlem:
        simge = QMessageBox::Warning;
        break;
    case MesajSimgesi::Soru:
        simge = QMessageBox::Question;
        break;
    case MesajSimgesi::Kritik:
        simge = QMessageBox::Critical;
        break;
    }
    const bool evetHayır = mesaj.düğmeler == MesajDüğmeleri::EvetHayır;
    QMessageBox kutu(simge, mesaj.başlık, mesaj.metin,
                     evetHayır ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    kutu.setWindowModality(Qt::ApplicationModal);
    if (evetHayır) {
        kutu.setDefaultButton(mesaj.varsayılan == Yanıt::Hayır ? QMessageBox::No
                                                               : QMessageBox::Yes);
        kutu.setEscapeButton(QMessageBox::No);
    }
    const int sonuç = kutu.exec();
    if (!evetHayır)
        return Yanıt::Tamam;
    return sonuç == QMessageBox::Yes ? Yanıt::Evet : Yanıt::Hayır;
}
