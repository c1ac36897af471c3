#include "orbeni/local/PopolaArchivio.h"

#include "orbeni/local/ValoriSql.h"

#include "orbeni/local/PdfDocumento.h"
#include "orbeni/local/PdfSemplice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QVariant>

using namespace Qt::StringLiterals;

PopolaArchivio::PopolaArchivio(ArchivioLocale& archivio, const RadiceServer& radice)
    : m_archivio(archivio)
    , m_radice(radice)
{
}

bool PopolaArchivio::Inizia()
{
    if (m_archivio.Database().transaction())
        return true;
    m_errore = m_archivio.Database().lastError().text();
    return false;
}

bool PopolaArchivio::Conferma()
{
    if (m_archivio.Database().commit())
        return true;
    m_errore = m_archivio.Database().lastError().text();
    return false;
}

void PopolaArchivio::Annulla()
{
    m_archivio.Database().rollback();
}

QSqlQuery& PopolaArchivio::Prepara(const QString& sql)
{
    auto& query = m_preparate[sql];
    if (!query) {
        query = std::make_unique<QSqlQuery>(m_archivio.Database());
        query->prepare(sql);
    }
    return *query;
}

bool PopolaArchivio::Esegui(QSqlQuery& query)
{
    if (query.exec())
        return true;
    m_errore = query.lastError().text();
    return false;
}

