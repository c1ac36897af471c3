#pragma once

#include "forms/Dialoghi.h"

class QWidget;

// The dialogs of the desktop: message boxes, input boxes, the login, file dialogs.
class DialoghiQt final : public Dialoghi {
public:
    explicit DialoghiQt(QWidget* genitore = nullptr)
        : m_genitore(genitore)
    {
    }

    void ImpostaGenitore(QWidget* genitore) { m_genitore = genitore; }

    Risposta Messaggio(const QString& testo, PulsantiMessaggio pulsanti, IconaMessaggio icona,
        const QString& titolo) override;
    QString Input(const QString& domanda, const QString& titolo, const QString& proposta) override;
    std::optional<Credenziali> ChiediCredenziali(
        const QString& azienda, const QString& host, const QString& avviso) override;
    QString ApriFile(
        const QString& titolo, const QString& filtro, const QString& cartella) override;
    QString SalvaFile(
        const QString& titolo, const QString& filtro, const QString& proposta) override;
    void Clessidra(bool attiva) override;
    void EseguiEventi() override;

private:
    QWidget* m_genitore;
};
