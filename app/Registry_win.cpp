// The machine registry through the single-byte (ANSI) registry functions.
#include "app/Registry.h"

#include <windows.h>

namespace {

HKEY ChiaveRadice(RadiceRegistro radice)
{
    switch (radice) {
    case RadiceRegistro::ClassiRoot: return HKEY_CLASSES_ROOT;
    case RadiceRegistro::UtenteCorrente: return HKEY_CURRENT_USER;
    case RadiceRegistro::MacchinaLocale: return HKEY_LOCAL_MACHINE;
    case RadiceRegistro::Utenti: return HKEY_USERS;
    }
    return HKEY_LOCAL_MACHINE;
}

constexpr DWORD DimensioneBuffer = 1024;

} // namespace

ValoreRegistro LeggiRegistro(
    RadiceRegistro radice, const QString& sottoChiave, const QString& nomeValore)
{
    HKEY chiave = nullptr;
    const QByteArray percorso = sottoChiave.toLocal8Bit();
    if (RegOpenKeyExA(ChiaveRadice(radice), percorso.constData(), 0, KEY_READ, &chiave)
        != ERROR_SUCCESS)
        return {};

    const QByteArray nome = nomeValore.toLocal8Bit();
    QByteArray buffer(DimensioneBuffer, ' ');
    DWORD tipo = 0;
    DWORD lunghezza = DimensioneBuffer;
    LONG esito = RegQueryValueExA(chiave, nome.constData(), nullptr, &tipo,
        reinterpret_cast<LPBYTE>(buffer.data()), &lunghezza);
    if (esito == ERROR_MORE_DATA) {
        // A longer value than the usual buffer is read whole rather than lost.
        buffer = QByteArray(static_cast<qsizetype>(lunghezza), ' ');
        esito = RegQueryValueExA(chiave, nome.constData(), nullptr, &tipo,
            reinterpret_cast<LPBYTE>(buffer.data()), &lunghezza);
    }
    RegCloseKey(chiave);
    if (esito != ERROR_SUCCESS)
        return {};
    buffer.truncate(static_cast<qsizetype>(lunghezza));
    return DecodificaValoreRegistro(tipo, buffer);
}
