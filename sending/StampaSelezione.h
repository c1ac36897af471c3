#pragma once

#include "forms/Elenco.h"
#include "orbeni/Documento.h"
#include "sending/MessaggiDocumento.h"

#include <QList>
#include <QSet>
#include <QString>

class Dialoghi;

// The documents a print button collects, each once under its list row's key.
class RaccoltaStampa final {
public:
    // False, and nothing added, when the key is already there.
    bool Aggiungi(const QString& chiave, const DocumentoPtr& documento);
    [[nodiscard]] const QList<DocumentoPtr>& Documenti() const { return m_documenti; }
    [[nodiscard]] bool Vuota() const { return m_documenti.isEmpty(); }

private:
    QSet<QString> m_chiavi;
    QList<DocumentoPtr> m_documenti;
};

// The selection rule for printing, on every row of a document list: each ticked cell on its
// own, "CHECK" and "RADIO1" needing Stampato1, "RADIO2" needing Stampato2. A ticked choice
// whose form is not printed is reported and skipped; the others set the document's StampaPDF
// (the document's Stampa for "CHECK", else the cell's tag) and add it.
void RaccogliDaStampare(const Elenco& lista, RaccoltaStampa& raccolta, Dialoghi& dialoghi);

// Every basket row, with StampaPDF the text of its "STAMPA" cell; keys already collected are
// left as they are.
void RaccogliCestinoDaStampare(const Elenco& cestino, RaccoltaStampa& raccolta);

// The 20 ms timer after a click on the print choice of a to-send row whose document is not
// printed: the message about the row's document; nothing when the row is gone.
void tmrCmdSegnalaDocumentoNonStampato_Timer(const Elenco& daInviare, int riga, Dialoghi& dialoghi);
