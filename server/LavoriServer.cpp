#include "server/LavoriServer.h"

#include "server/FileServer.h"
#include "server/Servizi.h"

using namespace Qt::StringLiterals;

namespace {

// Sends the job file, runs the request built on its server path, removes the server file.
template <typename Costruttore>
void EseguiSuFile(ContestoLavoro& contesto, const QString& servizio, const QString& prefisso,
    const QString& token, const QByteArray& record, Costruttore richiesta,
    RisultatoRichiesta& risultato)
{
    const FileLavoro file = InviaFileLavoro(contesto.servizi, contesto.host,
        contesto.cartellaLavoro, prefisso, token, record, contesto.fileDaCancellare);
    // A stale server file of the same name must never be taken for this job's file.
    if (file.inviato)
        contesto.servizi.Richiesta(
            contesto.host, servizio, richiesta(file.percorsoServer), risultato);
    RimuoviFileServer(contesto.servizi, contesto.host, file.percorsoServer);
}

} // namespace

QString EseguiExpman(
    ContestoLavoro& contesto, ComandoExpman comando, const QString& token, const QByteArray& record)
{
    EsitoLavoro esito;
    EseguiSuFile(
        contesto, NomiServizi::Export, u"export"_s, token, record,
        [&](const QString& percorso) {
            return RichiestaExpman(contesto.azienda, comando, percorso);
        },
        esito);
    return RisultatoExpman(esito, comando, contesto.dialoghi);
}

EsitoCredemtel EseguiCredem(
    ContestoLavoro& contesto, ComandoCredem comando, const QString& token, const QByteArray& record)
{
    EsitoCredemtel risultato;
    risultato.percorsoUscita = u"/usr/tmp/credem"_s + token;
    EsitoLavoro esito;
    EseguiSuFile(
        contesto, NomiServizi::Credemtel, u"credem"_s, token, record,
        [&](const QString& percorso) {
            return RichiestaCredem(contesto.azienda, comando, percorso, risultato.percorsoUscita);
        },
        esito);
    risultato.stato = RisultatoCredem(esito, contesto.dialoghi);
    return risultato;
}

void EseguiEsenzioni(
    ContestoLavoro& contesto, const QString& codicePeriodo, const QString& codiceFiscale)
{
    EsitoFile esito;
    contesto.servizi.Richiesta(contesto.host, NomiServizi::Esenzioni,
        RichiestaFileEsenzioni(contesto.azienda, codicePeriodo, codiceFiscale), esito);
    RisultatoEsenzioni(esito, contesto.dialoghi);
}

QString EseguiElenchi(ContestoLavoro& contesto, const QString& anno, const QString& codiceFiscale,
    const QString& numeroCaf)
{
    EsitoFile esito;
    contesto.servizi.Richiesta(contesto.host, NomiServizi::Elenchi,
        RichiestaFileElenchi(contesto.azienda, anno, codiceFiscale, numeroCaf), esito);
    return RisultatoElenchi(esito, contesto.dialoghi);
}
