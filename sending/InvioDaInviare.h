#pragma once

#include "sending/ContestoInvio.h"
#include "sending/ScriviSpool.h"

#include <QDateTime>

// The send run of the list of documents to send: the entries with an address go to the
// server's spool, those reading "STAMPA" are printed by the server and recorded as done.

// "Now" as the run's send time: cut to the minute.
[[nodiscard]] QDateTime OraInvioAlMinuto(const QDateTime& adesso);

struct EsitoInvioDaInviare final {
    // False when the run did not start (no selection, sender refused).
    bool Eseguito = false;
    EsitoSpool Spool = EsitoSpool::NienteDaInviare;
    // The documents printed, and the print job's local file (empty when none came back).
    QList<DocumentoPtr> Stampati;
    QString FileStampa;
};

// The run over the selected entries, sender check and settings first. The main window is
// hidden behind the busy window while the spool is written and the paper entries printed,
// then always shown again and the list searched again.
EsitoInvioDaInviare InviaDaInviare(
    ContestoInvio& contesto, const QList<CDatiInvioDocumentoCliente>& voci);
