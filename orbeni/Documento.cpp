#include "orbeni/Documento.h"

bool Documento::Inviato() const
{
    return !InviatoDa.isEmpty() && !ModoInvio.isEmpty() && !DataInvio.isEmpty()
        && !EstremiInvio.isEmpty() && ModoInvio.compare(u"FLAG", Qt::CaseInsensitive) != 0;
}
