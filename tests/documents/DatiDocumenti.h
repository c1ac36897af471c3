#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Risultati.h"

#include <QString>

// Small records for the tests of the document lists.
struct DatiDocumento final {
    QString Tipo;
    QString Serie = QStringLiteral("01");
    qint32 Numero = 1;
    int Anno = 2024;
    bool Stampato = true;
    bool Stampato1 = true;
    bool Stampato2 = true;
};

[[nodiscard]] DocumentoPtr NuovoDocumento(const DatiDocumento& dati);
[[nodiscard]] ClientePtr NuovoCliente(
    const QString& codice, const QString& nominativo, QList<DocumentoPtr> documenti = {});
// The series archive of the tests: one entry per type with its kind code, and two series.
[[nodiscard]] ArchivioSerie ArchivioDiProva();
