#include "documents/TestateDocumenti.h"

#include "documents/ChiaviDocumenti.h"

namespace P = PosizioniDocumenti;

namespace {

constexpr int EtichettaSelezione = 5;

} // namespace

SegniTestate SegniIniziali(ListaDocumenti lista)
{
    SegniTestate segni;
    for (int etichetta = 1; etichetta <= 7; ++etichetta)
        if (ColonnaDellaTestata(lista, etichetta))
            segni.insert(etichetta, IconeDocumenti::NonOrdinata);
    return segni;
}

std::optional<int> ColonnaDellaTestata(ListaDocumenti lista, int etichetta)
{
    switch (etichetta) {
    case 1: return P::Nominativo;
    case 2: return P::Agente;
    case 3: return P::Documento;
    case 4: return P::DataSort;
    case 7:
        // The to-send list has no sent-state column.
        if (lista == ListaDocumenti::Documenti)
            return P::Inviato;
        return std::nullopt;
    default: return std::nullopt;
    }
}

AzioneTestata ClickTestata(
    Elenco& elenco, ListaDocumenti lista, int etichetta, bool credemtel, SegniTestate& segni)
{
    const auto colonna = ColonnaDellaTestata(lista, etichetta);
    if (!colonna) {
        if (etichetta != EtichettaSelezione)
            return AzioneTestata::Nessuna;
        if (lista == ListaDocumenti::DaInviare)
            return AzioneTestata::SelezionaTutti;
        return credemtel ? AzioneTestata::SpuntaTutti : AzioneTestata::Nessuna;
    }
    for (auto segno = segni.begin(); segno != segni.end(); ++segno)
        *segno = IconeDocumenti::NonOrdinata;
    segni.insert(etichetta, IconeDocumenti::Ordinata);
    elenco.OrdinaOInverti(*colonna);
    elenco.Cambiato();
    return AzioneTestata::Ordinata;
}
