#include "orbeni/local/DocumentiArchivio.h"

#include "orbeni/local/ValoriSql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

QString DescriviDocumento(const Documento& documento)
{
    return u"Documento "_s + documento.Serie + u' ' + QString::number(documento.Numero) + u'/'
        + QString::number(documento.Anno);
}

std::optional<DocumentoArchivio> TrovaDocumento(
    QSqlDatabase db, const QString& azienda, const Documento& documento, QString& errore)
{
    QSqlQuery query(db);
    if (documento.IdServer > 0) {
        query.prepare(u"SELECT d.IdServer, d.FilePdf, d.CodiceCliente, d.DescrizioneTipo, "
                      "COALESCE(t.Sigla, '') FROM documenti d LEFT JOIN tipi_documento t "
                      "ON t.Azienda = d.Azienda AND t.TipoDocumento = d.DescrizioneTipo "
                      "WHERE d.IdServer = ? AND d.Azienda = ?"_s);
        query.addBindValue(ValoreSql(documento.IdServer));
        query.addBindValue(ValoreSql(azienda));
    } else {
        query.prepare(u"SELECT d.IdServer, d.FilePdf, d.CodiceCliente, d.DescrizioneTipo, "
                      "COALESCE(t.Sigla, '') FROM documenti d LEFT JOIN tipi_documento t "
                      "ON t.Azienda = d.Azienda AND t.TipoDocumento = d.DescrizioneTipo "
                      "WHERE d.Azienda = ? AND d.Serie = ? AND d.Numero = ? AND d.Anno = ?"_s);
        query.addBindValue(ValoreSql(azienda));
        query.addBindValue(ValoreSql(documento.Serie));
        query.addBindValue(ValoreSql(documento.Numero));
        query.addBindValue(ValoreSql(documento.Anno));
    }
    if (!query.exec()) {
        errore = query.lastError().text();
        return std::nullopt;
    }
    QList<DocumentoArchivio> candidati;
    std::optional<DocumentoArchivio> perTipo;
    QList<DocumentoArchivio> perSigla;
    while (query.next()) {
        const DocumentoArchivio trovato {
            query.value(0).toLongLong(), query.value(1).toString(), query.value(2).toString()};
        candidati.append(trovato);
        if (query.value(3).toString() == documento.DescrizioneTipo)
            perTipo = trovato;
        else if (!documento.Sigla.isEmpty()
            && query.value(4).toString().compare(documento.Sigla, Qt::CaseInsensitive) == 0)
            perSigla.append(trovato);
    }
    if (perTipo)
        return perTipo;
    if (perSigla.size() == 1)
        return perSigla.first();
    if (candidati.size() == 1)
        return candidati.first();
    errore = (candidati.isEmpty() ? u" inesistente"_s : u" non univoco"_s);
    errore.prepend(DescriviDocumento(documento));
    return std::nullopt;
}