int PopolaArchivio::ProssimoOrdine(const QString& tabella, const QString& azienda)
{
    QSqlQuery query(m_archivio.Database());
    query.prepare(
        u"SELECT COALESCE(MAX(Ordine), 0) + 1 FROM "_s + tabella + u" WHERE Azienda = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    return query.exec() && query.next() ? query.value(0).toInt() : 1;
}

bool PopolaArchivio::Azienda(const QString& codice, const QString& ragioneSociale)
{
    QSqlQuery& query = Prepara(u"INSERT INTO aziende (Codice, RagioneSociale) VALUES (?, ?)"_s);
    query.addBindValue(ValoreSql(codice));
    query.addBindValue(ValoreSql(ragioneSociale));
    if (!Esegui(query))
        return false;
    QSqlQuery& opzioni = Prepara(u"INSERT INTO opzioni_servizio (Azienda) VALUES (?)"_s);
    opzioni.addBindValue(ValoreSql(codice));
    m_ragioniSociali.insert(codice, ragioneSociale);
    return Esegui(opzioni);
}

bool PopolaArchivio::Utente(const QString& codice, const QString& nome, const QString& password,
    const QString& loginDirectory, int iterazioni)
{
    const PasswordCifrata cifrata = CifraPassword(password, iterazioni);
    QSqlQuery& query = Prepara(u"INSERT INTO utenti (Codice, Nome, LoginDirectory, Sale, "
                               "HashPassword, Iterazioni) VALUES (?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(codice));
    query.addBindValue(ValoreSql(nome));
    query.addBindValue(ValoreSql(loginDirectory));
    query.addBindValue(ValoreSql(cifrata.Sale));
    query.addBindValue(ValoreSql(cifrata.Hash));
    query.addBindValue(ValoreSql(cifrata.Iterazioni));
    return Esegui(query);
}

bool PopolaArchivio::TipoDocumento(
    const QString& azienda, const QString& tipo, const QString& sigla)
{
    const int ordine = ProssimoOrdine(u"tipi_documento"_s, azienda);
    QSqlQuery& query = Prepara(u"INSERT INTO tipi_documento (Azienda, TipoDocumento, Sigla, "
                               "Ordine) VALUES (?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(tipo));
    query.addBindValue(ValoreSql(sigla));
    query.addBindValue(ValoreSql(ordine));
    return Esegui(query);
}

bool PopolaArchivio::TogliTipoDocumento(const QString& azienda, const QString& tipo)
{
    for (const QString& tabella : {u"serie"_s, u"tipi_documento"_s}) {
        QSqlQuery& query
            = Prepara(u"DELETE FROM "_s + tabella + u" WHERE Azienda = ? AND TipoDocumento = ?"_s);
        query.addBindValue(ValoreSql(azienda));
        query.addBindValue(ValoreSql(tipo));
        if (!Esegui(query))
            return false;
    }
    return true;
}

bool PopolaArchivio::Serie(
    const QString& azienda, const QString& tipo, const QString& serie, const QString& descrizione)
{
    const int ordine = ProssimoOrdine(u"serie"_s, azienda);
    QSqlQuery& query = Prepara(u"INSERT INTO serie (Azienda, TipoDocumento, Serie, "
                               "DescrizioneSerie, Ordine) VALUES (?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(tipo));
    query.addBindValue(ValoreSql(serie));
    query.addBindValue(ValoreSql(descrizione));
    query.addBindValue(ValoreSql(ordine));
    return Esegui(query);
}

bool PopolaArchivio::Opzioni(const QString& azienda, const ArchivioSerie& o)
{
    QSqlQuery& query
        = Prepara(u"UPDATE opzioni_servizio SET PulsanteStampa = ?, FaxDocumenti = ?, FaxInfo = ?, "
                  "FaxViaEmail = ?, ModoCodiciRicerca = ?, EmailInfo = ?, FaxServer = ?, "
                  "InvioConferme = ?, InvioFatture = ?, RubricaFaxOrbeni = ?, RubricaLdap = ?, "
                  "DominioPosta = ?, ServerLdap = ?, InvioDaInviare = ?, SenzaBollo = ?, "
                  "AnnotaFatture = ?, AnnotaBolle = ?, ModificaInWord = ? WHERE Azienda = ?"_s);
    for (const bool flag : {o.PulsanteStampa, o.FaxDocumenti, o.FaxInfo, o.FaxViaEmail,
             o.ModoCodiciRicerca, o.EmailInfo, o.FaxServer, o.InvioConferme, o.InvioFatture,
             o.RubricaFaxOrbeni, o.RubricaLdap})
        query.addBindValue(ValoreSql(flag ? 1 : 0));
    query.addBindValue(ValoreSql(o.DominioPosta));
    query.addBindValue(ValoreSql(o.ServerLdap));
    for (const bool flag :
        {o.InvioDaInviare, o.SenzaBollo, o.AnnotaFatture, o.AnnotaBolle, o.ModificaInWord})
        query.addBindValue(ValoreSql(flag ? 1 : 0));
    query.addBindValue(ValoreSql(azienda));
    if (!Esegui(query))
        return false;
    if (query.numRowsAffected() == 1)
        return true;
    m_errore = u"Azienda sconosciuta: "_s + azienda;
    return false;
}

bool PopolaArchivio::CodiceRicerca(const QString& azienda, bool modo, const QString& codice)
{
    const int ordine = ProssimoOrdine(u"codici_ricerca"_s, azienda);
    QSqlQuery& query = Prepara(u"INSERT INTO codici_ricerca (Azienda, Modo, Codice, Ordine) "
                               "VALUES (?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(modo ? 1 : 0));
    query.addBindValue(ValoreSql(codice));
    query.addBindValue(ValoreSql(ordine));
    return Esegui(query);
}

bool PopolaArchivio::Anagrafica(const QString& azienda, const Cliente& c)
{
    QSqlQuery& query = Prepara(
        u"INSERT INTO anagrafiche (Azienda, Codice, TipoAnagrafica, Nominativo, Indirizzo, Cap, "
        "Citta, Nazione, Fax, Email, PartitaIva, CodiceFiscale, Lingua, CodiceExport) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    for (const QString& valore :
        {azienda, c.Codice, c.TipoAnagrafica.isEmpty() ? u"CLIENTE"_s : c.TipoAnagrafica,
            c.Nominativo, c.Indirizzo, c.Cap, c.Citta, c.Nazione, c.Fax, c.Email, c.PartitaIva,
            c.CodiceFiscale, c.Lingua, c.CodiceExport})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

QString PopolaArchivio::RagioneSociale(const QString& azienda)
{
    if (const auto trovata = m_ragioniSociali.constFind(azienda);
        trovata != m_ragioniSociali.cend())
        return trovata.value();
    QSqlQuery& query = Prepara(u"SELECT RagioneSociale FROM aziende WHERE Codice = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    const QString ragione = query.exec() && query.next() ? query.value(0).toString() : QString();
    m_ragioniSociali.insert(azienda, ragione);
    return ragione;
}

std::optional<Cliente> PopolaArchivio::CercaAnagrafica(
    const QString& azienda, const QString& codice)
{
    QSqlQuery& query = Prepara(u"SELECT Nominativo, Indirizzo, Cap, Citta, Nazione "
                               "FROM anagrafiche WHERE Azienda = ? AND Codice = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codice));
    if (!query.exec() || !query.next())
        return std::nullopt;
    Cliente cliente;
    cliente.Codice = codice;
    cliente.Nominativo = query.value(0).toString();
    cliente.Indirizzo = query.value(1).toString();
    cliente.Cap = query.value(2).toString();
    cliente.Citta = query.value(3).toString();
    cliente.Nazione = query.value(4).toString();
    return cliente;
}

std::optional<qint64> PopolaArchivio::NuovoDocumento(
    const QString& azienda, const QString& codiceCliente, const Documento& d, PdfDocumento pdf)
{
    const auto cliente = CercaAnagrafica(azienda, codiceCliente);
    if (!cliente) {
        m_errore = u"Anagrafica sconosciuta: "_s + codiceCliente;
        return std::nullopt;
    }
    const QString filePdf
        = pdf == PdfDocumento::Subito ? PercorsoPdfDocumento(azienda, d) : QString();
    QSqlQuery& query = Prepara(
        u"INSERT INTO documenti (Azienda, CodiceCliente, DescrizioneTipo, Serie, Numero, Anno, "
        "SottoNumero, Agente, Data, FormaPredefinita, Stampa, Stampato, Stampato1, Stampato2, "
        "ConBollo, Importo, Valuta, Banca, NomePdf, Note, AltriCodici, FilePdf) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codiceCliente));
    query.addBindValue(ValoreSql(d.DescrizioneTipo));
    query.addBindValue(ValoreSql(d.Serie));
    query.addBindValue(ValoreSql(d.Numero));
    query.addBindValue(ValoreSql(d.Anno ? d.Anno : d.Data.date().year()));
    query.addBindValue(ValoreSql(d.SottoNumero));
    query.addBindValue(ValoreSql(d.Agente));
    query.addBindValue(ValoreSql(d.Data.toString(Qt::ISODate)));
    query.addBindValue(ValoreSql(d.FormaPredefinita));
    query.addBindValue(ValoreSql(d.Stampa));
    for (const bool flag : {d.Stampato, d.Stampato1, d.Stampato2, d.ConBollo})
        query.addBindValue(ValoreSql(flag ? 1 : 0));
    for (const QString& valore :
        {d.Importo, d.Valuta, d.Banca, d.NomePdf, d.Note, d.AltriCodici, filePdf})
        query.addBindValue(ValoreSql(valore));
    if (!Esegui(query))
        return std::nullopt;
    const qint64 id = query.lastInsertId().toLongLong();

    if (!d.InviatoDa.isEmpty() || !d.ModoInvio.isEmpty() || !d.DataInvio.isEmpty()
        || !d.EstremiInvio.isEmpty()) {
        QSqlQuery& invio = Prepara(
            u"INSERT INTO invii (IdServer, InviatoDa, ModoInvio, DataInvio, EstremiInvio, "
            "MittenteInvio, Momento) VALUES (?, ?, ?, ?, ?, ?, datetime('now'))"_s);
        invio.addBindValue(ValoreSql(id));
        for (const QString& valore :
            {d.InviatoDa, d.ModoInvio, d.DataInvio, d.EstremiInvio, d.MittenteInvio})
            invio.addBindValue(ValoreSql(valore));
        if (!Esegui(invio))
            return std::nullopt;
    }
    if (pdf == PdfDocumento::AllaRichiesta)
        return id;
    const QByteArray contenuto
        = PdfTesto({RighePdfDocumento(RagioneSociale(azienda), d, *cliente)});
    const auto locale = m_radice.Locale(filePdf, m_errore);
    if (!locale || !QDir().mkpath(QFileInfo(*locale).path())
        || !m_radice.Scrivi(filePdf, contenuto, m_errore))
        return std::nullopt;
    return id;
}

bool PopolaArchivio::DocumentoRegistrato(
    qint64 idServer, const QString& utente, bool rimosso, const QDateTime& momento)
{
    QSqlQuery& query = Prepara(u"INSERT INTO documenti_registrati (IdServer, Utente, Rimosso, "
                               "Momento) VALUES (?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(idServer));
    query.addBindValue(ValoreSql(utente));
    query.addBindValue(ValoreSql(rimosso ? 1 : 0));
    query.addBindValue(ValoreSql(momento.toString(Qt::ISODate)));
    return Esegui(query);
}

bool PopolaArchivio::VersioneAnnotata(
    const QString& azienda, const Documento& documento, const QStringList& righeInfo)
{
    if (!documento.NomePdf.endsWith(u".pdf"_s) || !RadiceServer::NomeSemplice(documento.NomePdf)
        || !RadiceServer::NomeSemplice(azienda) || !RadiceServer::NomeSemplice(documento.Serie)) {
        m_errore = u"Nome della versione annotata non valido: "_s + documento.NomePdf;
        return false;
    }
    const int anno = documento.Anno ? documento.Anno : documento.Data.date().year();
    const QString cartella = u"/usr/orbeni/documenti/pdf/"_s + azienda + u'/'
        + QString::number(anno) + u'/' + documento.Serie + u'/';
    const auto locale = m_radice.Locale(cartella, m_errore);
    if (!locale || !QDir().mkpath(*locale))
        return false;
    const QString base = documento.NomePdf.chopped(4);
    const QByteArray pdf = PdfTesto(
        {{documento.DescrizioneTipo, documento.Serie + u' ' + QString::number(documento.Numero),
            u"Versione annotata"_s, documento.Note}});
    QByteArray info;
    for (const QString& riga : righeInfo)
        info += riga.toLatin1() + "\r\n";
    return m_radice.Scrivi(cartella + documento.NomePdf, pdf, m_errore)
        && m_radice.Scrivi(cartella + base + u".info"_s, info, m_errore);
}

bool PopolaArchivio::Informativa(const QString& azienda, const QString& codiceAnagrafica,
    const QDate& creata, const QDate& inviata, const QString& stato, const QString& modoInvio,
    const QString& estremiInvio)
{
    QSqlQuery& query
        = Prepara(u"INSERT INTO informative (Azienda, CodiceAnagrafica, DataPrivacy, DataInvio, "
                  "StatoInformativa, ModoInvio, EstremiInvio) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    for (const QString& valore : {azienda, codiceAnagrafica, TestoDataSql(creata),
             TestoDataSql(inviata), stato, modoInvio, estremiInvio})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

bool PopolaArchivio::Paese(
    const QString& azienda, const QString& codice, const QString& descrizione)
{
    QSqlQuery& query
        = Prepara(u"INSERT INTO paesi (Azienda, Codice, Descrizione) VALUES (?, ?, ?)"_s);
    for (const QString& valore : {azienda, codice, descrizione})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

bool PopolaArchivio::Banca(
    const QString& azienda, const QString& codice, const QString& descrizione)
{
    QSqlQuery& query
        = Prepara(u"INSERT INTO banche (Azienda, Codice, Descrizione) VALUES (?, ?, ?)"_s);
    for (const QString& valore : {azienda, codice, descrizione})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

bool PopolaArchivio::ClienteExportInviato(const QString& azienda, const QString& codiceCliente,
    const QDate& data, const QString& modoInvio, const QString& utente)
{
    QSqlQuery& query = Prepara(u"INSERT INTO export_clienti_inviati (Azienda, CodiceCliente, "
                               "DataInvio, ModoInvio, Utente) VALUES (?, ?, ?, ?, ?)"_s);
    for (const QString& valore : {azienda, codiceCliente, TestoDataSql(data), modoInvio, utente})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

bool PopolaArchivio::RubricaFax(
    const QString& azienda, const QString& chiave1, const QString& chiave2, const QString& nome)
{
    const int ordine = ProssimoOrdine(u"rubriche_fax"_s, azienda);
    QSqlQuery& query = Prepara(u"INSERT INTO rubriche_fax (Azienda, Chiave1, Chiave2, Nome, "
                               "Ordine) VALUES (?, ?, ?, ?, ?)"_s);
    for (const QString& valore : {azienda, chiave1, chiave2, nome})
        query.addBindValue(ValoreSql(valore));
    query.addBindValue(ValoreSql(ordine));
    return Esegui(query);
}

bool PopolaArchivio::VoceRubricaFax(const QString& azienda, const QString& chiave1,
    const QString& chiave2, const ::VoceRubricaFax& voce, const QString& societa)
{
    QSqlQuery& query = Prepara(u"INSERT INTO voci_rubrica_fax (Azienda, Chiave1, Chiave2, Codice, "
                               "Nominativo, Fax, Societa) VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    for (const QString& valore :
        {azienda, chiave1, chiave2, voce.Codice, voce.Nominativo, voce.Fax, societa})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}

bool PopolaArchivio::Dichiarazione(const QString& azienda, const QString& codiceAnagrafica,
    int anno, int numero, const QDate& data, const QString& importo, const QDate& inviata)
{
    QSqlQuery& query = Prepara(u"INSERT INTO dichiarazioni (Azienda, CodiceAnagrafica, Anno, "
                               "Numero, DataDichiarazione, Importo, DataInvio) "
                               "VALUES (?, ?, ?, ?, ?, ?, ?)"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codiceAnagrafica));
    query.addBindValue(ValoreSql(anno));
    query.addBindValue(ValoreSql(numero));
    query.addBindValue(ValoreSql(TestoDataSql(data)));
    query.addBindValue(ValoreSql(importo));
    query.addBindValue(ValoreSql(TestoDataSql(inviata)));
    return Esegui(query);
}

bool PopolaArchivio::LavoroFax(const QString& azienda, const QString& utente, const QString& nomePC,
    const QString& idLavoro, const QStringList& righeDescrizione, const QString& copertina,
    const QString& stato)
{
    if (!RadiceServer::NomeSemplice(utente) || !RadiceServer::NomeSemplice(idLavoro)) {
        m_errore = u"Utente o lavoro fax non valido"_s;
        return false;
    }
    const QString cartella = u"/usr/orbeni/hylafax/"_s + utente + u'/' + idLavoro;
    const auto locale = m_radice.Locale(cartella, m_errore);
    if (!locale || !QDir().mkpath(*locale))
        return false;
    QString destinatario;
    QString numero;
    QString oggetto;
    for (const QString& riga : righeDescrizione) {
        if (riga.startsWith(u"DESTINATARIO="_s))
            destinatario = riga.mid(13).replace(u'_', u' ');
        else if (riga.startsWith(u"NUMEROFAX="_s))
            numero = riga.mid(10);
        else if (riga.startsWith(u"OGGETTO="_s))
            oggetto = riga.mid(8).replace(u'_', u' ');
    }
    const QByteArray descrizione = righeDescrizione.join(u"\r\n"_s).toLatin1() + "\r\n";
    const QByteArray allegato = PdfTesto({{u"Fax per "_s + destinatario, oggetto}});
    if (!m_radice.Scrivi(cartella + u"/desfile.txt"_s, descrizione, m_errore)
        || !m_radice.Scrivi(cartella + u"/frnmail.txt"_s, copertina.toLatin1(), m_errore)
        || !m_radice.Scrivi(cartella + u"/P"_s + idLavoro + u".pdf"_s, allegato, m_errore))
        return false;
    if (!stato.isEmpty()
        && !m_radice.Scrivi(cartella + u"/status"_s, stato.toLatin1() + '\n', m_errore))
        return false;
    QSqlQuery& query = Prepara(
        u"INSERT INTO lavori_fax (Azienda, Utente, NomePC, IdLavoro, Destinatario, NumeroFax, "
        "Oggetto, Stato, Momento) VALUES (?, ?, ?, ?, ?, ?, ?, ?, datetime('now'))"_s);
    for (const QString& valore : {azienda, utente, nomePC, idLavoro, destinatario, numero, oggetto,
             stato.isEmpty() ? u"IN CODA"_s : u"ERRORE"_s})
        query.addBindValue(ValoreSql(valore));
    return Esegui(query);
}
