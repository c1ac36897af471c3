#include "sending/CDatiInvioDocumentoCliente.h"

using namespace Qt::StringLiterals;

QString CDatiInvioDocumentoCliente::TipoInvio() const
{
    if (DaStampare)
        return u"STAMPA"_s;
    // Not trimmed: an address made of a blank still counts as an address.
    if (Cliente && !Cliente->Email.isEmpty())
        return u"EMAIL"_s;
    if (Cliente && !Cliente->Fax.isEmpty())
        return u"FAX"_s;
    return {};
}
