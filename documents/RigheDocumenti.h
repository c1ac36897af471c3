#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"

#include <QHash>

#include <optional>

class ArchivioSerie;

// What a row of the document lists depends on besides its record.
struct OpzioniRigheDocumenti final {
    // The label the search was made for (FCTipoDoc).
    QString Etichetta;
    // A to-send search: cell 1 shows the send address, print forms go into the check cell.
    bool DaInviare = false;
    bool ModoModifica = false;
    bool SenzaBollo = false;
    bool AnnotaFatture = false;
    bool AnnotaBolle = false;
    bool ModificaInWord = false;
};

[[nodiscard]] OpzioniRigheDocumenti OpzioniRighe(
    const QString& etichetta, bool daInviare, bool modoModifica, const ArchivioSerie& archivio);

// The kind code of each document type, from the entries of the series archive without a series.
class SigleTipi final {
public:
    explicit SigleTipi(const ArchivioSerie& archivio);
    // Empty when the type has no entry.
    [[nodiscard]] QString Sigla(const QString& tipoDocumento) const;

private:
    QHash<QString, QString> m_sigle;
};

[[nodiscard]] bool EPdfLibero(const Documento& documento);
// Sets the kind code and the print form a search answer leaves to the client.
void PreparaDocumento(Documento& documento, const SigleTipi& sigle);

// Kind, series, number (as written) and year; the PDF name as well for free-form PDF documents.
[[nodiscard]] QString ChiaveRigaDocumento(const Documento& documento, const QString& numero);

// A row of LWDocumenti or LWDocumentiDaInviare for a prepared document. In a to-send row cell 1
// shows the send address held by the copy of the customer, which becomes the cell's tag.
[[nodiscard]] RigaElenco RigaDocumento(const Cliente& cliente, const DocumentoPtr& documento,
    const OpzioniRigheDocumenti& opzioni, const ClientePtr& copiaInvio = nullptr);

// The send-address cell of a to-send row.
[[nodiscard]] CellaElenco CellaIndirizzoInvio(const ClientePtr& copia);

// How many times the one character occurs in the text, ignoring case; nothing when the first
// argument is not exactly one character (an invalid call).
[[nodiscard]] std::optional<int> ContaCaratteri(const QString& carattere, const QString& testo);

[[nodiscard]] bool BottoneCheck(const RigaElenco& riga);
[[nodiscard]] bool BottoneRadio(const RigaElenco& riga);
// The check cell shows "CHKON", or, on a row without one, one of the radio cells does.
[[nodiscard]] bool RigaSpuntata(const RigaElenco& riga);
// Whether the selection cell of that key exists and shows "CHKON".
[[nodiscard]] bool CellaAccesa(const RigaElenco& riga, const QString& chiave);
// Sets a selection cell's icon; nothing when the row has no such cell.
void ImpostaCella(RigaElenco& riga, const QString& chiave, bool accesa);
// The row's record, or null.
[[nodiscard]] DocumentoPtr DocumentoDellaRiga(const RigaElenco& riga);
