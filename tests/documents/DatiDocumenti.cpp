#include "DatiDocumenti.h"

using namespace Qt::StringLiterals;

DocumentoPtr NuovoDocumento(const DatiDocumento& dati)
{
    auto documento = std::make_shared<Documento>();
    documento->DescrizioneTipo = dati.Tipo;
    documento->Serie = dati.Serie;
    documento->Numero = dati.Numero;
    documento->Anno = dati.Anno;
    documento->Data = QDateTime(QDate(dati.Anno, 3, 7), QTime(9, 5, 4));
    documento->Agente = u"Rossi"_s;
    documento->Stampato = dati.Stampato;
    documento->Stampato1 = dati.Stampato1;
    documento->Stampato2 = dati.Stampato2;
    return documento;
}

ClientePtr NuovoCliente(
    const QString& codice, const QString& nominativo, QList<DocumentoPtr> documenti)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Codice = codice;
    cliente->Nominativo = nominativo;
    cliente->DocumentiCliente = std::move(documenti);
    return cliente;
}

ArchivioSerie ArchivioDiProva()
{
    ArchivioSerie archivio;
    archivio.VociSerie = {
        {{}, {}, u"FATTURE EMESSE"_s, u"FATT."_s},
        {{}, {}, u"NOTE DI CREDITO EMESSE"_s, u"NT.CRED."_s},
        {{}, {}, u"CONFERME"_s, u"CONF."_s},
        {{}, {}, u"BOLLE DI VENDITA"_s, u"BOLLA"_s},
        {{}, {}, u"PACKING LIST"_s, u"PL"_s},
        {{}, {}, u"BOLLE LAVORAZIONE CCT"_s, u"CCT"_s},
        {u"01"_s, u"Fatture Italia"_s, u"FATTURE EMESSE"_s, {}},
        {u"02"_s, u"Note Italia"_s, u"NOTE DI CREDITO EMESSE"_s, {}},
        {u"B1"_s, u"Bolle sede"_s, u"BOLLE DI VENDITA"_s, {}},
    };
    return archivio;
}
