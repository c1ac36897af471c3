#pragma once

#include "orbeni/Documento.h"

#include <QDate>
#include <QList>
#include <QString>

#include <memory>

struct Cliente;
using ClientePtr = std::shared_ptr<Cliente>;

// A customer or supplier record with the documents the last search found for it.
struct Cliente final {
    QString Codice;
    QString Nominativo;
    QString Indirizzo;
    QString Cap;
    QString Citta;
    QString Nazione;
    QList<DocumentoPtr> DocumentiCliente;
    QDate DataPrivacy;
    QDate DataElenco;
    QString TipoAnagrafica;
    QString StatoInformativa;
    QString Fax;
    QString Email;
    bool AggiornaRubrica = false;
    QString CodiceExport;
    // Record fields the program carries along without reading them.
    QString PartitaIva;
    QString CodiceFiscale;
    QString Lingua;
};

// A new record with every field but the documents and the export code.
[[nodiscard]] ClientePtr CopiaCliente(const Cliente& origine);
