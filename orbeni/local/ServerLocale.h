#pragma once

#include "orbeni/AmbienteOrbeni.h"
#include "orbeni/ServiziOrbeni.h"
#include "orbeni/local/ArchivioLocale.h"
#include "orbeni/local/InterpreteComandi.h"
#include "orbeni/local/RadiceServer.h"

#include <memory>

class Dialoghi;
class Orologio;

struct OpzioniServerLocale final {
    // Seed the demo data when the store holds no company yet.
    bool SeminaDemo = true;
    // The server's clock; the program's clock when not given.
    const Orologio* Ora = nullptr;
};

// The embedded server: the library's operations over a server root and its store.
// The host argument of the operations is not read: this object is the server.
class ServerLocale final : public ServiziOrbeni {
public:
    ServerLocale(const QString& cartellaRadice, std::shared_ptr<AmbienteOrbeni> ambiente,
        Dialoghi& dialoghi, OpzioniServerLocale opzioni = {});
    ~ServerLocale() override;

    // False when the root or the store could not be opened; UltimoErrore() says why.
    [[nodiscard]] bool Pronto() const { return m_erroreAvvio.isEmpty(); }
    [[nodiscard]] const RadiceServer& Radice() const { return m_radice; }
    // The store, for tests and tools that add chosen data; only when Pronto().
    [[nodiscard]] ArchivioLocale& Archivio() { return *m_archivio; }
    // The user the session authenticated or verified, or empty.
    [[nodiscard]] const QString& UtenteSessione() const { return m_utente; }

    bool Autentica(
        const QString& azienda, const QString& host, QString& utente, QString& password) override;
    bool Richiesta(const QString& host, const QString& servizio, const QStringList& richiesta,
        RisultatoRichiesta& risultato) override;
    bool ComandoRemoto(const QString& host, const QString& rigaComando) override;
    QString CopiaDalServer(
        const QString& host, const QString& percorsoServer, const QString& percorsoLocale) override;
    bool CopiaSulServer(
        const QString& host, const QString& percorsoLocale, const QString& percorsoServer) override;
    bool PreparaFileTesto(const QString& host, const QString& percorsoServer) override;
    bool VerificaUtente(const QString& azienda, const QString& host, QString& utente,
        QString& password, QString& loginDirectory) override;
    QString NomeUtente(const QString& host, QString& utente) override;
    QStringList ElencoCodiciRicerca(
        const QString& host, const QString& azienda, bool modo) override;
    QString FileDocumento(const QString& host, const QString& azienda, const Documento& documento,
        bool mostra, bool mostraErrori) override;
    bool AvviaInvio(const QString& host, const QString& azienda, const QString& nomePC,
        const QString& utente) override;
    bool RegistraDocumenti(const QString& host, const QString& azienda,
        const QList<DocumentoPtr>& documenti, const QString& utente, bool rimossi) override;

    QString StampaDocumenti(const QString& host, const QString& azienda,
        const QList<DocumentoPtr>& documenti, bool mostra) override;
    QString StampaElenco(const QString& host, const QString& azienda,
        const QList<DocumentoPtr>& documenti, bool mostra) override;
    bool RegistraInvioLocale(
        const QString& host, const QString& azienda, const QList<DocumentoPtr>& documenti) override;
    QString FileCliente(const QString& host, const QString& azienda, const Cliente& cliente,
        bool mostra, bool mostraErrori) override;
    QString FileExportCliente(const QString& host, const QString& azienda, const Cliente& cliente,
        bool mostra, bool mostraErrori) override;
    QString FileFaxDocumento(const QString& host, const QString& azienda,
        const Documento& documento, bool mostra, bool mostraErrori) override;
    bool PreparaFax(const QString& host, const QString& azienda, const QString& nomePC) override;
    bool InviaFax(const QString& host, const QString& azienda, const QString& nomePC,
        const QString& fileLocale, const QString& cartellaLocale, const QString& fileServer,
        QString& risultato) override;
    QString ElencoFileServer(
        const QString& host, const QString& utente, const QString& cartellaServer) override;
    bool CancellaSulServer(const QString& host, const QString& percorsoServer) override;
    bool StatoFax(const QString& host, const QString& percorsoServer) override;
    bool ConvertiInWord(
        const QString& host, const QString& filePdf, const QString& fileWord) override;

    [[nodiscard]] QString UltimoErrore() const override { return m_errore; }

private:
    // Clears the last error; false (with the start-up error) when the server is not ready.
    bool Inizia();
    bool Fallisci(const QString& errore);
    QString FallisciFile(const QString& errore, bool mostraErrori);
    // The local copy of a document's PDF in the working folder, or empty.
    QString CopiaPdfDocumento(const QString& azienda, const Documento& documento,
        QString& percorsoServer, QString& errore);
    QString Stampa(
        const QString& azienda, const QList<DocumentoPtr>& documenti, const QString& tipo);
    QString Lettera(
        const QString& azienda, const Cliente& cliente, bool export_, bool mostraErrori);
    [[nodiscard]] QString UtenteOPostazione() const;

    RadiceServer m_radice;
    std::unique_ptr<ArchivioLocale> m_archivio;
    std::shared_ptr<AmbienteOrbeni> m_ambiente;
    Dialoghi& m_dialoghi;
    const Orologio& m_ora;
    InterpreteComandi m_interprete;
    QString m_utente;
    QString m_postazioneFax;
    QString m_errore;
    QString m_erroreAvvio;
};
