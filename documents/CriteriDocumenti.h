#pragma once

#include "server/CriteriRicerca.h"

#include <QString>

#include <optional>

class ArchivioSerie;
class Dialoghi;

// One "Periodo da" or "a" date as its three combos hold it: day "01" to "31", month position
// (0 for "gen", -1 when none is chosen), year text.
struct DataCombo final {
    QString Giorno;
    int Mese = -1;
    QString Anno;
};

// What the document view's search fields hold.
struct CampiRicercaDocumenti final {
    // Position of the chosen optDaVisionare option, -1 when none is chosen.
    int Categoria = -1;
    // The chosen FCSerieDoc entry, empty when none is chosen; FSerie is used then.
    QString VoceSerie;
    QString TestoSerie;
    QString Numero;
    QString Anno;
    DataCombo Da;
    DataCombo A;
    QString Etichetta;
};

// The date of the combos; a day past the month's end runs into the next month. A null date
// (no bound) when any of the three is empty or not a number.
[[nodiscard]] QDate DataDelPeriodo(const DataCombo& combo);

// The criteria of the document view. A number or year that is not a whole number in range
// is refused with a message instead of searching for something the user did not type.
[[nodiscard]] std::optional<CriteriRicercaDocumenti> CriteriDocumenti(
    const CampiRicercaDocumenti& campi, Dialoghi& dialoghi);

// The criteria of the to-send view: category from the optDaInviare position (-1 none), the
// period and the label; with confirmations sent and invoices not, always category "2".
[[nodiscard]] CriteriRicercaDocumenti CriteriDaInviare(int categoria, const DataCombo& da,
    const DataCombo& a, const QString& etichetta, const ArchivioSerie& opzioni);
