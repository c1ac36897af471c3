#pragma once

#include "tests/support/DialoghiScriptati.h"

#include <gtest/gtest.h>

// The scripted dialogs, but an input asked for beyond the queued answers fails the test and
// answers `uscita`, so a question asked again and again cannot hang it.
class DialoghiConLimite final : public Dialoghi {
public:
    DialoghiScriptati scriptati;
    QString uscita = QStringLiteral("FERMO");

    Risposta Messaggio(const QString& testo, PulsantiMessaggio pulsanti, IconaMessaggio icona,
        const QString& titolo) override
    {
        return scriptati.Messaggio(testo, pulsanti, icona, titolo);
    }
    QString Input(const QString& domanda, const QString& titolo, const QString& proposta) override
    {
        if (scriptati.RisposteInput.isEmpty()) {
            ADD_FAILURE() << "unexpected question: " << domanda.toStdString();
            return uscita;
        }
        return scriptati.Input(domanda, titolo, proposta);
    }
    std::optional<Credenziali> ChiediCredenziali(
        const QString& azienda, const QString& host, const QString& avviso) override
    {
        return scriptati.ChiediCredenziali(azienda, host, avviso);
    }
    QString ApriFile(const QString& t, const QString& f, const QString& c) override
    {
        return scriptati.ApriFile(t, f, c);
    }
    QString SalvaFile(const QString& t, const QString& f, const QString& p) override
    {
        return scriptati.SalvaFile(t, f, p);
    }
    void Clessidra(bool attiva) override { scriptati.Clessidra(attiva); }
    void EseguiEventi() override { scriptati.EseguiEventi(); }
};
