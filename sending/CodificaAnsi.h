#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code page of the files exchanged with the server: Windows-1252. A character
// it cannot hold becomes "?", one byte per character, so fixed-width fields never shift.
// The system converter substitutes 0x1A instead and cannot tell which character failed, hence
// this table of its own (checked against the system converter by the tests).

// Writes at most `capienza` bytes of the encoded text; returns how many it wrote.
qsizetype CodificaWindows1252(QStringView testo, char* destinazione, qsizetype capienza);

[[nodiscard]] QByteArray CodificaWindows1252(QStringView testo);

// The text of Windows-1252 bytes; the five undefined bytes stand for the same code points.
[[nodiscard]] QString DecodificaWindows1252(QByteArrayView byte);
