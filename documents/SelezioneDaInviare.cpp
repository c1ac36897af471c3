#include "documents/SelezioneDaInviare.h"

#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "sending/CDatiInvioDocumentoCliente.h"

namespace P = PosizioniDocumenti;

QList<InvioSelezionato> LeggiDocumentiDaInviareSelezionati(const Elenco& daInviare)
{
    QList<InvioSelezionato> selezionati;
    for (const auto& riga : daInviare.Righe()) {
        if (!CellaAccesa(riga, ChiaviDocumenti::Check))
            continue;
        CDatiInvioDocumentoCliente dati;
        dati.Documento = DocumentoDellaRiga(riga);
        if (P::Agente < riga.Celle.size()) {
            const CellaElenco& indirizzo = riga.Celle[P::Agente];
            dati.Cliente = indirizzo.TagCome<ClientePtr>();
            dati.DaStampare = indirizzo.Testo == TipoInvioStampa;
        }
        // A row without its record or customer copy cannot be sent.
        if (!dati.Documento || !dati.Cliente)
            continue;
        selezionati.append({riga.Chiave, std::move(dati)});
    }
    return selezionati;
}
