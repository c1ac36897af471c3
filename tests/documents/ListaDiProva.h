#pragma once

#include "DatiDocumenti.h"

#include "forms/Elenco.h"

// A document list (LWDocumenti, or LWDocumentiDaInviare when `daInviare`) with one row per
// document, all of customer "Alfa srl", built as a search builds it.
[[nodiscard]] Elenco ListaDiProva(const QList<DatiDocumento>& documenti, bool daInviare = false);
