#include "orbeni/local/InvioSpool.h"

bool ElaboraSpoolInvio(
    ContestoServizio&, const QString&, const QString&, const QString&, const QString&, QString&)
{
    return true;
}
