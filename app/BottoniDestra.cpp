#include "app/BottoniDestra.h"

#include "app/Etichette.h"

using namespace Qt::StringLiterals;

namespace {
const QString InvioDocumenti = u"Invio dei documenti selezionati"_s;
const QString InviaEmail = u"Invia e-mail dei documenti selezionati"_s;
const QString FaxTestiDocumenti = u"Invio fax testi e documenti"_s;
const QString FaxNonRicevuti = u" Fax non ricevuti"_s;
} // namespace

StatoBarraDestra::StatoBarraDestra()
    : Bottoni {{{true, u" Scelta iniziale"_s, u"REWIND"_s},
        {false, u"Aggiungi all' elenco documenti selezionati"_s, u"AGGIUNGI"_s},
        {false, InviaEmail, u"EMAIL"_s},
        {false, u"Invio fax dei documenti selezionati"_s, u"FAX"_s},
        {false, u"   Stampa documenti selezionati"_s, u"STAMPA"_s},
        {false, u"Consultazione Rubriche e Esiti"_s, u"RUBRICHE"_s},
        {false, u"Imposta da non inviare"_s, u"DISSELEZIONA"_s}}}
    , DidascaliaElimina(u"Elimina"_s)
    , IconaElimina(u"ELIMINA"_s)
{
}

void MostraBottoniDestra(
    StatoBarraDestra& barra, const ArchivioSerie& archivio, const QString& etichetta)
{
    auto& b = barra.Bottoni;
    b[StatoBarraDestra::Aggiungi].Visibile = true;

    auto& invia = b[StatoBarraDestra::Invia];
    invia.Visibile = true;
    invia.Didascalia = archivio.FaxViaEmail ? InvioDocumenti : InviaEmail;
    if (etichetta == Etichette::CredemtelInvio)
        invia.Didascalia = InvioDocumenti;
    else if (etichetta == Etichette::CredemtelInviati)
        invia.Didascalia = u"Annulla invio documenti"_s;

    const bool faxDocumenti = archivio.FaxDocumenti && !archivio.FaxViaEmail;
    b[StatoBarraDestra::Fax].Visibile = faxDocumenti;
    b[StatoBarraDestra::Stampa].Visibile = archivio.PulsanteStampa;
    b[StatoBarraDestra::Preferenze].Visibile = faxDocumenti;
    if (archivio.FaxServer) {
        b[StatoBarraDestra::Fax] = {true, FaxTestiDocumenti, b[StatoBarraDestra::Fax].Icona};
        b[StatoBarraDestra::Preferenze]
            = {true, FaxNonRicevuti, b[StatoBarraDestra::Preferenze].Icona};
    }
    b[StatoBarraDestra::Rimuovi].Visibile = false;
}

void MostraBottoniDestraDaInviare(StatoBarraDestra& barra, const ArchivioSerie& archivio)
{
    auto& b = barra.Bottoni;
    b[StatoBarraDestra::Aggiungi].Visibile = false;
    b[StatoBarraDestra::Fax].Visibile = false;
    b[StatoBarraDestra::Preferenze].Visibile = false;
    b[StatoBarraDestra::Invia].Visibile = archivio.InvioDaInviare;
    b[StatoBarraDestra::Invia].Didascalia = InvioDocumenti;
    b[StatoBarraDestra::Rimuovi].Visibile = archivio.InvioDaInviare;
    b[StatoBarraDestra::Stampa].Visibile = true;
}

void TogliBottoniDestra(StatoBarraDestra& barra, const ArchivioSerie& archivio)
{
    auto& b = barra.Bottoni;
    for (int frame : {StatoBarraDestra::Aggiungi, StatoBarraDestra::Invia, StatoBarraDestra::Stampa,
             StatoBarraDestra::Rimuovi})
        b[frame].Visibile = false;
    b[StatoBarraDestra::Fax].Visibile = archivio.FaxServer;
    if (archivio.FaxServer)
        b[StatoBarraDestra::Fax].Didascalia = FaxTestiDocumenti;
}

void RipristinaBottoniDestra(StatoBarraDestra& barra, const ArchivioSerie& archivio)
{
    auto& b = barra.Bottoni;
    b[StatoBarraDestra::Aggiungi].Didascalia = u" Aggiungi all'elenco documenti selezionati"_s;
    b[StatoBarraDestra::Invia].Didascalia = InviaEmail;
    b[StatoBarraDestra::Fax].Didascalia
        = archivio.FaxServer ? FaxTestiDocumenti : u"Invio fax dei documenti selezionati"_s;
    b[StatoBarraDestra::Stampa].Didascalia = u"   Stampa documenti selezionati"_s;
    if (archivio.FaxServer) {
        b[StatoBarraDestra::Preferenze].Didascalia = FaxNonRicevuti;
        b[StatoBarraDestra::Preferenze].Visibile = true;
    } else {
        b[StatoBarraDestra::Preferenze].Didascalia = u"Consultazione Rubriche e Esiti"_s;
    }
    b[StatoBarraDestra::Rimuovi].Didascalia = u"Imposta da non inviare"_s;
    b[StatoBarraDestra::Rimuovi].Icona = u"DISSELEZIONA"_s;
    barra.DidascaliaElimina = u"Elimina"_s;
    barra.IconaElimina = u"ELIMINA"_s;
    b[StatoBarraDestra::Rimuovi].Visibile = false;
    barra.EliminaVisibile = false;
    TogliBottoniDestra(barra, archivio);
}

PosizioniBarra DisponiBottoniDestra(
    const StatoBarraDestra& barra, int altezzaFrameTwips, bool schermoStretto)
{
    const int distanza = schermoStretto ? 100 : 300;
    PosizioniBarra posizioni;
    posizioni.Frame.fill(-1);
    posizioni.Frame[0] = 0;
    int prossimo = altezzaFrameTwips + distanza;
    if (barra.EliminaVisibile) {
        posizioni.Elimina = prossimo;
        prossimo += altezzaFrameTwips + distanza;
    }
    for (int frame = 1; frame < 7; ++frame) {
        if (!barra.Bottoni[frame].Visibile)
            continue;
        posizioni.Frame[frame] = prossimo;
        prossimo += altezzaFrameTwips + distanza;
    }
    return posizioni;
}
