#include "ServerDocumenti.h"

#include "orbeni/local/AmbienteLocale.h"

using namespace Qt::StringLiterals;

ServerDocumenti::ServerDocumenti()
    : Ora(QDateTime(QDate(2025, 6, 16), QTime(9, 30)))
{
    auto ambiente = std::make_shared<AmbienteLocale>(Temp.File(u"postazione"_s));
    Server = std::make_shared<ServerLocale>(
        Temp.File(u"server"_s), ambiente, Dialoghi, OpzioniServerLocale {false, &Ora});
    Dati = std::make_unique<PopolaArchivio>(Server->Archivio(), Server->Radice());
    Sessione.Servizi = Server;
    Sessione.Ambiente = ambiente;
    Sessione.CodiceAzienda = u"01"_s;
    Sessione.IndirizzoServer = u"local"_s;
    Sessione.SessioneOrbeni = std::make_shared<::Sessione>();
    Sessione.SessioneOrbeni->Utente.Codice = u"demo"_s;
    Sessione.Archivio = std::make_shared<ArchivioSerie>();
}

bool ServerDocumenti::Anagrafiche()
{
    bool ok = Dati->Azienda(u"01"_s, u"Quorvanel s.r.l."_s);
    const QList<std::pair<QString, QString>> tipi {{u"FATTURE EMESSE"_s, u"FATT."_s},
        {u"NOTE DI CREDITO EMESSE"_s, u"NT.CRED."_s}, {u"CONFERME"_s, u"CONF."_s},
        {u"BOLLE DI VENDITA"_s, u"BOLLA"_s}, {u"PACKING LIST"_s, u"PACK."_s},
        {u"BOLLE LAVORAZIONE CCT"_s, u"CCT"_s}};
    for (const auto& [tipo, sigla] : tipi) {
        ok = ok && Dati->TipoDocumento(u"01"_s, tipo, sigla);
        Sessione.Archivio->VociSerie.append({{}, {}, tipo, sigla});
    }
    const QList<std::tuple<QString, QString, QString>> anagrafiche {
        {u"C1"_s, u"Alfa 100% srl"_s, u"CLIENTE"_s}, {u"C2"_s, u"Beta spa"_s, u"CLIENTE"_s},
        {u"F1"_s, u"Gamma Alfa"_s, u"FORNITORE"_s}};
    for (const auto& [codice, nome, tipo] : anagrafiche) {
        Cliente c;
        c.Codice = codice;
        c.Nominativo = nome;
        c.TipoAnagrafica = tipo;
        ok = ok && Dati->Anagrafica(u"01"_s, c);
    }
    return ok;
}

qint64 ServerDocumenti::Documento(const QString& cliente, const QString& tipo, const QString& serie,
    int numero, const QDate& data)
{
    ::Documento d;
    d.DescrizioneTipo = tipo;
    d.Serie = serie;
    d.Numero = numero;
    d.Anno = data.year();
    d.Data = QDateTime(data, QTime(10, 0));
    d.Agente = u"Bianchi Carlo"_s;
    d.Stampato = d.Stampato1 = d.Stampato2 = true;
    return Dati->NuovoDocumento(u"01"_s, cliente, d, PopolaArchivio::PdfDocumento::AllaRichiesta)
        .value_or(0);
}
