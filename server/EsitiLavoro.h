#pragma once

#include "forms/Dialoghi.h"
#include "orbeni/Risultati.h"
#include "server/RichiesteLavori.h"

#include <QString>

// How a remote job ended: Esito "" (no answer), "ERR" or "OK". Any other word counts as a
// failure, so an unexpected answer is never taken for success.
enum class StatoEsito { Vuoto, Errore, Ok };

[[nodiscard]] StatoEsito LeggiStatoEsito(const QString& esito);

// What the message for a job without an answer says: the file was not made, or the operation
// was not carried out.
enum class TipoLavoro { Creazione, Annullamento };

// The messages of the jobs, OK button only; each returns what its job procedure gives back.

// EXPMAN: Messaggio when OK, else empty.
QString RisultatoExpman(const EsitoLavoro& esito, ComandoExpman comando, Dialoghi& dialoghi);
// CREDEM: the state, so the caller can show the job's error file.
StatoEsito RisultatoCredem(const EsitoLavoro& esito, Dialoghi& dialoghi);
// VBESEN: nothing is returned.
void RisultatoEsenzioni(const EsitoFile& esito, Dialoghi& dialoghi);
// VBELEN: Messaggio when OK, else empty.
QString RisultatoElenchi(const EsitoFile& esito, Dialoghi& dialoghi);

// The common rule: shows the message of an empty or failed outcome and gives the state.
// `conPrefisso` writes "Messaggio: " before the job's message.
StatoEsito MostraEsito(const QString& esito, const QString& messaggio, TipoLavoro tipo,
    bool conPrefisso, Dialoghi& dialoghi);
