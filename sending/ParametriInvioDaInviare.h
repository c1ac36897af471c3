#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"
#include "orbeni/Risultati.h"

#include <QString>

#include <functional>
#include <optional>

// The change of a customer's send address from the list of documents to send. In that list
// the row's tag is the Documento and the tag of the cell at position 1 ("Parametri Invio") is
// the copy of the Cliente that carries the send address.

inline constexpr int ColonnaParametriInvio = 1;

// The editors the change opens; the view binds them to its forms.
struct EditoriIndirizzo final {
    // FormEstremiInvio::changeParametriInvioCliente: true when "Aggiorna rubrica" was ticked.
    std::function<bool(const ClientePtr&)> EstremiInvio;
    // The contact editor of the directory (FormRubricaClienteLDAP.AggiornaDatiRubricaCliente).
    std::function<void(const ClientePtr&, const DocumentoPtr&)> RubricaLdap;
};

// What the list's 20 ms timer runs for the row clicked in its "Parametri Invio" cell: opens
// the editor on the row's customer copy (the directory's with RubricaLdap on) and carries the
// result to the rows of the same customer. Does nothing with InvioDaInviare off, for a row that
// is gone, or without a customer copy. True when the rows were updated.
bool CambiaParametriInvioDaInviare(Elenco& daInviare, int indiceRiga, const ArchivioSerie& opzioni,
    const EditoriIndirizzo& editori);

// Shows the edited customer's address in every row whose copy has its code (and, when `sigla`
// is given, whose document has that Sigla), and updates those copies; "STAMPA" in red when the
// customer has neither address.
void PropagaIndirizzoCliente(
    Elenco& daInviare, const Cliente& modificato, const std::optional<QString>& sigla);
