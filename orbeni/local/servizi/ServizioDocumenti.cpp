#include "orbeni/local/servizi/Gestori.h"
#include "orbeni/local/servizi/RichiestaDocumenti.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

QString Segnaposti(qsizetype quanti)
{
    QStringList segni(quanti, u"?"_s);
    return segni.join(u", "_s);
}

// The filter and its values, in the order of the placeholders.
struct Filtro {
    QStringList Condizioni;
    QVariantList Valori;

    void Aggiungi(const QString& condizione, const QVariantList& valori = {})
    {
        Condizioni.append(condizione);
        Valori.append(valori);
    }
};

Filtro FiltroDi(const RichiestaDocumenti& r)
{
    Filtro filtro;
    filtro.Aggiungi(u"d.Azienda = ?"_s, {r.Azienda});
    if (!r.Tipi.isEmpty()) {
        QVariantList tipi;
        for (const auto& tipo : r.Tipi)
            tipi.append(tipo);
        filtro.Aggiungi(u"d.DescrizioneTipo IN ("_s + Segnaposti(tipi.size()) + u')', tipi);
    }
    if (!r.Clienti.isEmpty()) {
        QVariantList clienti;
        for (const auto& codice : r.Clienti)
            clienti.append(codice);
        filtro.Aggiungi(u"d.CodiceCliente IN ("_s + Segnaposti(clienti.size()) + u')', clienti);
    }
    if (!r.Serie.isEmpty())
        filtro.Aggiungi(u"d.Serie = ?"_s, {r.Serie});
    if (r.Numero)
        filtro.Aggiungi(u"d.Numero = ?"_s, {*r.Numero});
    if (r.Anno)
        filtro.Aggiungi(u"d.Anno = ?"_s, {*r.Anno});
    // Dates are stored as ISO text, so the period compares as text and uses the date indexes.
    if (r.DataDa.isValid())
        filtro.Aggiungi(u"d.Data >= ?"_s, {r.DataDa.toString(Qt::ISODate)});
    if (r.DataA.isValid())
        filtro.Aggiungi(u"d.Data < ?"_s, {r.DataA.addDays(1).toString(Qt::ISODate)});
    if (r.SoloDaInviare) {
        // Kept by the store's triggers; the term matches the partial index of the waiting.
        filtro.Aggiungi(u"d.DaInviare = 1"_s);
    }
    return filtro;
}

const QString Colonne
    = u"SELECT d.IdServer, d.CodiceCliente, d.DescrizioneTipo, d.Serie, "
      "d.Numero, d.Anno, d.SottoNumero, d.Agente, d.Data, d.FormaPredefinita, d.Stampa, "
      "d.Stampato, d.Stampato1, d.Stampato2, d.ConBollo, d.Importo, d.Valuta, d.Banca, "
      "d.NomePdf, d.Note, d.AltriCodici, "
      "COALESCE(i.InviatoDa, ''), COALESCE(i.ModoInvio, ''), COALESCE(i.DataInvio, ''), "
      "COALESCE(i.EstremiInvio, ''), COALESCE(i.MittenteInvio, ''), "
      "a.TipoAnagrafica, a.Nominativo, a.Indirizzo, a.Cap, a.Citta, a.Nazione, a.Fax, a.Email, "
      "a.PartitaIva, a.CodiceFiscale, a.Lingua, a.CodiceExport "
      "FROM documenti d "
      "JOIN anagrafiche a ON a.Azienda = d.Azienda AND a.Codice = d.CodiceCliente "
      "LEFT JOIN invii i ON i.Id = (SELECT MAX(v.Id) FROM invii v WHERE v.IdServer = d.IdServer) "_s;

DocumentoPtr LeggiDocumento(const QSqlQuery& q)
{
    auto d = std::make_shared<Documento>();
    d->IdServer = q.value(0).toLongLong();
    d->DescrizioneTipo = q.value(2).toString();
    d->Serie = q.value(3).toString();
    d->Numero = q.value(4).toInt();
    d->Anno = q.value(5).toInt();
    d->SottoNumero = q.value(6).toInt();
    d->Agente = q.value(7).toString();
    d->Data = QDateTime::fromString(q.value(8).toString(), Qt::ISODate);
    d->FormaPredefinita = q.value(9).toString();
    d->Stampa = q.value(10).toString();
    d->Stampato = q.value(11).toInt() != 0;
    d->Stampato1 = q.value(12).toInt() != 0;
    d->Stampato2 = q.value(13).toInt() != 0;
    d->ConBollo = q.value(14).toInt() != 0;
    QString* const testi[]
        = {&d->Importo, &d->Valuta, &d->Banca, &d->NomePdf, &d->Note, &d->AltriCodici,
            &d->InviatoDa, &d->ModoInvio, &d->DataInvio, &d->EstremiInvio, &d->MittenteInvio};
    int colonna = 15;
    for (QString* testo : testi)
        *testo = q.value(colonna++).toString();
    return d;
}

