#include "QtMesajKutusu.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <memory>

namespace {

// A Yes/No question has no way out but its two buttons: Esc and the title bar's close button
// would otherwise answer No, and No at an error question ends the program.
class SoruKutusu : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* olay) override
    {
        if (olay->key() == Qt::Key_Escape)
            return olay->accept();
        QMessageBox::keyPressEvent(olay);
    }
    void closeEvent(QCloseEvent* olay) override { olay->ignore(); }
};

} // namespace

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
    std::unique_ptr<QMessageBox> kutu;
    if (evetHayır) {
        kutu = std::make_unique<SoruKutusu>(simge, mesaj.başlık, mesaj.metin,
                                            QMessageBox::Yes | QMessageBox::No);
        kutu->setDefaultButton(mesaj.varsayılan == Yanıt::Hayır ? QMessageBox::No
                                                                : QMessageBox::Yes);
    } else {
        kutu = std::make_unique<QMessageBox>(simge, mesaj.başlık, mesaj.metin, QMessageBox::Ok);
    }
    kutu->setWindowModality(Qt::ApplicationModal);
    const int sonuç = kutu->exec();
    if (!evetHayır)
        return Yanıt::Tamam;
    return sonuç == QMessageBox::Yes ? Yanıt::Evet : Yanıt::Hayır;
}
