#pragma once

#include "orbeni/local/ParoleShell.h"
#include "orbeni/local/RadiceServer.h"

class Orologio;

// Runs the few command lines the client sends to the server, never through a shell:
//   rm [-f] A | mkdir [-p] A | [/usr/orbeni/bin/]dos2unix A > B | unix2dos A B |
//   date +%D%T > F | sh /usr/orbeni/hylafaxERR.sh A B [2>/dev/null]
// Every path is a server path inside the root. Anything else is refused.
class InterpreteComandi final {
public:
    InterpreteComandi(const RadiceServer& radice, const Orologio& orologio);

    // False with the reason in errore when the line is refused or its command fails.
    bool Esegui(const QString& riga, QString& errore) const;

private:
    bool Rm(const QList<ParolaShell>& parole, QString& errore) const;
    bool Mkdir(const QList<ParolaShell>& parole, QString& errore) const;
    bool Dos2unix(const QList<ParolaShell>& parole, QString& errore) const;
    bool Unix2dos(const QList<ParolaShell>& parole, QString& errore) const;
    bool Date(const QList<ParolaShell>& parole, QString& errore) const;
    bool Sh(const QList<ParolaShell>& parole, QString& errore) const;
    bool Converti(
        const QString& origine, const QString& destinazione, bool versoUnix, QString& errore) const;

    const RadiceServer& m_radice;
    const Orologio& m_orologio;
};
