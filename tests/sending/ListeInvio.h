#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"

#include <QList>

// Lists built as the searches build them, for the tests of the buttons.

struct DocumentoDiProva final {
    QString Tipo = QStringLiteral("FATTURE EMESSE");
    qint32 Numero = 1;
    bool Stampato1 = true;
    bool Stampato2 = true;
    QString Stampa = QStringLiteral("F");
};

[[nodiscard]] DocumentoPtr NuovoDocumentoDiProva(const DocumentoDiProva& dati);
// A customer with the addresses and documents.
[[nodiscard]] ClientePtr ClienteDiProva(
    const QString& codice, const QString& email, const QString& fax, QList<DocumentoPtr> documenti);

// LWDocumenti or LWDocumentiDaInviare from a search answer with these customers.
[[nodiscard]] Elenco ListaDocumenti(const QList<ClientePtr>& clienti, bool daInviare);

// Ticks the row's selection cell of that key ("CHECK", "RADIO1", "RADIO2").
void Spunta(Elenco& lista, int riga, const QString& cella);
