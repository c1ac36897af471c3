#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// A stored document as the library's operations need it.
struct DocumentoArchivio final {
    qint64 IdServer = 0;
    QString FilePdf;
    QString CodiceCliente;
};

// The stored document a record stands for: by IdServer when set, else by series, number and
// year, told apart by the type label or, failing that, by the type's Sigla.
[[nodiscard]] std::optional<DocumentoArchivio> TrovaDocumento(
    QSqlDatabase db, const QString& azienda, const Documento& documento, QString& errore);

// A stored document as the library's record, with its send fields from the latest send record.
struct DocumentoLetto final {
    Documento Record;
    QString Azienda;
    QString CodiceCliente;
};
[[nodiscard]] std::optional<DocumentoLetto> LeggiDocumento(QSqlDatabase db, qint64 idServer);

// The subject's record (without documents), or nothing.
[[nodiscard]] std::optional<Cliente> LeggiAnagrafica(
    QSqlDatabase db, const QString& azienda, const QString& codice);
[[nodiscard]] QString RagioneSocialeAzienda(QSqlDatabase db, const QString& azienda);

// Adds a send record to the document.
bool RegistraInvio(QSqlDatabase db, qint64 idServer, const Documento& invio,
    const QDateTime& momento, QString& errore);
// Records the document as dealt with by the user.
bool RegistraTrattato(QSqlDatabase db, qint64 idServer, const QString& utente, bool rimosso,
    const QDateTime& momento, QString& errore);

// "Documento FA 12/2025" for messages.
[[nodiscard]] QString DescriviDocumento(const Documento& documento);