std::optional<DocumentoLetto> LeggiDocumento(QSqlDatabase db, qint64 idServer)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT d.Azienda, d.CodiceCliente, d.DescrizioneTipo, d.Serie, d.Numero, "
                  "d.Anno, d.SottoNumero, d.Agente, d.Data, d.FormaPredefinita, d.Stampa, "
                  "d.Stampato, d.Stampato1, d.Stampato2, d.ConBollo, d.Importo, d.Valuta, "
                  "d.Banca, d.NomePdf, d.Note, d.AltriCodici, COALESCE(t.Sigla, ''), "
                  "COALESCE(i.InviatoDa, ''), COALESCE(i.ModoInvio, ''), "
                  "COALESCE(i.DataInvio, ''), COALESCE(i.EstremiInvio, ''), "
                  "COALESCE(i.MittenteInvio, '') FROM documenti d "
                  "LEFT JOIN tipi_documento t ON t.Azienda = d.Azienda "
                  "AND t.TipoDocumento = d.DescrizioneTipo "
                  "LEFT JOIN invii i ON i.Id = (SELECT MAX(Id) FROM invii WHERE IdServer = "
                  "d.IdServer) WHERE d.IdServer = ?"_s);
    query.addBindValue(ValoreSql(idServer));
    if (!query.exec() || !query.next())
        return std::nullopt;
    DocumentoLetto letto;
    letto.Azienda = query.value(0).toString();
    letto.CodiceCliente = query.value(1).toString();
    Documento& d = letto.Record;
    d.IdServer = idServer;
    d.DescrizioneTipo = query.value(2).toString();
    d.Serie = query.value(3).toString();
    d.Numero = query.value(4).toInt();
    d.Anno = query.value(5).toInt();
    d.SottoNumero = query.value(6).toInt();
    d.Agente = query.value(7).toString();
    d.Data = QDateTime::fromString(query.value(8).toString(), Qt::ISODate);
    d.FormaPredefinita = query.value(9).toString();
    d.Stampa = query.value(10).toString();
    d.Stampato = query.value(11).toInt() != 0;
    d.Stampato1 = query.value(12).toInt() != 0;
    d.Stampato2 = query.value(13).toInt() != 0;
    d.ConBollo = query.value(14).toInt() != 0;
    QString* const testi[] = {&d.Importo, &d.Valuta, &d.Banca, &d.NomePdf, &d.Note, &d.AltriCodici,
        &d.Sigla, &d.InviatoDa, &d.ModoInvio, &d.DataInvio, &d.EstremiInvio, &d.MittenteInvio};
    int colonna = 15;
    for (QString* testo : testi)
        *testo = query.value(colonna++).toString();
    return letto;
}

std::optional<Cliente> LeggiAnagrafica(
    QSqlDatabase db, const QString& azienda, const QString& codice)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT TipoAnagrafica, Nominativo, Indirizzo, Cap, Citta, Nazione, Fax, "
                  "Email, PartitaIva, CodiceFiscale, Lingua, CodiceExport FROM anagrafiche "
                  "WHERE Azienda = ? AND Codice = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codice));
    if (!query.exec() || !query.next())
        return std::nullopt;
    Cliente c;
    c.Codice = codice;
    QString* const campi[] = {&c.TipoAnagrafica, &c.Nominativo, &c.Indirizzo, &c.Cap, &c.Citta,
        &c.Nazione, &c.Fax, &c.Email, &c.PartitaIva, &c.CodiceFiscale, &c.Lingua, &c.CodiceExport};
    int colonna = 0;
    for (QString* campo : campi)
        *campo = query.value(colonna++).toString();
    return c;
}

QString RagioneSocialeAzienda(QSqlDatabase db, const QString& azienda)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT RagioneSociale FROM aziende WHERE Codice = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

bool RegistraInvio(QSqlDatabase db, qint64 idServer, const Documento& invio,
    const QDateTime& momento, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO invii (IdServer, InviatoDa, ModoInvio, DataInvio, EstremiInvio, "
                  "MittenteInvio, Momento) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(idServer));
    for (const QString& valore : {invio.InviatoDa, invio.ModoInvio, invio.DataInvio,
             invio.EstremiInvio, invio.MittenteInvio})
        query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(momento.toString(Qt::ISODate)));
    if (query.exec())
        return true;
    errore = query.lastError().text();
    return false;
}

bool RegistraTrattato(QSqlDatabase db, qint64 idServer, const QString& utente, bool rimosso,
    const QDateTime& momento, QString& errore)
{
    QSqlQuery query(db);
    query.prepare(u"INSERT INTO documenti_registrati (IdServer, Utente, Rimosso, Momento) "
                  "VALUES (?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(idServer));
    query.addBindValue(ValoreSql(utente));
    query.addBindValue(ValoreSql(rimosso ? 1 : 0));
    query.addBindValue(ValoreSql(momento.toString(Qt::ISODate)));
    if (query.exec())
        return true;
    errore = query.lastError().text();
    return false;
}
