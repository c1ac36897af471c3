#pragma once

#include "sending/ContestoInvio.h"
#include "sending/DriverPosta.h"

#include <QStringList>

// The main window's effects, recorded in order as "nascondi", "attesa:<text>", "chiudi attesa",
// "mostra", "cerca", "ridisponi", "fax:<n>", "email:<n>:<tipo>".
class FinestraRegistrata final : public FinestraInvio {
public:
    QStringList Eventi;
    QList<QList<DocumentoPtr>> Fax;

    void NascondiPrincipale() override { Eventi.append(QStringLiteral("nascondi")); }
    void MostraPrincipale() override { Eventi.append(QStringLiteral("mostra")); }
    void MostraAttesa(const QString& messaggio) override
    {
        Eventi.append(QStringLiteral("attesa:") + messaggio);
    }
    void ChiudiAttesa() override { Eventi.append(QStringLiteral("chiudi attesa")); }
    void CercaDaInviare() override { Eventi.append(QStringLiteral("cerca")); }
    void Ridisponi() override { Eventi.append(QStringLiteral("ridisponi")); }
    void ComponiFax(const QList<DocumentoPtr>& documenti) override
    {
        Fax.append(documenti);
        Eventi.append(QStringLiteral("fax:") + QString::number(documenti.size()));
    }
    void MostraFormEmail(const QList<ClientePtr>& clienti, int tipo) override
    {
        Eventi.append(QStringLiteral("email:%1:%2").arg(clienti.size()).arg(tipo));
    }
};

// A mail client that records what it was asked: "apri", "chiudi", "nuovo", "allega:<path>:<name>",
// "consegna"; a step can be made to fail.
class DriverRegistrato final : public DriverPosta {
public:
    QStringList Passi;
    EsitoPosta ErroreNuovo;

    void Apri() override { Passi.append(QStringLiteral("apri")); }
    void Chiudi() override { Passi.append(QStringLiteral("chiudi")); }
    EsitoPosta NuovoMessaggio() override
    {
        Passi.append(QStringLiteral("nuovo"));
        return ErroreNuovo;
    }
    EsitoPosta Allega(const QString& percorso, const Documento& documento) override
    {
        Passi.append(QStringLiteral("allega:") + percorso + u':' + documento.Serie);
        return std::nullopt;
    }
    EsitoPosta Consegna() override
    {
        Passi.append(QStringLiteral("consegna"));
        return std::nullopt;
    }
};
