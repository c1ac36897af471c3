#include "sending/ScriviSpool.h"

EsitoSpool AvviaInvioSpool(Invexo_Main& globali, const SpoolInvio& spool)
{
    if (!globali.Ambiente)
        return EsitoSpool::ErroreFile;
    QString errore;
    const auto scritti = spool.Scrivi(globali.Ambiente->CartellaLavoro(), globali.NomePC, errore);
    if (!scritti)
        return EsitoSpool::ErroreFile;
    for (const QString& percorso : *scritti)
        AggiungiFileDaCancellare(globali, percorso);

    if (!globali.Servizi
        || !globali.Servizi->AvviaInvio(
            globali.IndirizzoServer, globali.CodiceAzienda, globali.NomePC, globali.Utente()))
        return EsitoSpool::ErroreServer;
    return EsitoSpool::Avviato;
}
