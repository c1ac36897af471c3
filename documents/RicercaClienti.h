#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"

#include <QList>

#include <optional>

class Dialoghi;
struct Invexo_Main;

// The result list LWNominativi of FormRicercaCliente; on screens narrower than 1024 pixels the
// "Cap" column is closed.
void ColonneLWNominativi(Elenco& lista, bool schermoStretto = false);
// The selected-names list LWNomSel ("Nominativi Selezionati").
void ColonneLWNomSel(Elenco& lista);

// The text a customer search looks for: the code when given, else the name. A blank text is
// refused with "Inserire un nominativo".
[[nodiscard]] std::optional<QString> TestoRicercaNominativo(
    const QString& codice, const QString& nominativo, Dialoghi& dialoghi);

// Asks "NOMECL" for the customers whose code or name (its beginning when `iniziale`) matches,
// and lists them, in the answer's order, in the result list. False when the server could not
// be asked.
bool CercaNominativi(Elenco& risultati, const QString& testo, bool iniziale, Invexo_Main& sessione);

// Appends the ticked customers of the result list to the selected ones, then rebuilds the
// selected-names list from them. A customer confirmed twice is listed twice.
void AggiungiClientiSelezionati(
    const Elenco& risultati, Elenco& nominativiSelezionati, QList<ClientePtr>& clientiSelezionati);
