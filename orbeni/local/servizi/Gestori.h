#pragma once

#include "orbeni/local/servizi/TabellaServizi.h"

// The service handlers, one per file, listed in TabellaServizi.cpp.
bool ServizioArchivioSerie(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore);
bool ServizioDocumenti(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore);
bool ServizioNominativi(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore);
