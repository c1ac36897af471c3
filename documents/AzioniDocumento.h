#pragma once

#include "forms/Elenco.h"
#include "orbeni/Documento.h"

#include <optional>

class ApritoreFile;
class ArchivioSerie;
class Dialoghi;
struct Invexo_Main;

// What a click on a cell of a document list leaves to the view.
enum class AzioneCella {
    Nessuna,
    // A selection cell changed.
    Selezione,
    // Open the list of annotated versions (FormUtentePdfDraw).
    Versioni,
    // Annotate or modify the document (FormPdfDraw after fetching it in annotation mode).
    Modifica,
    // The user confirmed removing the annotated version from the server.
    Elimina,
    // To-send list: edit the send address of the row (cell 1).
    ModificaIndirizzo,
    // To-send list: the document has no print image; the selection was left as it was.
    SegnalaNonStampato,
};

struct EsitoClickCella final {
    AzioneCella Azione = AzioneCella::Nessuna;
    int Riga = -1;
    // The annotated version: the "KNote" tag, its text and tool tip.
    QString NomePdf;
    QString Note;
    QString ToolTipNote;
    // The last four characters of the date cell and the first two of the document cell.
    QString Anno;
    QString Serie;
    // The texts the annotation window shows: customer, agent, document and date cells.
    QString Nominativo;
    QString Agente;
    QString TestoDocumento;
    QString Data;
};

// Mouse down on a cell of LWDocumenti (and of the privacy list), at the row and column the view's
// hit test found: toggles the check cell, switches the radio cells (a second click on a lit
// radio cell leaves the row without a form), and tells the view which annotation action to run.
EsitoClickCella ClickCellaDocumento(
    Elenco& lista, int riga, int colonna, const ArchivioSerie& opzioni, Dialoghi& dialoghi);

// The same on LWDocumentiDaInviare, with its own reactions: cell 1 edits the send address, and
// selecting a document without print image is refused.
EsitoClickCella ClickCellaDocumentoDaInviare(
    Elenco& lista, int riga, int colonna, const ArchivioSerie& opzioni, Dialoghi& dialoghi);

// The local file of the document, listed for deletion at exit; empty when the library cannot
// provide it.
[[nodiscard]] QString PrendiFileDocumento(const Documento& documento, Invexo_Main& sessione);

// Double click on a row of LWDocumenti: sets the print form from the row's marks, checks that its
// print image exists and fetches the document. Outside annotation mode the file is shown through
// the opener; in annotation mode it is returned for the annotation to prepare. Nothing for the
// Credemtel types, a missing row, a row without a form or a missing print image.
std::optional<QString> DoppioClickDocumento(Elenco& lista, int riga, const QString& etichetta,
    Invexo_Main& sessione, Dialoghi& dialoghi, ApritoreFile& apritore);
