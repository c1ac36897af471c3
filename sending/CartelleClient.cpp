#include "sending/CartelleClient.h"

#include "app/Registry.h"

using namespace Qt::StringLiterals;

std::optional<QString> CartellaDaIcona(const QString& valore, const QString& programma)
{
    // The registry writes the file name in lower case for these clients: an exact comparison.
    const qsizetype posizione = valore.indexOf(programma, 0, Qt::CaseSensitive);
    if (posizione < 0)
        return std::nullopt;
    QString cartella = valore.left(posizione);
    if (cartella.startsWith(u'"'))
        cartella.remove(0, 1);
    return cartella;
}

std::optional<QString> CartellaThunderbird()
{
    return CartellaDaIcona(
        TestoRegistro(LeggiRegistro(RadiceRegistro::MacchinaLocale,
            u"SOFTWARE\\Clients\\Mail\\Mozilla Thunderbird\\DefaultIcon"_s, QString())),
        u"thunderbird.exe"_s);
}

std::optional<QString> CartellaOutlook()
{
    return CartellaDaIcona(TestoRegistro(LeggiRegistro(RadiceRegistro::MacchinaLocale,
                               u"SOFTWARE\\Classes\\Mailto\\DefaultIcon"_s, QString())),
        u"outlook.exe"_s);
}
