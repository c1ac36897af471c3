#include "sending/CDatiInvioDocumentoCliente.h"

using namespace Qt::StringLiterals;

QString CDatiInvioDocumentoCliente::TipoInvio() const
{
    if (DaStampare)
        return TipoInvioStampa.toString();
    // Not trimmed: an address made of a blank still counts as an address.
    if (Cliente && !Cliente->Email.isEmpty())
        return TipoInvioEmail.toString();
    if (Cliente && !Cliente->Fax.isEmpty())
        return TipoInvioFax.toString();
    return {};
}
