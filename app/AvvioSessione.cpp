#include "app/AvvioSessione.h"

#include "forms/Dialoghi.h"
#include "server/Richieste.h"
#include "server/Servizi.h"

using namespace Qt::StringLiterals;

bool ApriSessione(Invexo_Main& globali, Dialoghi& dialoghi)
{
    if (!globali.Servizi || !globali.Ambiente)
        return false;
    globali.SessioneOrbeni = globali.Ambiente->ApriSessione();
    globali.SessioneOrbeni->ImpostaAzienda(
        globali.Ambiente->ApriAzienda(globali.CodiceAzienda, globali.ModoShell, {}, {}));
    UtenteSessione& utente = globali.SessioneOrbeni->Utente;
    if (!globali.CodiceUtente.isEmpty())
        utente.Codice = globali.CodiceUtente;
    if (!utente.Codice.isEmpty())
        return true;

    QString codice;
    QString password;
    if (globali.Servizi->Autentica(
            globali.CodiceAzienda, globali.IndirizzoServer, codice, password)) {
        utente.Codice = codice;
        utente.Password = password;
        return true;
    }
    // A cancelled login ends quietly; a server that cannot be reached is named.
    if (!globali.Servizi->UltimoErrore().isEmpty())
        dialoghi.Avviso(u"Nessuna risposta da "_s + globali.IndirizzoServer,
            IconaMessaggio::Critica, u"Autenticazione"_s);
    return false;
}

std::optional<QString> VerificaSessione(Invexo_Main& globali)
{
    ServiziOrbeni& servizi = *globali.Servizi;
    UtenteSessione& utente = globali.SessioneOrbeni->Utente;
    QString codice = utente.Codice;
    globali.UtentePdfDraw = servizi.NomeUtente(globali.IndirizzoServer, codice);
    QString password = utente.Password;
    const QString prima = utente.Codice;
    QString verificato = prima;
    if (!servizi.VerificaUtente(globali.CodiceAzienda, globali.IndirizzoServer, verificato,
            password, globali.LoginDirectory))
        return servizi.UltimoErrore();
    if (verificato != prima) {
        utente.Codice = verificato;
        password = utente.Password;
        if (!servizi.VerificaUtente(globali.CodiceAzienda, globali.IndirizzoServer, verificato,
                password, globali.LoginDirectory))
            return servizi.UltimoErrore();
    }
    return std::nullopt;
}

std::optional<QString> CaricaArchivioSerie(Invexo_Main& globali)
{
    globali.Archivio = std::make_shared<ArchivioSerie>();
    globali.Trovati = std::make_shared<DocumentiTrovati>();
    globali.ClientiSelezionati.clear();
    globali.FileDaCancellare.clear();
    const QStringList richiesta = RichiestaArchivioSerie(globali.CodiceAzienda, globali.Utente());
    if (!globali.Servizi->Richiesta(
            globali.IndirizzoServer, NomiServizi::Documenti, richiesta, *globali.Archivio))
        return globali.Servizi->UltimoErrore();
    return std::nullopt;
}

MittentiPredefiniti LeggiMittenti(const Impostazioni& impostazioni)
{
    const auto primo = [&impostazioni](std::initializer_list<const Impostazione*> scelte) {
        for (const Impostazione* scelta : scelte) {
            const QString valore = impostazioni.Leggi(*scelta);
            if (!valore.isEmpty())
                return valore;
        }
        return QString();
    };
    using namespace ChiaviImpostazioni;
    return {primo({&MittenteInvioDoc, &MittenteEmail, &MittenteEsenzione}),
        primo({&NominativoMittenteInvioDoc, &MittenteFax})};
}
