#pragma once

#include "orbeni/Risultati.h"

#include <QString>
#include <QStringList>

// The server operations of the client library. The first argument is the server's address
// (IndirizzoServer) unless the operation says otherwise. Failures are reported through the
// returned value and UltimoErrore(), never by throwing.
class ServiziOrbeni {
public:
    virtual ~ServiziOrbeni() = default;

    // Asks the user to log in; true and the user's id and password when authenticated.
    virtual bool Autentica(
        const QString& azienda, const QString& host, QString& utente, QString& password)
        = 0;
    // Sends a request array to a named service and fills the result object.
    virtual bool Richiesta(const QString& host, const QString& servizio,
        const QStringList& richiesta, RisultatoRichiesta& risultato)
        = 0;
    virtual bool ComandoRemoto(const QString& host, const QString& rigaComando) = 0;
    // Returns the local path, or empty when the copy failed.
    virtual QString CopiaDalServer(
        const QString& host, const QString& percorsoServer, const QString& percorsoLocale)
        = 0;
    virtual bool CopiaSulServer(
        const QString& host, const QString& percorsoLocale, const QString& percorsoServer)
        = 0;
    virtual bool PreparaFileTesto(const QString& host, const QString& percorsoServer) = 0;
    // May replace the user id; gives the user's login in the contacts directory.
    virtual bool VerificaUtente(const QString& azienda, const QString& host, QString& utente,
        QString& password, QString& loginDirectory)
        = 0;
    // The user's name for annotations.
    virtual QString NomeUtente(const QString& host, QString& utente) = 0;
    virtual QStringList ElencoCodiciRicerca(const QString& host, const QString& azienda, bool modo)
        = 0;
    // The local file of the document, or empty.
    virtual QString FileDocumento(const QString& host, const QString& azienda,
        const Documento& documento, bool mostra, bool mostraErrori)
        = 0;
    virtual bool AvviaInvio(
        const QString& host, const QString& azienda, const QString& nomePC, const QString& utente)
        = 0;
    virtual bool RegistraDocumenti(const QString& host, const QString& azienda,
        const QList<DocumentoPtr>& documenti, const QString& utente, bool rimossi)
        = 0;

    // Further operations. The defaults fail, so an implementation that lacks one reports it
    // through its result instead of breaking older doubles.

    // Prints on the server the documents of the list to send, each in its StampaPDF form;
    // the local file of the print job, or empty.
    virtual QString StampaDocumenti(const QString& /*host*/, const QString& /*azienda*/,
        const QList<DocumentoPtr>& /*documenti*/, bool /*mostra*/)
    {
        return {};
    }
    // The same for documents of the document lists.
    virtual QString StampaElenco(const QString& /*host*/, const QString& /*azienda*/,
        const QList<DocumentoPtr>& /*documenti*/, bool /*mostra*/)
    {
        return {};
    }
    // Records that the documents were sent from the workstation.
    virtual bool RegistraInvioLocale(const QString& /*host*/, const QString& /*azienda*/,
        const QList<DocumentoPtr>& /*documenti*/)
    {
        return false;
    }
    // The local file of the subject's privacy notice, or empty.
    virtual QString FileCliente(const QString& /*host*/, const QString& /*azienda*/,
        const Cliente& /*cliente*/, bool /*mostra*/, bool /*mostraErrori*/)
    {
        return {};
    }
    // The local file of the customer's export letter, or empty.
    virtual QString FileExportCliente(const QString& /*host*/, const QString& /*azienda*/,
        const Cliente& /*cliente*/, bool /*mostra*/, bool /*mostraErrori*/)
    {
        return {};
    }
    // Puts the document into the workstation's fax area (the one PreparaFax prepared); its
    // local copy, or empty.
    virtual QString FileFaxDocumento(const QString& /*host*/, const QString& /*azienda*/,
        const Documento& /*documento*/, bool /*mostra*/, bool /*mostraErrori*/)
    {
        return {};
    }
    // Empties the workstation's fax area before a fax job.
    virtual bool PreparaFax(
        const QString& /*host*/, const QString& /*azienda*/, const QString& /*nomePC*/)
    {
        return false;
    }
    // Uploads cartellaLocale + fileLocale into the fax area as fileServer; risultato is the
    // text the job writes before the file name (the area's server folder).
    virtual bool InviaFax(const QString& /*host*/, const QString& /*azienda*/,
        const QString& /*nomePC*/, const QString& /*fileLocale*/, const QString& /*cartellaLocale*/,
        const QString& /*fileServer*/, QString& /*risultato*/)
    {
        return false;
    }
    // The server path of a file listing the folder's files, one name per line, or empty.
    virtual QString ElencoFileServer(
        const QString& /*host*/, const QString& /*utente*/, const QString& /*cartellaServer*/)
    {
        return {};
    }
    // Removes a server file or folder.
    virtual bool CancellaSulServer(const QString& /*host*/, const QString& /*percorsoServer*/)
    {
        return false;
    }
    // Writes the fax queue's state into the server file.
    virtual bool StatoFax(const QString& /*host*/, const QString& /*percorsoServer*/)
    {
        return false;
    }
    // Converts a local PDF into a word-processor file.
    virtual bool ConvertiInWord(
        const QString& /*host*/, const QString& /*filePdf*/, const QString& /*fileWord*/)
    {
        return false;
    }

    // The description of the last failure.
    [[nodiscard]] virtual QString UltimoErrore() const = 0;
};
