#pragma once

#include "forms/Elenco.h"
#include "orbeni/Documento.h"

#include <QList>

class Dialoghi;
struct Invexo_Main;

// One document of a selection, under the key of its list row.
struct DocumentoSelezionato final {
    QString Chiave;
    DocumentoPtr Documento;
};

// The marked documents of the list, each with its print image flag and print form set from its
// marks, then those of the basket not already taken, with the basket's print form. Without a
// basket only the list counts.
[[nodiscard]] QList<DocumentoSelezionato> LeggiDocumentiSelezionati(
    const Elenco& lista, const Elenco* cestino);
// The selection's documents, in order.
[[nodiscard]] QList<DocumentoPtr> DocumentiSelezionati(
    const QList<DocumentoSelezionato>& selezionati);
// "Non ci sono documenti selezionati", the warning of an empty selection.
void AvvisaNessunaSelezione(Dialoghi& dialoghi);

// Every selection cell of the list back to "CHKOFF".
void TogliCheckDocumenti(Elenco& lista);

// Click of FPicRimuoviSelezionati in the to-send view: the marked documents of the to-send list
// are recorded on the server as removed. Only that list counts: documents waiting in the basket
// were not marked here. Returns whether the list is to be searched again.
bool ImpostaDaNonInviare(const Elenco& daInviare, Invexo_Main& sessione, Dialoghi& dialoghi);

// The select-all toggle of the to-send list's selection header: turns on every printed check row
// unless enough rows are already on, in which case every check row goes off.
void SelezionaTuttiDaInviare(Elenco& lista, int colonnaSelezione);

// The Credemtel types' tick-all and untick-all of every check row.
void CheckTuttiCredemtel(Elenco& lista);
void UnCheckTuttiCredemtel(Elenco& lista);

// Click of FPicElimina: forgets the selected customers and empties their list.
void FPicElimina(Invexo_Main& sessione, Elenco& nominativiSelezionati);
