#pragma once

#include "orbeni/local/servizi/ContestoServizio.h"

#include <QString>

// The server's sending of a workstation's spool files ("desmail", "docmail", "frontmail" +
// nomePC in cartellaLavoro). This is the one place the spool reading plugs into; until then
// the run is accepted and nothing is sent.
bool ElaboraSpoolInvio(ContestoServizio& contesto, const QString& cartellaLavoro,
    const QString& azienda, const QString& nomePC, const QString& utente, QString& errore);
