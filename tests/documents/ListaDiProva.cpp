#include "ListaDiProva.h"

#include "documents/CercaDocumenti.h"
#include "documents/ColonneDocumenti.h"

using namespace Qt::StringLiterals;

Elenco ListaDiProva(const QList<DatiDocumento>& documenti, bool daInviare)
{
    QList<DocumentoPtr> record;
    for (const auto& dati : documenti)
        record.append(NuovoDocumento(dati));
    DocumentiTrovati trovati;
    trovati.Clienti = {NuovoCliente(u"C1"_s, u"Alfa srl"_s, record)};
    Elenco lista;
    const ArchivioSerie archivio = ArchivioDiProva();
    if (daInviare)
        ColonneLWDocumentiDaInviare(lista);
    else
        ColonneLWDocumenti(lista);
    OpzioniRigheDocumenti opzioni;
    opzioni.Etichetta = daInviare ? u"DA INVIARE"_s : QString();
    opzioni.DaInviare = daInviare;
    AggiungiRigheDocumenti(lista, trovati, opzioni, SigleTipi(archivio));
    return lista;
}
