#pragma once

#include "orbeni/local/AllegatiSpool.h"
#include "orbeni/local/SpoolLetto.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The job folder of a fax, as the failed-fax list and the resending read it.

// True when the number has a digit and nothing but digits and the usual separators.
[[nodiscard]] bool NumeroFaxAccettabile(const QString& numero);

// "desfile.txt": key=value lines ("ID", "UTENTE", "TIMEINVIO", "DATAINVIO" as 05MAR07,
// "DESTINATARIO", "NUMEROFAX", "OGGETTO", "FROM", "ATTENZIONE", "MITTENTE", "RUBRICA"), blanks
// inside values written as "_", LF line ends, the record's bytes as the workstation wrote them.
[[nodiscard]] QByteArray DescrizioneLavoroFax(const QString& idLavoro, const QString& utente,
    const QDateTime& quando, const DestinatarioSpool& destinatario);

// Fills the folder: "desfile.txt", "frnmail.txt" (the cover text with LF line ends), the
// attachments and, for a job that failed already, "status".
bool ScriviCartellaLavoroFax(const QString& cartellaLocale, const QByteArray& descrizione,
    const QByteArray& copertina, const QList<FileAllegato>& allegati, const QString& stato,
    QString& errore);
