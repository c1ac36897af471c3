#include "orbeni/local/ArchivioInvii.h"

#include "orbeni/local/ValoriSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool Esegui(QSqlQuery& query, QString& errore)
{
    if (query.exec())
        return true;
    errore = query.lastError().text();
    return false;
}

QString TestoMomento(const QDateTime& momento)
{
    return momento.isValid() ? momento.toString(Qt::ISODate) : QString();
}

} // namespace

std::optional<qint64> InserisciSpedizione(QSqlDatabase db, const Spedizione& s, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO spedizioni (Azienda, Utente, NomePC, ModoInvio, Nominativo, "
                  "Indirizzo, CodiceAnagrafica, NominativoMittente, EmailMittente, Oggetto, "
                  "Tentativi, Programmata, Momento, Stato) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const QString& valore : {s.Azienda, s.Utente, s.NomePC, s.ModoInvio, s.Nominativo,
             s.Indirizzo, s.CodiceAnagrafica, s.NominativoMittente, s.EmailMittente, s.Oggetto})
        query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(s.Tentativi));
    query.addBindValue(ValoreSql(TestoMomento(s.Programmata)));
    query.addBindValue(ValoreSql(TestoMomento(s.Momento)));
    query.addBindValue(ValoreSql(s.Stato));
    if (!Esegui(query, errore))
        return std::nullopt;
    return query.lastInsertId().toLongLong();
}

bool ImpostaMessaggioSpedizione(
    QSqlDatabase db, qint64 idSpedizione, const QString& messaggio, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"UPDATE spedizioni SET Messaggio = ? WHERE Id = ?"_s);
    query.addBindValue(ValoreSql(messaggio));
    query.addBindValue(ValoreSql(idSpedizione));
    return Esegui(query, errore);
}

bool InserisciAllegatoSpedizione(QSqlDatabase db, qint64 idSpedizione, int ordine,
    const QString& operazione, std::optional<qint64> idServer, const QString& nomeFile,
    QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO spedizioni_allegati (IdSpedizione, Ordine, Operazione, IdServer, "
                  "NomeFile) VALUES (?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(idSpedizione));
    query.addBindValue(ValoreSql(ordine));
    query.addBindValue(ValoreSql(operazione));
    query.addBindValue(idServer ? ValoreSql(*idServer) : QVariant());
    query.addBindValue(ValoreSql(nomeFile));
    return Esegui(query, errore);
}

bool RegistraInvioSpedito(QSqlDatabase db, qint64 idServer, qint64 idSpedizione,
    const Documento& invio, const QDateTime& momento, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO invii (IdServer, InviatoDa, ModoInvio, DataInvio, EstremiInvio, "
                  "MittenteInvio, Momento, IdSpedizione) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(idServer));
    for (const QString& valore : {invio.InviatoDa, invio.ModoInvio, invio.DataInvio,
             invio.EstremiInvio, invio.MittenteInvio})
        query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(TestoMomento(momento)));
    query.addBindValue(ValoreSql(idSpedizione));
    return Esegui(query, errore);
}

std::optional<DocumentoArchivio> TrovaDocumentoSpool(
    QSqlDatabase db, const QString& azienda, const AllegatoSpool& a, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT IdServer, FilePdf, CodiceCliente, DescrizioneTipo, Numero, Anno "
                  "FROM documenti WHERE Azienda = ? AND Numero = ? AND Serie = ? "
                  "AND SottoNumero = ? AND Anno % 100 = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(a.Numero));
    query.addBindValue(ValoreSql(a.Serie));
    query.addBindValue(ValoreSql(a.SottoNumero));
    query.addBindValue(ValoreSql(a.Anno));
    if (!Esegui(query, errore))
        return std::nullopt;
    QList<DocumentoArchivio> candidati;
    QList<DocumentoArchivio> perDescrizione;
    while (query.next()) {
        const DocumentoArchivio trovato {
            query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
        candidati.append(trovato);
        // The writer's description: type, series, number and year, cut to its field.
        const QString descrizione = query.value(3).toString() + u' ' + a.Serie + u' '
            + query.value(4).toString() + u' ' + query.value(5).toString();
        if (descrizione.left(80).trimmed() == a.Descrizione)
            perDescrizione.append(trovato);
    }
    if (candidati.size() == 1)
        return candidati.first();
    if (perDescrizione.size() == 1)
        return perDescrizione.first();
    errore = u"Documento "_s + a.Serie + u' ' + QString::number(a.Numero) + u" ("_s + a.Descrizione
        + u')' + (candidati.isEmpty() ? u" inesistente"_s : u" non univoco"_s);
    return std::nullopt;
}

std::optional<QString> TrovaAnagraficaSpool(QSqlDatabase db, const QString& azienda,
    const QString& codice, bool conCodiceExport, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT Codice FROM anagrafiche WHERE Azienda = ? AND "_s
        + (conCodiceExport ? u"Codice || CodiceExport = ?"_s : u"Codice = ?"_s));
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codice));
    if (!Esegui(query, errore))
        return std::nullopt;
    QStringList trovati;
    while (query.next())
        trovati.append(query.value(0).toString());
    if (trovati.size() == 1)
        return trovati.first();
    errore
        = u"Anagrafica "_s + codice + (trovati.isEmpty() ? u" inesistente"_s : u" non univoca"_s);
    return std::nullopt;
}

