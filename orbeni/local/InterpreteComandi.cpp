#include "orbeni/local/InterpreteComandi.h"

#include "orbeni/local/ConversioneRighe.h"
#include "orbeni/local/ElencoFaxInErrore.h"
#include "platform/Orologio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool Parola(const QList<ParolaShell>& parole, qsizetype i)
{
    return i < parole.size() && !parole.at(i).Redirezione;
}

bool Redirezione(const QList<ParolaShell>& parole, qsizetype i, const QString& operatore)
{
    return i < parole.size() && parole.at(i).Redirezione && parole.at(i).Testo == operatore;
}

bool SoloParole(const QList<ParolaShell>& parole)
{
    return std::none_of(
        parole.begin(), parole.end(), [](const ParolaShell& p) { return p.Redirezione; });
}

bool Rifiuta(QString& errore, const QString& motivo)
{
    errore = motivo;
    return false;
}

// Splits "prog [opzione] OPERANDO" where the only option allowed is the given one.
std::optional<std::pair<bool, QString>> OpzioneEOperando(
    const QList<ParolaShell>& parole, const QString& opzione, QString& errore)
{
    if (!SoloParole(parole)) {
        errore = u"Redirezione non ammessa per "_s + parole.first().Testo;
        return std::nullopt;
    }
    const bool conOpzione = parole.size() == 3 && parole.at(1).Testo == opzione;
    if (parole.size() != (conOpzione ? 3 : 2)) {
        errore = u"Argomenti non ammessi per "_s + parole.first().Testo;
        return std::nullopt;
    }
    const QString operando = parole.last().Testo;
    if (operando.startsWith(u'-')) {
        errore = u"Opzione non ammessa: "_s + operando;
        return std::nullopt;
    }
    return std::pair {conOpzione, operando};
}

} // namespace

InterpreteComandi::InterpreteComandi(const RadiceServer& radice, const Orologio& orologio)
    : m_radice(radice)
    , m_orologio(orologio)
{
}

bool InterpreteComandi::Esegui(const QString& riga, QString& errore) const
{
    const auto parole = DividiRigaComando(riga, errore);
    if (!parole)
        return false;
    if (parole->isEmpty() || parole->first().Redirezione)
        return Rifiuta(errore, u"Comando vuoto"_s);
    const QString programma = parole->first().Testo;
    if (programma == u"rm"_s)
        return Rm(*parole, errore);
    if (programma == u"mkdir"_s)
        return Mkdir(*parole, errore);
    if (programma == u"dos2unix"_s || programma == u"/usr/orbeni/bin/dos2unix"_s)
        return Dos2unix(*parole, errore);
    if (programma == u"unix2dos"_s)
        return Unix2dos(*parole, errore);
    if (programma == u"date"_s)
        return Date(*parole, errore);
    if (programma == u"sh"_s)
        return Sh(*parole, errore);
    return Rifiuta(errore, u"Programma non ammesso: "_s + programma);
}

bool InterpreteComandi::Rm(const QList<ParolaShell>& parole, QString& errore) const
{
    const auto argomenti = OpzioneEOperando(parole, u"-f"_s, errore);
    if (!argomenti)
        return false;
    const auto [forzato, percorso] = *argomenti;
    const auto locale = m_radice.Locale(percorso, errore);
    if (!locale)
        return false;
    const QFileInfo info(*locale);
    if (!info.exists() && !info.isSymLink())
        return forzato || Rifiuta(errore, u"rm: file inesistente: "_s + percorso);
    if (info.isDir() && !info.isSymLink())
        return Rifiuta(errore, u"rm: è una cartella: "_s + percorso);
    return QFile::remove(*locale) || Rifiuta(errore, u"rm: impossibile rimuovere "_s + percorso);
}

bool InterpreteComandi::Mkdir(const QList<ParolaShell>& parole, QString& errore) const
{
    const auto argomenti = OpzioneEOperando(parole, u"-p"_s, errore);
    if (!argomenti)
        return false;
    const auto [genitori, percorso] = *argomenti;
    const auto locale = m_radice.Locale(percorso, errore);
    if (!locale)
        return false;
    const QFileInfo info(*locale);
    if (genitori)
        return (info.isDir() || QDir().mkpath(*locale))
            || Rifiuta(errore, u"mkdir: impossibile creare "_s + percorso);
    if (info.exists())
        return Rifiuta(errore, u"mkdir: esiste già: "_s + percorso);
    if (!info.dir().exists())
        return Rifiuta(errore, u"mkdir: cartella superiore inesistente: "_s + percorso);
    return QDir().mkdir(*locale) || Rifiuta(errore, u"mkdir: impossibile creare "_s + percorso);
}

bool InterpreteComandi::Dos2unix(const QList<ParolaShell>& parole, QString& errore) const
{
    if (parole.size() != 4 || !Parola(parole, 1) || !Redirezione(parole, 2, u">"_s)
        || !Parola(parole, 3))
        return Rifiuta(errore, u"Forma ammessa: dos2unix ORIGINE > DESTINAZIONE"_s);
    return Converti(parole.at(1).Testo, parole.at(3).Testo, true, errore);
}

bool InterpreteComandi::Unix2dos(const QList<ParolaShell>& parole, QString& errore) const
{
    if (parole.size() != 3 || !SoloParole(parole))
        return Rifiuta(errore, u"Forma ammessa: unix2dos ORIGINE DESTINAZIONE"_s);
    return Converti(parole.at(1).Testo, parole.at(2).Testo, false, errore);
}

bool InterpreteComandi::Converti(
    const QString& origine, const QString& destinazione, bool versoUnix, QString& errore) const
{
    const auto testo = m_radice.Leggi(origine, errore);
    if (!testo)
        return false;
    return m_radice.Scrivi(destinazione, versoUnix ? DosAUnix(*testo) : UnixADos(*testo), errore);
}

bool InterpreteComandi::Date(const QList<ParolaShell>& parole, QString& errore) const
{
    if (parole.size() != 4 || !Parola(parole, 1) || parole.at(1).Testo != u"+%D%T"_s
        || !Redirezione(parole, 2, u">"_s) || !Parola(parole, 3))
        return Rifiuta(errore, u"Forma ammessa: date +%D%T > FILE"_s);
    const QString adesso = m_orologio.Adesso().toString(u"MM/dd/yyHH:mm:ss"_s);
    return m_radice.Scrivi(parole.at(3).Testo, adesso.toLatin1() + '\n', errore);
}

bool InterpreteComandi::Sh(const QList<ParolaShell>& parole, QString& errore) const
{
    const bool scartaErrori = parole.size() == 6 && Redirezione(parole, 4, u"2>"_s)
        && Parola(parole, 5) && parole.at(5).Testo == u"/dev/null"_s;
    const bool forma = (parole.size() == 4 || scartaErrori) && Parola(parole, 1)
        && Parola(parole, 2) && Parola(parole, 3)
        && parole.at(1).Testo == u"/usr/orbeni/hylafaxERR.sh"_s;
    if (!forma)
        return Rifiuta(errore, u"Forma ammessa: sh /usr/orbeni/hylafaxERR.sh POSTAZIONE UTENTE"_s);
    return ScriviElencoFaxInErrore(m_radice, parole.at(2).Testo, parole.at(3).Testo, errore);
}
