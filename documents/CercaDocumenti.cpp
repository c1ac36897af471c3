#include "documents/CercaDocumenti.h"

#include "app/Etichette.h"
#include "app/Invexo_Main.h"
#include "documents/ColonneDocumenti.h"
#include "documents/RubricaInvio.h"
#include "documents/SelezioneDocumenti.h"
#include "server/Richieste.h"
#include "server/Servizi.h"

EsitoRigheDocumenti AggiungiRigheDocumenti(Elenco& lista, const DocumentiTrovati& trovati,
    const OpzioniRigheDocumenti& opzioni, const SigleTipi& sigle, RubricaInvio* rubrica)
{
    EsitoRigheDocumenti esito;
    qsizetype documenti = 0;
    for (const ClientePtr& cliente : trovati.Clienti)
        documenti += cliente ? cliente->DocumentiCliente.size() : 0;
    lista.Riserva(static_cast<int>(documenti));
    for (const ClientePtr& cliente : trovati.Clienti) {
        if (!cliente)
            continue;
        for (const DocumentoPtr& documento : cliente->DocumentiCliente) {
            if (!documento)
                continue;
            PreparaDocumento(*documento, sigle);
            ClientePtr copia;
            if (opzioni.DaInviare) {
                copia = CopiaCliente(*cliente);
                if (rubrica)
                    rubrica->CompletaIndirizzi(*copia, *documento);
            }
            if (lista.Aggiungi(RigaDocumento(*cliente, documento, opzioni, copia)))
                ++esito.Aggiunte;
            else
                ++esito.Doppie;
        }
    }
    return esito;
}

EsitoRicercaDocumenti CercaDocumenti(
    Elenco& lista, CriteriRicercaDocumenti criteri, Invexo_Main& sessione, RubricaInvio* rubrica)
{
    EsitoRicercaDocumenti esito;
    lista.Svuota();
    const ArchivioSerie& archivio = sessione.Opzioni();
    const bool daInviare = criteri.etichetta == Etichette::DaInviare;
    if (!sessione.Servizi
        || (daInviare && archivio.RubricaLdap && !(rubrica && rubrica->Connetti()))) {
        lista.Cambiato();
        return esito;
    }
    esito.Eseguita = true;

    criteri.codici = sessione.Servizi->ElencoCodiciRicerca(
        sessione.IndirizzoServer, sessione.CodiceAzienda, archivio.ModoCodiciRicerca);
    const QStringList richiesta = RichiestaCercaDocumenti(
        sessione.CodiceAzienda, sessione.Utente(), sessione.ClientiSelezionati, criteri);
    sessione.Trovati = std::make_shared<DocumentiTrovati>();
    esito.RispostaRicevuta = sessione.Servizi->Richiesta(
        sessione.IndirizzoServer, NomiServizi::Documenti, richiesta, *sessione.Trovati);

    const auto opzioni
        = OpzioniRighe(criteri.etichetta, daInviare, sessione.ModoModifica, archivio);
    esito.Righe = AggiungiRigheDocumenti(lista, *sessione.Trovati, opzioni, SigleTipi(archivio),
        archivio.RubricaLdap ? rubrica : nullptr);
    lista.Cambiato();
    return esito;
}

EsitoRicercaDocumenti FPicRicercaDocumento(
    Elenco& documenti, const CriteriRicercaDocumenti& criteri, Invexo_Main& sessione)
{
    const EsitoRicercaDocumenti esito = CercaDocumenti(documenti, criteri, sessione);
    LarghezzeLWDocumenti(documenti, criteri.etichetta, sessione.Opzioni());
    if (Etichette::ECredemtel(criteri.etichetta))
        CheckTuttiCredemtel(documenti);
    return esito;
}

EsitoRicercaDocumenti FPicRicercaDocumentoDaInviare(Elenco& daInviare,
    const CriteriRicercaDocumenti& criteri, Invexo_Main& sessione, RubricaInvio* rubrica)
{
    const EsitoRicercaDocumenti esito = CercaDocumenti(daInviare, criteri, sessione, rubrica);
    LarghezzeLWDocumentiDaInviare(daInviare);
    return esito;
}
