// The main window's staff list in and out of spreadsheet files: an import read whole, shown
// row by row, and added in one transaction only when the user says so; an export of the whole
// register that takes the chosen file's place only when written whole.

#include "AnaForm.h"
#include "common/Korumalar.h"
#include "common/OrtakApilerModülü.h"
#include "gui/OrtakYordamlarModülü.h"
#include "transfer/PersonelDışaAktarımı.h"
#include "transfer/PersonelİçeAktarımı.h"
#include "İçeAktarımFormu.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <optional>

namespace {
const QString XlsxSüzgeci = QStringLiteral("Excel çalışma kitabı (*.xlsx)");
const QString CsvSüzgeci = QStringLiteral("CSV dosyası, noktalı virgülle ayrılmış (*.csv)");
constexpr int İlerlemeAdımı = 1000;

void Uyar(const QString& metin)
{
    MesajKutusunuOrtala();
    MesajKutusu({metin, MesajSimgesi::Ünlem});
}
} // namespace

void AnaForm::PersonelListesiniİçeAktar_Click()
{
    const QString yol = QFileDialog::getOpenFileName(
        this, QStringLiteral("Personel Listesini İçe Aktar"), DosyaPenceresiKlasörü(),
        QStringLiteral("Tablolar (*.xlsx *.xls *.ods *.csv *.txt)"));
    if (yol.isEmpty())
        return;
    std::optional<PersonelİçeAktarımı> aktarım;
    {
        QProgressDialog ilerleme(QStringLiteral("Personel listesi okunuyor..."), QString(), 0,
                                 İlerlemeAdımı, this);
        ilerleme.setWindowModality(Qt::WindowModal);
        ilerleme.setMinimumDuration(500);
        Tuzak([&] {
            aktarım = PersonelListesiniOku(yol, [&ilerleme](qint64 yapılan, qint64 toplam) {
                ilerleme.setValue(int(std::clamp<qint64>(
                    toplam > 0 ? yapılan * İlerlemeAdımı / toplam : 0, 0, İlerlemeAdımı - 1)));
            });
        });
    }
    if (!aktarım)
        return;
    if (!aktarım->Sorun().isEmpty()) {
        Uyar(aktarım->Sorun() + QStringLiteral("\r\n\r\n") + QDir::toNativeSeparators(yol));
        return;
    }
    İçeAktarımFormu önizleme(*aktarım, this);
    if (önizleme.exec() != QDialog::Accepted)
        return;
    // A failure inside the transaction adds nobody and goes to the error report.
    if (!Tuzak([&] { aktarım->Ekle(); }))
        return;
    const int eklenen = aktarım->Sayı(PersonelİçeAktarımı::Durum::Eklenecek);
    MesajKutusunuOrtala();
    MesajKutusu({QStringLiteral("%1 personel eklendi; %2 satır eklenmedi.")
                     .arg(eklenen)
                     .arg(int(aktarım->Satırlar().size()) - eklenen)});
    ServisleriYükle();
    Tuzak([this] { ui.ServisSeçKutusu->setCurrentText(QStringLiteral("Tümü")); });
}

void AnaForm::PersonelListesiniDışaAktar_Click()
{
    QString süzgeç;
    QString yol = QFileDialog::getSaveFileName(
        this, QStringLiteral("Personel Listesini Dışa Aktar"),
        DosyaPenceresiKlasörü() + QStringLiteral("/Personel Listesi.xlsx"),
        XlsxSüzgeci + QStringLiteral(";;") + CsvSüzgeci, &süzgeç);
    if (yol.isEmpty())
        return;
    // A name without either extension takes that of the chosen kind.
    const QString uzantı = QFileInfo(yol).suffix().toLower();
    if (uzantı != u"xlsx" && uzantı != u"csv")
        yol += süzgeç == CsvSüzgeci ? QStringLiteral(".csv") : QStringLiteral(".xlsx");
    // Reading the register or loading the writer's library may fail as well as the writing.
    bool yazıldı = false;
    if (Tuzak([&] { yazıldı = PersonelListesiniYaz(KayıtlıPersonel(), yol); }) && !yazıldı)
        Uyar(QStringLiteral("Personel listesi dışa aktarılamadı:\r\n\r\n") +
             QDir::toNativeSeparators(yol));
}