bool AggiornaRubrica(QSqlDatabase db, const QString& azienda, const QString& codice,
    CampoRubrica campo, const QString& valore, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"UPDATE anagrafiche SET "_s
        + (campo == CampoRubrica::Email ? u"Email"_s : u"Fax"_s)
        + u" = ? WHERE Azienda = ? AND Codice = ?"_s);
    query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codice));
    if (!Esegui(query, errore))
        return false;
    if (query.numRowsAffected() == 1)
        return true;
    errore = u"Anagrafica "_s + codice + u" inesistente"_s;
    return false;
}

bool ImpostaStatoInformativa(QSqlDatabase db, const QString& azienda, const QString& codice,
    const StatoInformativa& stato, const QDate& creata, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO informative (Azienda, CodiceAnagrafica, DataPrivacy, DataInvio, "
                  "StatoInformativa, ModoInvio, EstremiInvio) VALUES (?, ?, ?, ?, ?, ?, ?) "
                  "ON CONFLICT (Azienda, CodiceAnagrafica) DO UPDATE SET "
                  "DataInvio = excluded.DataInvio, StatoInformativa = excluded.StatoInformativa, "
                  "ModoInvio = excluded.ModoInvio, EstremiInvio = excluded.EstremiInvio"_s);
    for (const QString& valore : {azienda, codice, TestoDataSql(creata),
             TestoDataSql(stato.DataInvio), stato.Stato, stato.ModoInvio, stato.EstremiInvio})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query, errore);
}

bool RegistraExportInviato(QSqlDatabase db, const QString& azienda, const QString& codice,
    const QDate& data, const QString& modoInvio, const QString& utente, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO export_clienti_inviati (Azienda, CodiceCliente, DataInvio, "
                  "ModoInvio, Utente) VALUES (?, ?, ?, ?, ?)"_s);
    for (const QString& valore : {azienda, codice, TestoDataSql(data), modoInvio, utente})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query, errore);
}

bool InserisciLavoroFax(QSqlDatabase db, const LavoroFaxSpool& l, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO lavori_fax (Azienda, Utente, NomePC, IdLavoro, Destinatario, "
                  "NumeroFax, Oggetto, Pagine, Tentativi, Stato, Momento) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)"_s);
    for (const QString& valore :
        {l.Azienda, l.Utente, l.NomePC, l.IdLavoro, l.Destinatario, l.NumeroFax, l.Oggetto})
        query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(l.Pagine));
    query.addBindValue(ValoreSql(l.Stato));
    query.addBindValue(ValoreSql(TestoMomento(l.Momento)));
    return Esegui(query, errore);
}

std::optional<qint64> ProssimoIdLavoroFax(QSqlDatabase db, QString& errore)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT COALESCE(MAX(CAST(IdLavoro AS INTEGER)), 1000) FROM lavori_fax"_s)
        || !query.next()) {
        errore = query.lastError().text();
        return std::nullopt;
    }
    return std::max<qint64>(query.value(0).toLongLong(), 1000) + 1;
}
