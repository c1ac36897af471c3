#pragma once

#include <QString>
#include <QStringList>

#include <optional>

enum class IconaMessaggio { Nessuna, Critica, Domanda, Avviso, Informazione };
enum class PulsantiMessaggio { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class Risposta { Ok, Annulla, Si, No };

struct Credenziali final {
    QString Utente;
    QString Password;
};

// Everything the program says to or asks of the user goes through this interface, so rules
// never touch widgets and tests can script the answers.
class Dialoghi {
public:
    virtual ~Dialoghi() = default;

    virtual Risposta Messaggio(const QString& testo, PulsantiMessaggio pulsanti,
        IconaMessaggio icona, const QString& titolo)
        = 0;
    // An input box: the text typed, or an empty text when the user cancels.
    virtual QString Input(const QString& domanda, const QString& titolo, const QString& proposta)
        = 0;
    // The login of the library; nothing when the user cancels.
    virtual std::optional<Credenziali> ChiediCredenziali(
        const QString& azienda, const QString& host, const QString& avviso)
        = 0;
    // Common file dialogs: the chosen path, or empty.
    virtual QString ApriFile(const QString& titolo, const QString& filtro, const QString& cartella)
        = 0;
    virtual QString SalvaFile(const QString& titolo, const QString& filtro, const QString& proposta)
        = 0;
    // The hourglass pointer on or off.
    virtual void Clessidra(bool attiva) = 0;
    // Lets pending window events run.
    virtual void EseguiEventi() = 0;

    // Shortcuts for the common kinds.
    void Avviso(const QString& testo, IconaMessaggio icona = IconaMessaggio::Nessuna,
        const QString& titolo = {})
    {
        Messaggio(testo, PulsantiMessaggio::Ok, icona, titolo);
    }
    bool Domanda(const QString& testo, const QString& titolo = {},
        IconaMessaggio icona = IconaMessaggio::Domanda)
    {
        return Messaggio(testo, PulsantiMessaggio::SiNo, icona, titolo) == Risposta::Si;
    }
};
