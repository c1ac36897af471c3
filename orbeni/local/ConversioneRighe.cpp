#include "orbeni/local/ConversioneRighe.h"

QByteArray DosAUnix(const QByteArray& testo)
{
    QByteArray risultato;
    risultato.reserve(testo.size());
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo.at(i) == '\r' && i + 1 < testo.size() && testo.at(i + 1) == '\n')
            continue;
        risultato.append(testo.at(i));
    }
    return risultato;
}

QByteArray UnixADos(const QByteArray& testo)
{
    QByteArray risultato;
    risultato.reserve(testo.size() + testo.size() / 16);
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo.at(i) == '\n' && (i == 0 || testo.at(i - 1) != '\r'))
            risultato.append('\r');
        risultato.append(testo.at(i));
    }
    return risultato;
}
