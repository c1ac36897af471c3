#pragma once

#include "orbeni/ServiziOrbeni.h"

// A remote server, which this build cannot reach: every operation fails as for a host that
// gives no answer.
class ServerIrraggiungibile final : public ServiziOrbeni {
public:
    explicit ServerIrraggiungibile(QString indirizzo);

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
    // The other operations keep the base class's failing defaults.

    [[nodiscard]] QString UltimoErrore() const override { return m_errore; }

private:
    QString m_errore;
};
