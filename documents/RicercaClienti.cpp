#include "documents/RicercaClienti.h"

#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"
#include "server/Richieste.h"
#include "server/Servizi.h"

using namespace Qt::StringLiterals;

namespace {

CellaElenco CellaTesto(const QString& chiave, const QString& testo)
{
    CellaElenco cella;
    cella.Chiave = chiave;
    cella.Testo = testo;
    return cella;
}

RigaElenco RigaNominativo(const ClientePtr& cliente)
{
    RigaElenco riga;
    riga.Testo = cliente->Codice;
    riga.Tag = cliente;
    riga.Celle = {CellaElenco {}, CellaTesto(u"K1Nominativo"_s, cliente->Nominativo),
        CellaTesto(u"K1Nazione"_s, cliente->Nazione), CellaTesto(u"K1Città"_s, cliente->Citta),
        CellaTesto(u"K1Indirizzo"_s, cliente->Indirizzo), CellaTesto(u"K1Cap"_s, cliente->Cap)};
    return riga;
}

} // namespace

void ColonneLWNominativi(Elenco& lista, bool schermoStretto)
{
    lista.Colonne.clear();
    lista.AggiungiColonna(u"K1Codice"_s, u"Codice"_s, 1440);
    lista.AggiungiColonna(u"K1Nominativo"_s, u"Nominativo"_s, 4000);
    lista.AggiungiColonna(u"K1Nazione"_s, u"Nazione"_s, 1440);
    lista.AggiungiColonna(u"K1Città"_s, u"Città"_s, 1700);
    lista.AggiungiColonna(u"K1Indirizzo"_s, u"Indirizzo"_s, 2900);
    lista.AggiungiColonna(u"K1Cap"_s, u"Cap"_s, schermoStretto ? 0 : 800);
}

void ColonneLWNomSel(Elenco& lista)
{
    lista.Colonne.clear();
    lista.AggiungiColonna(u"KCodice"_s, u"Codice"_s, 1400);
    lista.AggiungiColonna(u"KDescrizione"_s, u"Descrizione"_s, 2000);
}

std::optional<QString> TestoRicercaNominativo(
    const QString& codice, const QString& nominativo, Dialoghi& dialoghi)
{
    const QString testo = codice.isEmpty() ? nominativo : codice;
    if (testo.trimmed().isEmpty()) {
        dialoghi.Avviso(u"Inserire un nominativo"_s, IconaMessaggio::Avviso);
        return std::nullopt;
    }
    return testo;
}

bool CercaNominativi(Elenco& risultati, const QString& testo, bool iniziale, Invexo_Main& sessione)
{
    risultati.Svuota();
    bool riuscita = false;
    if (sessione.Servizi) {
        ElencoClienti trovati;
        riuscita = sessione.Servizi->Richiesta(sessione.IndirizzoServer, NomiServizi::Nominativi,
            RichiestaCercaNominativi(sessione.CodiceAzienda, testo, iniziale), trovati);
        for (const ClientePtr& cliente : std::as_const(trovati.Clienti))
            if (cliente)
                risultati.Aggiungi(RigaNominativo(cliente));
    }
    risultati.Cambiato();
    return riuscita;
}

void AggiungiClientiSelezionati(
    const Elenco& risultati, Elenco& nominativiSelezionati, QList<ClientePtr>& clientiSelezionati)
{
    for (const auto& riga : risultati.Righe())
        if (riga.Spuntata)
            if (auto cliente = riga.TagCome<ClientePtr>())
                clientiSelezionati.append(std::move(cliente));

    nominativiSelezionati.Svuota();
    for (const ClientePtr& cliente : std::as_const(clientiSelezionati)) {
        RigaElenco riga;
        riga.Testo = cliente->Codice;
        riga.Tag = cliente;
        riga.Celle = {CellaElenco {}, CellaTesto(u"KDescrizione"_s, cliente->Nominativo)};
        nominativiSelezionati.Aggiungi(std::move(riga));
    }
    nominativiSelezionati.Cambiato();
}
