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
    virtual bool Autentica(const QString& azienda, const QString& host, QString& utente,
                           QString& password) = 0;
    // Sends a request array to a named service and fills the result object.
    virtual bool Richiesta(const QString& host, const QString& servizio,
                           const QStringList& richiesta, RisultatoRichiesta& risultato) = 0;
    virtual bool ComandoRemoto(const QString& host, const QString& rigaComando) = 0;
    // Returns the local path, or empty when the copy failed.
    virtual QString CopiaDalServer(const QString& host, const QString& percorsoServer,
                                   const QString& percorsoLocale) = 0;
    virtual bool CopiaSulServer(const QString& host, const QString& percorsoLocale,
                                const QString& percorsoServer) = 0;
    virtual bool PreparaFileTesto(const QString& host, const QString& percorsoServer) = 0;
    // May replace the user id; gives the user's login in the contacts directory.
    virtual bool VerificaUtente(const QString& azienda, const QString& host, QString& utente,
                                QString& password, QString& loginDirectory) = 0;
    // The user's name for annotations.
    virtual QString NomeUtente(const QString& host, QString& utente) = 0;
    virtual QStringList ElencoCodiciRicerca(const QString& host, const QString& azienda,
                                            bool modo) = 0;
    // The local file of the document, or empty.
    virtual QString FileDocumento(const QString& host, const QString& azienda,
                                  const Documento& documento, bool mostra, bool mostraErrori) = 0;
    virtual bool AvviaInvio(const QString& host, const QString& azienda, const QString& nomePC,
                            const QString& utente) = 0;
    virtual bool RegistraDocumenti(const QString& host, const QString& azienda,
                                   const QList<DocumentoPtr>& documenti, const QString& utente,
                                   bool rimossi) = 0;

    // The description of the last failure.
    [[nodiscard]] virtual QString UltimoErrore() const = 0;
};
