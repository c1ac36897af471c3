#pragma once

#include "app/Invexo_Main.h"
#include "orbeni/AmbienteOrbeni.h"
#include "orbeni/ServiziOrbeni.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

// The library as the sending rules see it: records the sends, prints and records of sending.
class ServiziFinti final : public ServiziOrbeni {
public:
    struct Avvio {
        QString Host;
        QString Azienda;
        QString NomePC;
        QString Utente;
    };
    QList<Avvio> Avvii;
    QList<QList<DocumentoPtr>> Registrazioni;
    struct Stampa {
        // "DOCUMENTI" (StampaDocumenti) or "ELENCO" (StampaElenco).
        QString Tipo;
        QList<DocumentoPtr> Documenti;
        // The forms at the moment of the call.
        QStringList Forme;
    };
    QList<Stampa> Stampe;
    QList<QList<DocumentoPtr>> InviiLocali;
    // The local file FileDocumento gives for a document; empty when none.
    std::function<QString(const Documento&)> FileDelDocumento;
    bool EsitoAvvio = true;
    // Runs at each AvviaInvio, while the run's files are in place.
    std::function<void()> AllAvvio;

    bool AvviaInvio(const QString& host, const QString& azienda, const QString& nomePC,
        const QString& utente) override;
    bool RegistraDocumenti(const QString& host, const QString& azienda,
        const QList<DocumentoPtr>& documenti, const QString& utente, bool rimossi) override;

    bool Autentica(const QString&, const QString&, QString&, QString&) override { return false; }
    bool Richiesta(const QString&, const QString&, const QStringList&, RisultatoRichiesta&) override
    {
        return false;
    }
    bool ComandoRemoto(const QString&, const QString&) override { return false; }
    QString CopiaDalServer(const QString&, const QString&, const QString&) override { return {}; }
    bool CopiaSulServer(const QString&, const QString&, const QString&) override { return false; }
    bool PreparaFileTesto(const QString&, const QString&) override { return false; }
    bool VerificaUtente(const QString&, const QString&, QString&, QString&, QString&) override
    {
        return false;
    }
    QString NomeUtente(const QString&, QString&) override { return {}; }
    QStringList ElencoCodiciRicerca(const QString&, const QString&, bool) override { return {}; }
    QString FileDocumento(
        const QString&, const QString&, const Documento& documento, bool, bool) override
    {
        return FileDelDocumento ? FileDelDocumento(documento) : QString();
    }
    QString StampaDocumenti(
        const QString&, const QString&, const QList<DocumentoPtr>& documenti, bool) override;
    QString StampaElenco(
        const QString&, const QString&, const QList<DocumentoPtr>& documenti, bool) override;
    bool RegistraInvioLocale(
        const QString&, const QString&, const QList<DocumentoPtr>& documenti) override
    {
        InviiLocali.append(documenti);
        return true;
    }
    [[nodiscard]] QString UltimoErrore() const override { return {}; }
};

// A workstation whose working folder is a test's temporary folder.
class AmbienteFinto final : public AmbienteOrbeni {
public:
    explicit AmbienteFinto(QString cartellaLavoro)
        : m_cartella(std::move(cartellaLavoro))
    {
    }

    [[nodiscard]] QString NomeComputer() const override { return {}; }
    [[nodiscard]] QString CartellaLavoro() const override { return m_cartella; }
    [[nodiscard]] QString CartellaConfigurazione(const QString&) const override { return {}; }
    [[nodiscard]] QString CartellaPostazione(const QString&) const override { return {}; }
    [[nodiscard]] QString CartellaProgrammi(const QString&) const override { return {}; }
    void RegistraFinestra(quintptr, bool) override { }
    std::shared_ptr<Sessione> ApriSessione() override { return std::make_shared<Sessione>(); }
    void ChiudiSessione(Sessione&) override { }
    ContestoAzienda ApriAzienda(const QString&, bool, const QString&, const QString&) override
    {
        return {};
    }

private:
    QString m_cartella;
};

// Session globals of workstation "PC01", company "01", user "mrossi", on the fakes above.
Invexo_Main GlobaliDiProva(
    const QString& cartellaLavoro, const std::shared_ptr<ServiziFinti>& servizi);
