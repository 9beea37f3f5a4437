#include "OrtakYordamlarModülü.h"

#include "OrtakDeğişkenlerModülü.h"
#include "TürkçeMetin.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

void MesajKutusunuOrtala() {}

void AlanıVurgula(QLineEdit* kutu, QLabel* etiket)
{
    kutu->setSelection(0, int(kutu->text().size()));
    QPalette renkler = etiket->palette();
    renkler.setColor(QPalette::WindowText, VurguRengi);
    etiket->setPalette(renkler);
}

void AlanıVurgula(QPlainTextEdit* kutu, QLabel* etiket)
{
    kutu->selectAll(); // anchor at the start, cursor at the end
    QPalette renkler = etiket->palette();
    renkler.setColor(QPalette::WindowText, VurguRengi);
    etiket->setPalette(renkler);
}

int ListedeBul(const QListWidget* liste, const QString& metin)
{
    if (metin.isEmpty())
        return -1;
    for (int i = 0; i < liste->count(); ++i)
        if (TürkçeBaşlıyorMu(liste->item(i)->text(), metin))
            return i;
    return -1;
}
