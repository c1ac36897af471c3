#pragma once

#include "orbeni/Cliente.h"
#include "sending/RecordSpool.h"

#include <QDateTime>
#include <QString>

// Field values shared by the spool writers.

[[nodiscard]] QString DataSpool(const QDate& data);
[[nodiscard]] QString OraSpool(const QTime& ora);
// Three digits from "000".
[[nodiscard]] QString ProgressivoSpool(int progressivo);
// The field holds one character: 10 attempts keep their first digit.
[[nodiscard]] QString TentativiSpool(int tentativi);

// The send date and time as the records write them, formatted once per run.
struct OraInvioSpool final {
    QString Data;
    QString Ora;
};
[[nodiscard]] OraInvioSpool PreparaOraInvio(const QDateTime& oraInvio);
void ImpostaOraInvio(RecordDestinatario& record, const OraInvioSpool& oraInvio);
// "M" when the customer's address is to be stored in its master data, else a blank.
void ImpostaMarcatore(RecordDestinatario& record, const Cliente& cliente);

// The one attachments record of a notice mailing: the company's notice for every recipient.
[[nodiscard]] RecordAllegato AllegatoSegnaposto(
    QStringView operazione, QStringView segnaposto, const QString& codiceAzienda);
