#include "orbeni/local/servizi/Gestori.h"

#include "orbeni/local/ValoriSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

bool LeggiOpzioni(QSqlDatabase db, const QString& azienda, ArchivioSerie& archivio, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT PulsanteStampa, FaxDocumenti, FaxInfo, FaxViaEmail, "
                  "ModoCodiciRicerca, EmailInfo, FaxServer, InvioConferme, InvioFatture, "
                  "RubricaFaxOrbeni, RubricaLdap, InvioDaInviare, SenzaBollo, AnnotaFatture, "
                  "AnnotaBolle, ModificaInWord, DominioPosta, ServerLdap "
                  "FROM opzioni_servizio WHERE Azienda = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    if (!query.exec()) {
        errore = query.lastError().text();
        return false;
    }
    if (!query.next()) {
        errore = u"Azienda sconosciuta: "_s + azienda;
        return false;
    }
    bool* const flag[] = {&archivio.PulsanteStampa, &archivio.FaxDocumenti, &archivio.FaxInfo,
        &archivio.FaxViaEmail, &archivio.ModoCodiciRicerca, &archivio.EmailInfo,
        &archivio.FaxServer, &archivio.InvioConferme, &archivio.InvioFatture,
        &archivio.RubricaFaxOrbeni, &archivio.RubricaLdap, &archivio.InvioDaInviare,
        &archivio.SenzaBollo, &archivio.AnnotaFatture, &archivio.AnnotaBolle,
        &archivio.ModificaInWord};
    int colonna = 0;
    for (bool* valore : flag)
        *valore = query.value(colonna++).toInt() != 0;
    archivio.DominioPosta = query.value(colonna++).toString();
    archivio.ServerLdap = query.value(colonna).toString();
    return true;
}

// The types first, in their order, then the series of each type in the types' order.
bool LeggiVoci(QSqlDatabase db, const QString& azienda, ArchivioSerie& archivio, QString& errore)
{
    QSqlQuery tipi(db);
    tipi.prepare(u"SELECT TipoDocumento, Sigla FROM tipi_documento WHERE Azienda = ? "
                 "ORDER BY Ordine"_s);
    tipi.addBindValue(ValoreSql(azienda));
    QSqlQuery serie(db);
    serie.prepare(u"SELECT s.Serie, s.DescrizioneSerie, s.TipoDocumento, t.Sigla FROM serie s "
                  "JOIN tipi_documento t ON t.Azienda = s.Azienda "
                  "AND t.TipoDocumento = s.TipoDocumento "
                  "WHERE s.Azienda = ? ORDER BY t.Ordine, s.Ordine"_s);
    serie.addBindValue(ValoreSql(azienda));
    if (!tipi.exec() || !serie.exec()) {
        errore = tipi.lastError().isValid() ? tipi.lastError().text() : serie.lastError().text();
        return false;
    }
    while (tipi.next())
        archivio.VociSerie.append({{}, {}, tipi.value(0).toString(), tipi.value(1).toString()});
    while (serie.next())
        archivio.VociSerie.append({serie.value(0).toString(), serie.value(1).toString(),
            serie.value(2).toString(), serie.value(3).toString()});
    return true;
}

} // namespace

// "DOCUME" / "ARCHIVIOSERIE": index 0 the company; 95 and 96 the user (the same archive for all).
bool ServizioArchivioSerie(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore)
{
    auto* destinazione = dynamic_cast<ArchivioSerie*>(&risultato);
    if (!destinazione) {
        errore = u"ARCHIVIOSERIE compila un ArchivioSerie"_s;
        return false;
    }
    const QString azienda = richiesta.at(0);
    ArchivioSerie letto;
    QSqlDatabase db = contesto.Archivio.Database();
    if (!LeggiOpzioni(db, azienda, letto, errore) || !LeggiVoci(db, azienda, letto, errore))
        return false;
    *destinazione = letto;
    return true;
}
