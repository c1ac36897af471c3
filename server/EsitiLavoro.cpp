#include "server/EsitiLavoro.h"

using namespace Qt::StringLiterals;

StatoEsito LeggiStatoEsito(const QString& esito)
{
    if (esito.isEmpty())
        return StatoEsito::Vuoto;
    return esito == u"OK"_s ? StatoEsito::Ok : StatoEsito::Errore;
}

StatoEsito MostraEsito(const QString& esito, const QString& messaggio, TipoLavoro tipo,
    bool conPrefisso, Dialoghi& dialoghi)
{
    const StatoEsito stato = LeggiStatoEsito(esito);
    switch (stato) {
    case StatoEsito::Vuoto:
        dialoghi.Avviso(tipo == TipoLavoro::Creazione ? u"Errore, il file non è stato creato"_s
                                                      : u"Errore, operazione annullata"_s);
        break;
    case StatoEsito::Errore:
        dialoghi.Avviso(conPrefisso ? u"Messaggio: "_s + messaggio : messaggio);
        break;
    case StatoEsito::Ok: break;
    }
    return stato;
}

QString RisultatoExpman(const EsitoLavoro& esito, ComandoExpman comando, Dialoghi& dialoghi)
{
    const TipoLavoro tipo = comando == ComandoExpman::CreazioneFile ? TipoLavoro::Creazione
                                                                    : TipoLavoro::Annullamento;
    return MostraEsito(esito.Esito, esito.Messaggio, tipo, true, dialoghi) == StatoEsito::Ok
        ? esito.Messaggio
        : QString();
}

StatoEsito RisultatoCredem(const EsitoLavoro& esito, Dialoghi& dialoghi)
{
    // The bank job reports a missing answer as a file not made, also when cancelling.
    return MostraEsito(esito.Esito, esito.Messaggio, TipoLavoro::Creazione, true, dialoghi);
}

void RisultatoEsenzioni(const EsitoFile& esito, Dialoghi& dialoghi)
{
    MostraEsito(esito.Esito, esito.Messaggio, TipoLavoro::Creazione, false, dialoghi);
}

QString RisultatoElenchi(const EsitoFile& esito, Dialoghi& dialoghi)
{
    return MostraEsito(esito.Esito, esito.Messaggio, TipoLavoro::Creazione, false, dialoghi)
            == StatoEsito::Ok
        ? esito.Messaggio
        : QString();
}
