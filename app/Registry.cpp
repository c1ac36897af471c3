#include "app/Registry.h"

#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// The single-byte text of the registry's ANSI functions, up to its terminating zero.
QString TestoAnsi(const QByteArray& dati)
{
    const qsizetype fine = dati.indexOf('\0');
    const QByteArray testo = fine < 0 ? dati : dati.left(fine);
    QStringDecoder decodifica("windows-1252");
    if (!decodifica.isValid())
        return QString::fromLatin1(testo);
    return decodifica.decode(testo);
}

} // namespace

ValoreRegistro DecodificaValoreRegistro(quint32 tipo, const QByteArray& dati)
{
    if (tipo == TipoRegistroDoppiaParola) {
        quint32 numero = 0;
        for (int i = 0; i < 4 && i < dati.size(); ++i)
            numero |= static_cast<quint32>(static_cast<quint8>(dati[i])) << (8 * i);
        return numero;
    }
    return TestoAnsi(dati);
}

QString TestoRegistro(const ValoreRegistro& valore)
{
    if (const auto* testo = std::get_if<QString>(&valore))
        return *testo;
    if (const auto* numero = std::get_if<quint32>(&valore))
        return QString::number(*numero);
    return {};
}
