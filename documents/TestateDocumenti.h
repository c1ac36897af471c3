#pragma once

#include "forms/Elenco.h"

#include <QMap>

#include <optional>

// The two lists whose header labels sort.
enum class ListaDocumenti { Documenti, DaInviare };

// What a click on a header label asks for.
enum class AzioneTestata {
    Nessuna,
    Ordinata,
    // Label 5 of the to-send list: SelezionaTuttiDaInviare.
    SelezionaTutti,
    // Label 5 of the document list in the Credemtel types: tick or untick every row.
    SpuntaTutti,
};

// Sort marks of the header labels that sort: label number -> "SORTED" or "UNSORTED".
using SegniTestate = QMap<int, QString>;

// Every sortable label of the list, marked "UNSORTED".
[[nodiscard]] SegniTestate SegniIniziali(ListaDocumenti lista);

// The column a header label sorts by; nothing for the labels that do not sort.
[[nodiscard]] std::optional<int> ColonnaDellaTestata(ListaDocumenti lista, int etichetta);

// A click on header label number `etichetta` (counted from 1). A sorting label marks itself
// "SORTED" and the others "UNSORTED", then sorts the list by its column, flipping the order
// when the list is already sorted by it.
AzioneTestata ClickTestata(
    Elenco& elenco, ListaDocumenti lista, int etichetta, bool credemtel, SegniTestate& segni);
