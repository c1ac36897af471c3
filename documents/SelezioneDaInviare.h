#pragma once

#include "forms/Elenco.h"
#include "sending/CDatiInvioDocumentoCliente.h"

#include <QList>

// One entry of a to-send selection, under the key of its list row.
struct InvioSelezionato final {
    QString Chiave;
    CDatiInvioDocumentoCliente Dati;
};

// The ticked check rows of LWDocumentiDaInviare as send entries: the customer copy of cell 1
// with its send address, printed when that cell reads "STAMPA". Radio rows are never taken.
[[nodiscard]] QList<InvioSelezionato> LeggiDocumentiDaInviareSelezionati(const Elenco& daInviare);
