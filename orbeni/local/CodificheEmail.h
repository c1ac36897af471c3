#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The encodings of an Internet message: header words, addresses, bodies. Every function
// returns US-ASCII with CR LF line ends, so a message is safe byte for byte.

// A header's unstructured text (a subject): as it is when plain printable ASCII, else RFC 2047
// encoded-words of UTF-8 in base 64, each at most 75 characters, folded onto new lines.
[[nodiscard]] QByteArray ParoleIntestazione(const QString& testo);
// A display name: a quoted string when plain ASCII, else encoded-words.
[[nodiscard]] QByteArray NomeVisualizzato(const QString& nome);

// True for a plain address "local@domain": printable ASCII, no blanks, no specials, one "@",
// a dot-separated domain.
[[nodiscard]] bool IndirizzoEmailAccettabile(const QString& indirizzo);
// The addresses of a field holding one or more, separated by ";" or ",".
[[nodiscard]] QStringList SeparaIndirizzi(const QString& campo);

// UTF-8 text in quoted-printable, lines of at most 76 characters; the text's line ends
// (CR LF, LF or CR) become CR LF.
[[nodiscard]] QByteArray QuotedPrintable(const QString& testo);
// Base 64 in lines of 76 characters, each ended by CR LF.
[[nodiscard]] QByteArray Base64ARighe(const QByteArray& dati);
