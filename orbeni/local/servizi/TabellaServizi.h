#pragma once

#include "orbeni/Risultati.h"
#include "orbeni/local/servizi/ContestoServizio.h"

#include <QString>
#include <QStringList>

// A handler reads the request array at the indices the client writes and fills the result;
// false with the reason in errore.
using GestoreServizio = bool (*)(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore);

// One service command: the service name, the command at index 1 and the array's size.
struct VoceServizio final {
    QString Servizio;
    QString Comando;
    qsizetype Elementi;
    GestoreServizio Gestore;
};

// The handler of a service's command, or nothing.
[[nodiscard]] const VoceServizio* CercaServizio(const QString& servizio, const QString& comando);