ClientePtr LeggiCliente(const QSqlQuery& q)
{
    auto c = std::make_shared<Cliente>();
    c->Codice = q.value(1).toString();
    QString* const campi[]
        = {&c->TipoAnagrafica, &c->Nominativo, &c->Indirizzo, &c->Cap, &c->Citta, &c->Nazione,
            &c->Fax, &c->Email, &c->PartitaIva, &c->CodiceFiscale, &c->Lingua, &c->CodiceExport};
    int colonna = 26;
    for (QString* campo : campi)
        *campo = q.value(colonna++).toString();
    return c;
}

// The kind code of each type of the company.
QHash<QString, QString> SigleDeiTipi(QSqlDatabase db, const QString& azienda)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT TipoDocumento, Sigla FROM tipi_documento WHERE Azienda = ?"_s);
    query.addBindValue(azienda);
    QHash<QString, QString> sigle;
    if (query.exec())
        while (query.next())
            sigle.insert(query.value(0).toString(), query.value(1).toString());
    return sigle;
}

// By date and time as stored, then series and number. The wall-clock parts are compared, not
// the instants: turning a local time into an instant asks the time zone every time.
bool Precede(const DocumentoPtr& a, const DocumentoPtr& b)
{
    const QDate giornoA = a->Data.date();
    const QDate giornoB = b->Data.date();
    if (giornoA != giornoB)
        return giornoA < giornoB;
    const QTime oraA = a->Data.time();
    const QTime oraB = b->Data.time();
    if (oraA != oraB)
        return oraA < oraB;
    return std::tie(a->Serie, a->Numero) < std::tie(b->Serie, b->Numero);
}

// Customers by name (then code), each one's documents by date, series and number. Sorting here
// spares the store a sort of every column of a large answer.
void Ordina(QList<ClientePtr>& clienti)
{
    std::sort(clienti.begin(), clienti.end(), [](const ClientePtr& a, const ClientePtr& b) {
        return std::tie(a->Nominativo, a->Codice) < std::tie(b->Nominativo, b->Codice);
    });
    for (const ClientePtr& cliente : clienti)
        std::sort(cliente->DocumentiCliente.begin(), cliente->DocumentiCliente.end(), &Precede);
}

} // namespace

// "DOCUME" / "DOCUMENTI" of the document view and the to-send view: the customers, each with
// its documents, in name order and, within a customer, in date order.
bool ServizioDocumenti(ContestoServizio& contesto, const QStringList& richiesta,
    RisultatoRichiesta& risultato, QString& errore)
{
    auto* trovati = dynamic_cast<DocumentiTrovati*>(&risultato);
    if (!trovati) {
        errore = u"DOCUMENTI compila un DocumentiTrovati"_s;
        return false;
    }
    const auto letta = LeggiRichiestaDocumenti(richiesta, errore);
    if (!letta)
        return false;

    const Filtro filtro = FiltroDi(*letta);
    QSqlDatabase db = contesto.Archivio.Database();
    const QHash<QString, QString> sigle = SigleDeiTipi(db, letta->Azienda);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(Colonne + u"WHERE "_s + filtro.Condizioni.join(u" AND "_s));
    for (const QVariant& valore : filtro.Valori)
        query.addBindValue(valore);
    if (!query.exec()) {
        errore = query.lastError().text();
        return false;
    }
    QList<ClientePtr> clienti;
    QHash<QString, ClientePtr> perCodice;
    while (query.next()) {
        ClientePtr& cliente = perCodice[query.value(1).toString()];
        if (!cliente) {
            cliente = LeggiCliente(query);
            clienti.append(cliente);
        }
        DocumentoPtr documento = LeggiDocumento(query);
        documento->Sigla = sigle.value(documento->DescrizioneTipo);
        cliente->DocumentiCliente.append(std::move(documento));
    }
    Ordina(clienti);
    trovati->Clienti = std::move(clienti);
    return true;
}
