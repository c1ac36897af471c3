#pragma once

#include "orbeni/local/servizi/ContestoServizio.h"

#include <QString>

// The server's sending of a workstation's spool files ("desmail", "docmail", "frontmail" +
// nomePC in cartellaLavoro): each e-mail recipient becomes a message in the root's outbox,
// each fax recipient a fax job, notice markings change the notices' state, and every send is
// recorded in the store. All or nothing: one transaction, and the outbox files and job folders
// appear only after it commits. The spool files are read whole first and never again.
bool ElaboraSpoolInvio(ContestoServizio& contesto, const QString& cartellaLavoro,
    const QString& azienda, const QString& nomePC, const QString& utente, QString& errore);
