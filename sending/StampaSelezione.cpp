#include "sending/StampaSelezione.h"

#include "documents/Cestino.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "forms/Dialoghi.h"

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

bool RaccoltaStampa::Aggiungi(const QString& chiave, const DocumentoPtr& documento)
{
    if (!documento || m_chiavi.contains(chiave))
        return false;
    m_chiavi.insert(chiave);
    m_documenti.append(documento);
    return true;
}

void RaccogliDaStampare(const Elenco& lista, RaccoltaStampa& raccolta, Dialoghi& dialoghi)
{
    struct Scelta {
        const QString& Cella;
        bool Secondo;
    };
    const Scelta scelte[] = {{K::Check, false}, {K::Radio1, false}, {K::Radio2, true}};
    for (const RigaElenco& riga : lista.Righe()) {
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (!documento)
            continue;
        for (const Scelta& scelta : scelte) {
            if (!CellaAccesa(riga, scelta.Cella))
                continue;
            if (!(scelta.Secondo ? documento->Stampato2 : documento->Stampato1)) {
                dialoghi.Avviso(
                    MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Errore"_s);
                continue;
            }
            if (!raccolta.Aggiungi(riga.Chiave, documento))
                continue;
            documento->StampaPDF = scelta.Cella == K::Check
                ? documento->Stampa
                : riga.Cella(scelta.Cella)->TagCome<QString>();
        }
    }
}

void RaccogliCestinoDaStampare(const Elenco& cestino, RaccoltaStampa& raccolta)
{
    for (const RigaElenco& riga : cestino.Righe()) {
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (!raccolta.Aggiungi(riga.Chiave, documento))
            continue;
        documento->StampaPDF = FormaCestino(riga);
    }
}

void tmrCmdSegnalaDocumentoNonStampato_Timer(const Elenco& daInviare, int riga, Dialoghi& dialoghi)
{
    if (riga < 0 || riga >= daInviare.Conta())
        return;
    if (const DocumentoPtr documento = DocumentoDellaRiga(daInviare.Riga(riga)))
        dialoghi.Avviso(
            MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Attenzione"_s);
}
