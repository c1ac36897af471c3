#pragma once

#include "orbeni/ServiziOrbeni.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A server that records each call as one line ("ComandoRemoto <command>", ...) and answers
// from its settings; requests fill EsitoLavoro / EsitoFile with the scripted outcome.
class ServiziRegistrati final : public ServiziOrbeni {
public:
    struct RichiestaFatta {
        QString servizio;
        QStringList array;
    };

    QStringList chiamate;
    QList<RichiestaFatta> richieste;
    QList<QByteArray> caricati; // the local files' bytes at upload time

    QString esito;
    QString messaggio;
    bool copiaSulServerRiesce = true;
    bool copiaDalServerRiesce = true;
    QString comandoCheFallisce; // a command line that answers false

    bool Autentica(const QString&, const QString&, QString&, QString&) override { return false; }
    bool Richiesta(const QString& host, const QString& servizio, const QStringList& richiesta,
        RisultatoRichiesta& risultato) override;
    bool ComandoRemoto(const QString& host, const QString& rigaComando) override;
    QString CopiaDalServer(
        const QString& host, const QString& percorsoServer, const QString& percorsoLocale) override;
    bool CopiaSulServer(
        const QString& host, const QString& percorsoLocale, const QString& percorsoServer) override;
    bool PreparaFileTesto(const QString& host, const QString& percorsoServer) override;
    bool VerificaUtente(const QString&, const QString&, QString&, QString&, QString&) override
    {
        return false;
    }
    QString NomeUtente(const QString&, QString&) override { return {}; }
    QStringList ElencoCodiciRicerca(const QString&, const QString&, bool) override { return {}; }
    QString FileDocumento(const QString&, const QString&, const Documento&, bool, bool) override
    {
        return {};
    }
    bool AvviaInvio(const QString&, const QString&, const QString&, const QString&) override
    {
        return false;
    }
    bool RegistraDocumenti(
        const QString&, const QString&, const QList<DocumentoPtr>&, const QString&, bool) override
    {
        return false;
    }
    [[nodiscard]] QString UltimoErrore() const override { return {}; }
};
