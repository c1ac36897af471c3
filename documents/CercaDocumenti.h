#pragma once

#include "documents/RigheDocumenti.h"
#include "server/CriteriRicerca.h"

class DocumentiTrovati;
class RubricaInvio;
struct Invexo_Main;

struct EsitoRigheDocumenti final {
    int Aggiunte = 0;
    // Documents whose row key was already in the list: left out, the others still go in.
    int Doppie = 0;
};

// Turns a search answer into rows of the list, in the answer's order. In a to-send search each
// row's send address comes from a copy of its customer, completed from the directory when one
// is given. The records get their kind code and print form on the way.
EsitoRigheDocumenti AggiungiRigheDocumenti(Elenco& lista, const DocumentiTrovati& trovati,
    const OpzioniRigheDocumenti& opzioni, const SigleTipi& sigle, RubricaInvio* rubrica = nullptr);

struct EsitoRicercaDocumenti final {
    // False when the search did not run: no directory for a to-send search, or no server.
    bool Eseguita = false;
    bool RispostaRicevuta = false;
    EsitoRigheDocumenti Righe;
};

// Clears the list, asks the documents service for the documents of the criteria and the
// session's selected customers, keeps the answer in the session and fills the list. The
// label "DA INVIARE" makes it a to-send search; with the directory option that search needs
// `rubrica` to connect, and leaves the list empty without it. The criteria's codes are
// replaced by the session's search codes.
EsitoRicercaDocumenti CercaDocumenti(Elenco& lista, CriteriRicercaDocumenti criteri,
    Invexo_Main& sessione, RubricaInvio* rubrica = nullptr);

// Click of FPicRicercaDocumento once the criteria are read: the search into LWDocumenti, its
// columns opened for the label and, for the Credemtel types, every row ticked.
EsitoRicercaDocumenti FPicRicercaDocumento(
    Elenco& documenti, const CriteriRicercaDocumenti& criteri, Invexo_Main& sessione);

// Click of FPicRicercaDocumentoDaInviare once the criteria are read: the search into
// LWDocumentiDaInviare and its columns.
EsitoRicercaDocumenti FPicRicercaDocumentoDaInviare(Elenco& daInviare,
    const CriteriRicercaDocumenti& criteri, Invexo_Main& sessione, RubricaInvio* rubrica = nullptr);
