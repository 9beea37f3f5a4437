#include "Sayılar.h"

#include "Hata.h"

#include <cmath>

qint16 KısaTamsayı(const QVariant& değer)
{
    if (değer.isNull())
        throw Hata(HataNo::BoşDeğer, QStringLiteral("Null kullanımı geçersiz"));
    bool sayıMı = false;
    const double sayı = değer.toString().trimmed().toDouble(&sayıMı);
    if (!sayıMı)
        throw Hata(HataNo::TürUyuşmazlığı, QStringLiteral("Tür uyuşmazlığı"));
    const double yuvarlak = std::nearbyint(sayı);
    if (yuvarlak < -32768 || yuvarlak > 32767)
        throw Hata(HataNo::Taşma, QStringLiteral("Taşma"));
    return qint16(yuvarlak);
}
