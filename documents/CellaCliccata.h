#pragma once

#include "forms/Elenco.h"

#include <optional>

struct CellaCliccata final {
    int Riga = -1;
    int Colonna = -1;
    // The cell's key; empty for the unkeyed cells (the agent or send address, the sort date).
    QString Chiave;
};

// The cell under the pointer, from the row and column the view's hit test found: nothing when
// the point is on no row, on the row text or beyond the row's cells.
[[nodiscard]] std::optional<CellaCliccata> TrovaCellaCliccata(
    const Elenco& lista, int riga, int colonna);
