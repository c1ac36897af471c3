#include "documents/ColonneDocumenti.h"

#include "app/Etichette.h"
#include "documents/ChiaviDocumenti.h"
#include "orbeni/Risultati.h"

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

void AggiungiColonneComuni(Elenco& lista, const QString& agente)
{
    lista.Colonne.clear();
    lista.AggiungiColonna(K::KNominativo, u"Nominativo"_s, 3500);
    lista.AggiungiColonna(K::KAgente, agente, 2700);
    lista.AggiungiColonna(K::KTipo, QString(), 670);
    lista.AggiungiColonna(K::KDocumento, u"Documento"_s, 1000);
    lista.AggiungiColonna(K::KData, u"Data"_s, 1200);
    lista.AggiungiColonna(K::KSel, u"Selez. Doc."_s, 300);
    lista.AggiungiColonna(K::KSel2, u"Selez. Doc."_s, 300);
    lista.AggiungiColonna(K::DataSort, QString(), 0);
}

void Larghezza(Elenco& lista, const QString& chiave, int twips)
{
    const int colonna = lista.IndiceColonna(chiave);
    if (colonna >= 0)
        lista.Colonne[colonna].LarghezzaTwips = twips;
}

int LarghezzaDi(const Elenco& lista, const QString& chiave)
{
    const int colonna = lista.IndiceColonna(chiave);
    return colonna >= 0 ? lista.Colonne[colonna].LarghezzaTwips : 0;
}

void ColonneNote(Elenco& lista, int note, int modifica, int cancella)
{
    Larghezza(lista, K::KNote, note);
    Larghezza(lista, K::KModifica, modifica);
    Larghezza(lista, K::KCancella, cancella);
}

void ChiudiColonneInvio(Elenco& lista)
{
    for (const auto& chiave : {K::KTipo, K::KBollo, K::KInviato, K::KDataInvio, K::KMittente})
        Larghezza(lista, chiave, 0);
}

void LarghezzeFattureConferme(Elenco& lista, const QString& etichetta, const ArchivioSerie& o)
{
    const bool noteFatture = etichetta == Etichette::FattureEmesse && o.AnnotaFatture;
    const bool noteConferme = etichetta == Etichette::Conferme && o.AnnotaBolle;
    const bool modificaWord = o.ModificaInWord
        && (etichetta == Etichette::FattureEmesse || etichetta == Etichette::Conferme);
    if (o.InvioFatture || o.InvioConferme) {
        Larghezza(lista, K::KDocumento, 1000);
        Larghezza(lista, K::KTipo, 150);
        Larghezza(lista, K::KBollo, 0);
        Larghezza(lista, K::KInviato, 800);
        Larghezza(lista, K::KDataInvio, LarghezzaDi(lista, K::KData));
        Larghezza(lista, K::KMittente, 2050);
        if (noteFatture || noteConferme) {
            ColonneNote(lista, 900, 300, 300);
            lista.Colonne[1].LarghezzaTwips = 2500;
        }
        if (modificaWord) {
            ColonneNote(lista, 0, 450, 0);
            lista.Colonne[1].LarghezzaTwips = 2500;
        }
        return;
    }
    if (noteFatture || noteConferme)
        ColonneNote(lista, 1400, 300, 300);
    if (modificaWord)
        ColonneNote(lista, 0, 450, 0);
    Larghezza(lista, K::KDocumento, 1700);
    ChiudiColonneInvio(lista);
}

} // namespace

void ColonneLWDocumenti(Elenco& lista)
{
    AggiungiColonneComuni(lista, u"Agente"_s);
    lista.AggiungiColonna(K::KBollo, u"Bollo"_s, 0);
    lista.AggiungiColonna(K::KInviato, u"Inviato"_s, 0);
    lista.AggiungiColonna(K::KDataInvio, u"Data invio"_s, 0);
    lista.AggiungiColonna(K::KMittente, u"Inviato da"_s, 0);
    lista.AggiungiColonna(K::KNote, u"Note"_s, 0);
    lista.AggiungiColonna(K::KModifica, u"Mod"_s, 0);
    lista.AggiungiColonna(K::KCancella, QString(), 0);
}

void ColonneLWDocumentiDaInviare(Elenco& lista)
{
    AggiungiColonneComuni(lista, u"Parametri Invio"_s);
}

void LarghezzeLWDocumenti(Elenco& lista, const QString& etichetta, const ArchivioSerie& opzioni)
{
    ColonneNote(lista, 0, 0, 0);
    if (etichetta == Etichette::TuttiIDocumenti) {
        Larghezza(lista, K::KDocumento, 900);
        ChiudiColonneInvio(lista);
        Larghezza(lista, K::KTipo, 800);
        if (opzioni.AnnotaFatture || opzioni.AnnotaBolle)
            ColonneNote(lista, 1400, 300, 300);
        if (opzioni.ModificaInWord)
            ColonneNote(lista, 0, 450, 0);
    } else if (etichetta == Etichette::FattureEmesse || etichetta == Etichette::Conferme
        || etichetta == Etichette::NoteDiCreditoEmesse) {
        LarghezzeFattureConferme(lista, etichetta, opzioni);
    } else if (etichetta == Etichette::BolleDiVendita || etichetta == Etichette::PackingList) {
        if (opzioni.AnnotaBolle)
            ColonneNote(lista, 1400, 300, 300);
        if (opzioni.ModificaInWord)
            ColonneNote(lista, 0, 450, 0);
    } else {
        Larghezza(lista, K::KDocumento, 1700);
        ChiudiColonneInvio(lista);
    }
}

void LarghezzeLWDocumentiDaInviare(Elenco& lista)
{
    Larghezza(lista, K::KDocumento, 1700);
    Larghezza(lista, K::KTipo, 0);
}
