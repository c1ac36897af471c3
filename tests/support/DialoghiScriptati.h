#pragma once

#include "forms/Dialoghi.h"

#include <QList>
#include <QQueue>

// The test double of Dialoghi: records every message and question, answers from queues.
// With an empty queue a message answers Ok (or No for a question) and an input answers "".
class DialoghiScriptati final : public Dialoghi {
public:
    struct Registrato {
        QString Testo;
        QString Titolo;
        IconaMessaggio Icona = IconaMessaggio::Nessuna;
        PulsantiMessaggio Pulsanti = PulsantiMessaggio::Ok;
        QString Proposta; // inputs only
        bool Input = false;
    };

    QList<Registrato> Registrati;
    QQueue<Risposta> Risposte;
    QQueue<QString> RisposteInput;
    QQueue<std::optional<Credenziali>> RisposteCredenziali;
    QQueue<QString> RisposteFile;
    int ChiamateEventi = 0;
    int Clessidre = 0;

    Risposta Messaggio(const QString& testo, PulsantiMessaggio pulsanti, IconaMessaggio icona,
        const QString& titolo) override;
    QString Input(const QString& domanda, const QString& titolo, const QString& proposta) override;
    std::optional<Credenziali> ChiediCredenziali(
        const QString& azienda, const QString& host, const QString& avviso) override;
    QString ApriFile(
        const QString& titolo, const QString& filtro, const QString& cartella) override;
    QString SalvaFile(
        const QString& titolo, const QString& filtro, const QString& proposta) override;
    void Clessidra(bool attiva) override { Clessidre += attiva ? 1 : -1; }
    void EseguiEventi() override { ++ChiamateEventi; }

    // The texts of the messages (not of the inputs), in order.
    [[nodiscard]] QStringList Testi() const;
};
