#pragma once

#include "app/Invexo_Main.h"
#include "orbeni/Cliente.h"
#include "sending/CDatiInvioDocumentoCliente.h"
#include "sending/SpoolInvio.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The writers of the send spool files. Each rewrites the files of this workstation in the
// working folder and then tells the server to process them (AvviaInvio). The session gives the
// server, company, workstation, user, working folder and the gateway option; each written file
// is added to FileDaCancellare.

enum class EsitoSpool {
    NienteDaInviare, // nothing written, the server not called, older files untouched
    Avviato, // files written and the server told
    ErroreFile, // a file could not be written: the run's files are gone, the server not told
    ErroreServer, // files written, but AvviaInvio failed
};

// Sigla|Serie|Numero|Anno: one document however many entries name it.
[[nodiscard]] QString ChiaveDocumento(const Documento& documento);

// The end of every run, also for the fax composition: writes the files, lists them for deletion
// at exit, and calls AvviaInvio only when every file was written.
EsitoSpool AvviaInvioSpool(Invexo_Main& globali, const SpoolInvio& spool);

// Commercial documents of the list to send. Entries to print, or without customer or document,
// are skipped. The documents sent are then recorded with RegistraDocumenti. A run holds at most
// 1000 documents (three-digit sequence numbers pair recipients and attachments); a longer list
// goes out as consecutive runs, and stops at the first that fails.
EsitoSpool ScriviSpoolDocumenti(Invexo_Main& globali, const QList<CDatiInvioDocumentoCliente>& voci,
    const QString& nomeMittente, const QString& emailMittente, const QString& oggetto,
    const QString& testoExtra, const QDateTime& oraInvio, int tentativi);

// Privacy notices of the privacy list, with the stored subject and text of the "PRIVACY" mailing.
EsitoSpool ScriviSpoolInformative(Invexo_Main& globali,
    const QList<CDatiInvioDocumentoCliente>& voci, const QString& nomeMittente,
    const QString& emailMittente, const QString& oggetto, const QString& testo,
    const QDateTime& oraInvio, int tentativi);

// Privacy notices marked as sent ("INV") or set back to be sent ("DAINV"); any other mode
// writes nothing.
EsitoSpool ScriviSpoolStatoInformative(
    Invexo_Main& globali, const QList<CDatiInvioDocumentoCliente>& voci, const QString& modo);

// Privacy notice mailings of the send dialog; mode "FAX" or "EMAIL".
EsitoSpool ScriviSpoolInfoClienti(Invexo_Main& globali, const QList<ClientePtr>& clienti,
    const QString& mittente, const QString& oggetto, const QString& testoExtra,
    const QDateTime& oraInvio, int tentativi, const QString& testo, const QString& modo);

// Export notice mailings of the send dialog; mode "FAX" or "EMAIL".
EsitoSpool ScriviSpoolInfoExport(Invexo_Main& globali, const QList<ClientePtr>& clienti,
    const QString& mittente, const QString& oggetto, const QString& testoExtra,
    const QDateTime& oraInvio, int tentativi, const QString& testo, const QString& modo);
