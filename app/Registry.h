#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <variant>

// The machine registry's roots; the registry's own names are macros on Windows.
enum class RadiceRegistro { ClassiRoot, UtenteCorrente, MacchinaLocale, Utenti };

// A registry value as the program reads it: nothing, a text or a double word.
using ValoreRegistro = std::variant<std::monostate, QString, quint32>;

// The registry's value types the program tells apart.
inline constexpr quint32 TipoRegistroTesto = 1; // REG_SZ
inline constexpr quint32 TipoRegistroDoppiaParola = 4; // REG_DWORD

// Reads one value; a missing key or value, or any failure, reads as nothing.
// An empty value name reads the key's default value.
//
// On Windows this is the machine registry. Elsewhere an INI file stands for
// HKEY_LOCAL_MACHINE (other roots read nothing): the file named by the environment variable
// INVEXO_REGISTRY_INI, else "Quorvanel s.r.l./HKEY_LOCAL_MACHINE.ini" in the user's or the
// system's configuration folder (~/.config, /etc/xdg). Its format:
//
//   ; comment
//   [SOFTWARE\Clients\Mail]            one section per sub-key ("HKEY_LOCAL_MACHINE\" optional)
//   @=sz:Mozilla Thunderbird           "@" or an empty name: the default value
//   Versione=dword:00000101            a double word, the number in hex (257)
//   Grezzo=hex(4):01,01,00,00          raw bytes with their type in hex (here 257 again)
//   Binario=hex:de,ad                  raw bytes of type 3
//   Testo=any text                     no prefix: a text
//
// Blanks around names and values are ignored; a name may be quoted ("Con Spazi"=...).
// Section and value names are compared ignoring case, as the registry does. Texts are stored as
// Windows-1252 bytes, so the INI source decodes exactly as the registry would.
[[nodiscard]] ValoreRegistro LeggiRegistro(
    RadiceRegistro radice, const QString& sottoChiave, const QString& nomeValore);

// The value from its type and the bytes the registry returned: type 1 the text without its
// terminating zero, type 4 an unsigned 32-bit little-endian number, any other the bytes as text
// (up to a terminating zero).
[[nodiscard]] ValoreRegistro DecodificaValoreRegistro(quint32 tipo, const QByteArray& dati);

// The value as text: the text itself, the number in decimal, empty for nothing.
[[nodiscard]] QString TestoRegistro(const ValoreRegistro& valore);
