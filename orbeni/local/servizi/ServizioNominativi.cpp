#include "orbeni/local/servizi/Gestori.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// The text as a LIKE pattern that matches it literally.
QString Letterale(QString testo)
{
    testo.replace(u"\\"_s, u"\\\\"_s);
    testo.replace(u"%"_s, u"\\%"_s);
    testo.replace(u"_"_s, u"\\_"_s);
    return testo;
}

} // namespace

// "NOMECL" / "DOCUMENTI": index 32 a customer code or a name, 33 "S" when the name is its
// beginning (else any part of it), 45 "S" for customers and 78 "S" for suppliers as well.
bool ServizioNominativi(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore)
{
    auto* elenco = dynamic_cast<ElencoClienti*>(&risultato);
    if (!elenco) {
        errore = u"NOMECL compila un ElencoClienti"_s;
        return false;
    }
    const QString testo = richiesta.at(32).trimmed();
    if (testo.isEmpty()) {
        errore = u"Ricerca nominativi senza testo"_s;
        return false;
    }
    const bool iniziale = richiesta.at(33) == u"S";
    QStringList tipi;
    if (richiesta.at(45) == u"S")
        tipi.append(u"'CLIENTE'"_s);
    if (richiesta.at(78) == u"S")
        tipi.append({u"'FORNITORE'"_s, u"'FORNITORI'"_s});
    if (tipi.isEmpty()) {
        errore = u"Ricerca nominativi senza anagrafiche"_s;
        return false;
    }

    QSqlQuery query(contesto.Archivio.Database());
    query.setForwardOnly(true);
    query.prepare(u"SELECT Codice, TipoAnagrafica, Nominativo, Indirizzo, Cap, Citta, Nazione, "
                  "Fax, Email, PartitaIva, CodiceFiscale, Lingua, CodiceExport FROM anagrafiche "
                  "WHERE Azienda = ? AND TipoAnagrafica IN ("_s
        + tipi.join(u", "_s)
        + u") AND (UPPER(Codice) = UPPER(?) OR Nominativo LIKE ? ESCAPE '\\') "
          "ORDER BY Nominativo, Codice"_s);
    query.addBindValue(richiesta.at(0));
    query.addBindValue(testo);
    query.addBindValue(QString((iniziale ? QString() : u"%"_s) + Letterale(testo) + u"%"_s));
    if (!query.exec()) {
        errore = query.lastError().text();
        return false;
    }
    QList<ClientePtr> clienti;
    while (query.next()) {
        auto c = std::make_shared<Cliente>();
        QString* const campi[] = {&c->Codice, &c->TipoAnagrafica, &c->Nominativo, &c->Indirizzo,
            &c->Cap, &c->Citta, &c->Nazione, &c->Fax, &c->Email, &c->PartitaIva, &c->CodiceFiscale,
            &c->Lingua, &c->CodiceExport};
        int colonna = 0;
        for (QString* campo : campi)
            *campo = query.value(colonna++).toString();
        clienti.append(std::move(c));
    }
    elenco->Clienti = std::move(clienti);
    return true;
}
