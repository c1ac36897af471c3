#include "tests/sending/ListeInvio.h"

#include "documents/CercaDocumenti.h"
#include "documents/ColonneDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "orbeni/Risultati.h"

using namespace Qt::StringLiterals;

namespace {

ArchivioSerie Archivio()
{
    ArchivioSerie archivio;
    archivio.VociSerie = {
        {{}, {}, u"FATTURE EMESSE"_s, u"FATT."_s},
        {{}, {}, u"BOLLE DI VENDITA"_s, u"BOLLA"_s},
    };
    return archivio;
}

} // namespace

DocumentoPtr NuovoDocumentoDiProva(const DocumentoDiProva& dati)
{
    auto documento = std::make_shared<Documento>();
    documento->DescrizioneTipo = dati.Tipo;
    documento->Serie = u"01"_s;
    documento->Numero = dati.Numero;
    documento->Anno = 2025;
    documento->Data = QDateTime(QDate(2025, 3, 3), QTime(8, 0));
    documento->Stampato = dati.Stampato1;
    documento->Stampato1 = dati.Stampato1;
    documento->Stampato2 = dati.Stampato2;
    documento->Stampa = dati.Stampa;
    documento->FormaPredefinita = dati.Stampa;
    return documento;
}

ClientePtr ClienteDiProva(
    const QString& codice, const QString& email, const QString& fax, QList<DocumentoPtr> documenti)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Codice = codice;
    cliente->Nominativo = u"Cliente "_s + codice;
    cliente->Email = email;
    cliente->Fax = fax;
    cliente->DocumentiCliente = std::move(documenti);
    return cliente;
}

Elenco ListaDocumenti(const QList<ClientePtr>& clienti, bool daInviare)
{
    DocumentiTrovati trovati;
    trovati.Clienti = clienti;
    Elenco lista;
    if (daInviare)
        ColonneLWDocumentiDaInviare(lista);
    else
        ColonneLWDocumenti(lista);
    const ArchivioSerie archivio = Archivio();
    const OpzioniRigheDocumenti opzioni = OpzioniRighe(
        daInviare ? u"DA INVIARE"_s : u"FATTURE EMESSE"_s, daInviare, false, archivio);
    AggiungiRigheDocumenti(lista, trovati, opzioni, SigleTipi(archivio));
    return lista;
}

void Spunta(Elenco& lista, int riga, const QString& cella)
{
    ImpostaCella(lista.Riga(riga), cella, true);
}
