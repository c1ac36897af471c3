#include "tests/support/DialoghiScriptati.h"

Risposta DialoghiScriptati::Messaggio(
    const QString& testo, PulsantiMessaggio pulsanti, IconaMessaggio icona, const QString& titolo)
{
    Registrati.append({testo, titolo, icona, pulsanti, {}, false});
    if (!Risposte.isEmpty())
        return Risposte.dequeue();
    return pulsanti == PulsantiMessaggio::Ok || pulsanti == PulsantiMessaggio::OkAnnulla
        ? Risposta::Ok
        : Risposta::No;
}

QString DialoghiScriptati::Input(
    const QString& domanda, const QString& titolo, const QString& proposta)
{
    Registrati.append(
        {domanda, titolo, IconaMessaggio::Nessuna, PulsantiMessaggio::OkAnnulla, proposta, true});
    return RisposteInput.isEmpty() ? QString() : RisposteInput.dequeue();
}

std::optional<Credenziali> DialoghiScriptati::ChiediCredenziali(
    const QString&, const QString&, const QString& avviso)
{
    Registrati.append({avviso, QStringLiteral("Autenticazione"), IconaMessaggio::Nessuna,
        PulsantiMessaggio::OkAnnulla, {}, true});
    return RisposteCredenziali.isEmpty() ? std::nullopt : RisposteCredenziali.dequeue();
}

QString DialoghiScriptati::ApriFile(const QString&, const QString&, const QString&)
{
    return RisposteFile.isEmpty() ? QString() : RisposteFile.dequeue();
}

QString DialoghiScriptati::SalvaFile(const QString&, const QString&, const QString&)
{
    return RisposteFile.isEmpty() ? QString() : RisposteFile.dequeue();
}

QStringList DialoghiScriptati::Testi() const
{
    QStringList testi;
    for (const auto& r : Registrati)
        if (!r.Input)
            testi.append(r.Testo);
    return testi;
}
