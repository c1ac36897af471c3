#include "documents/Cestino.h"

#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "forms/Dialoghi.h"
#include "sending/MessaggiDocumento.h"

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace P = PosizioniDocumenti;

namespace {

constexpr int ColonnaStampa = 2;

// Whether the print image the row's marks ask for exists.
bool ImmagineStampata(const RigaElenco& riga, const Documento& documento)
{
    if (!documento.Stampato)
        return false;
    if (BottoneCheck(riga))
        return documento.Stampato1;
    if (CellaAccesa(riga, K::Radio1) && !documento.Stampato1)
        return false;
    if (CellaAccesa(riga, K::Radio2) && !documento.Stampato2)
        return false;
    return true;
}

// The form code of a marked row: the record's for a check row, else the lit radio cell's tag.
QString FormaScelta(const RigaElenco& riga, const Documento& documento)
{
    if (BottoneCheck(riga))
        return documento.Stampa;
    const QString chiave = CellaAccesa(riga, K::Radio1) ? K::Radio1 : K::Radio2;
    const CellaElenco* cella = riga.Cella(chiave);
    return cella ? cella->TagCome<QString>() : QString();
}

// The first basket document of another year, or null.
DocumentoPtr AltroAnno(const Elenco& cestino, int anno)
{
    for (const auto& riga : cestino.Righe()) {
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (documento && documento->Anno != anno)
            return documento;
    }
    return nullptr;
}

} // namespace

void ColonneLWInviaDocSel(Elenco& cestino)
{
    cestino.Colonne.clear();
    cestino.AggiungiColonna(K::KDocumento, u"Documento"_s, 1400);
    cestino.AggiungiColonna(K::KNominativo, u"Nominativo"_s, 2000);
    cestino.AggiungiColonna(K::Stampa, QString(), 0);
}

QString FormaCestino(const RigaElenco& riga)
{
    const CellaElenco* stampa = riga.Cella(K::Stampa);
    return stampa ? stampa->Testo : QString();
}

bool FPicAggiungi(const Elenco& documenti, Elenco& cestino, Dialoghi& dialoghi)
{
    bool mostraCestino = false;
    for (const auto& riga : documenti.Righe()) {
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (documento && documento->Stampato && RigaSpuntata(riga))
            mostraCestino = true;
    }

    for (const auto& riga : documenti.Righe()) {
        const DocumentoPtr documento = DocumentoDellaRiga(riga);
        if (!documento || !RigaSpuntata(riga))
            continue;
        if (!ImmagineStampata(riga, *documento)) {
            dialoghi.Avviso(
                MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Errore"_s);
            continue;
        }
        // A document already in the basket stays as it is; asking about its year is pointless.
        if (cestino.IndiceRiga(riga.Chiave))
            continue;
        if (AltroAnno(cestino, documento->Anno)
            && !dialoghi.Domanda(u"L'anno del documento "_s % SerieNumero(*documento)
                    % u" è diverso da quelli già selezionati. Continui?"_s,
                QString(), IconaMessaggio::Nessuna))
            continue;

        RigaElenco voce;
        voce.Chiave = riga.Chiave;
        voce.Testo = riga.TestoColonna(P::Documento);
        voce.Tag = documento;
        voce.CellaA(1).Testo = riga.Testo;
        CellaElenco& stampa = voce.CellaA(ColonnaStampa);
        stampa.Chiave = K::Stampa;
        stampa.Testo = FormaScelta(riga, *documento);
        cestino.Aggiungi(std::move(voce));
    }
    cestino.Cambiato();
    return mostraCestino;
}

bool TDocSelCestino(Elenco& cestino)
{
    for (int indice = cestino.Conta() - 1; indice >= 0; --indice)
        if (cestino.Riga(indice).Spuntata)
            cestino.Rimuovi(indice);
    cestino.Cambiato();
    return cestino.Conta() > 0;
}
