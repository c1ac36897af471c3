#pragma once

#include "orbeni/ServiziOrbeni.h"

#include <functional>

// A library double that records the requests and fills their results from a script.
class ServiziRegistrati final : public ServiziOrbeni {
public:
    struct Chiamata {
        QString Servizio;
        QStringList Richiesta;
    };
    struct Registrazione {
        QList<DocumentoPtr> Documenti;
        QString Utente;
        bool Rimossi = false;
    };

    QList<Chiamata> Richieste;
    QList<Registrazione> Registrazioni;
    QList<DocumentoPtr> FileChiesti;
    QStringList CodiciRicerca;
    QString FileDaDare;
    std::function<void(RisultatoRichiesta&)> Risposta;

    bool Autentica(const QString&, const QString&, QString&, QString&) override { return true; }
    bool Richiesta(const QString&, const QString& servizio, const QStringList& richiesta,
        RisultatoRichiesta& risultato) override
    {
        Richieste.append({servizio, richiesta});
        if (Risposta)
            Risposta(risultato);
        return true;
    }
    bool ComandoRemoto(const QString&, const QString&) override { return true; }
    QString CopiaDalServer(const QString&, const QString&, const QString& locale) override
    {
        return locale;
    }
    bool CopiaSulServer(const QString&, const QString&, const QString&) override { return true; }
    bool PreparaFileTesto(const QString&, const QString&) override { return true; }
    bool VerificaUtente(const QString&, const QString&, QString&, QString&, QString&) override
    {
        return true;
    }
    QString NomeUtente(const QString&, QString& utente) override { return utente; }
    QStringList ElencoCodiciRicerca(const QString&, const QString&, bool) override
    {
        return CodiciRicerca;
    }
    QString FileDocumento(
        const QString&, const QString&, const Documento& documento, bool, bool) override
    {
        FileChiesti.append(std::make_shared<Documento>(documento));
        return FileDaDare;
    }
    bool AvviaInvio(const QString&, const QString&, const QString&, const QString&) override
    {
        return true;
    }
    bool RegistraDocumenti(const QString&, const QString&, const QList<DocumentoPtr>& documenti,
        const QString& utente, bool rimossi) override
    {
        Registrazioni.append({documenti, utente, rimossi});
        return true;
    }
    [[nodiscard]] QString UltimoErrore() const override { return {}; }
};
