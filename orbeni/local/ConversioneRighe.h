#pragma once

#include <QByteArray>

// dos2unix: every CR LF becomes LF; a lone CR stays.
[[nodiscard]] QByteArray DosAUnix(const QByteArray& testo);
// unix2dos: every LF not already preceded by CR becomes CR LF.
[[nodiscard]] QByteArray UnixADos(const QByteArray& testo);
