// The document operations of the embedded server: files, records of what was done, printing.
#include "orbeni/local/ServerLocale.h"

#include "orbeni/local/ValoriSql.h"

#include "forms/Dialoghi.h"
#include "orbeni/local/ConversioneWord.h"
#include "orbeni/local/DocumentiArchivio.h"
#include "orbeni/local/InvioSpool.h"
#include "orbeni/local/LettereAnagrafica.h"
#include "orbeni/local/PdfDocumento.h"
#include "orbeni/local/PdfSemplice.h"
#include "platform/Orologio.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

// A subject's code as part of a local file name.
QString PerNomeFile(const QString& testo)
{
    QString nome;
    for (const QChar c : testo)
        nome += (c.isLetterOrNumber() && c.unicode() < 0x80) || c == u'-' ? c : u'_';
    return nome;
}

} // namespace

QString ServerLocale::FallisciFile(const QString& errore, bool mostraErrori)
{
    Fallisci(errore);
    if (mostraErrori)
        m_dialoghi.Avviso(errore, IconaMessaggio::Critica, u"Errore"_s);
    return {};
}

QString ServerLocale::CopiaPdfDocumento(
    const QString& azienda, const Documento& documento, QString& percorsoServer, QString& errore)
{
    const auto trovato = TrovaDocumento(m_archivio->Database(), azienda, documento, errore);
    if (!trovato)
        return {};
    // The demo data leaves the PDFs to be made when first asked for.
    const auto filePdf = trovato->FilePdf.isEmpty()
        ? CreaPdfDocumento(m_archivio->Database(), m_radice, trovato->IdServer, errore)
        : std::optional<QString>(trovato->FilePdf);
    if (!filePdf)
        return {};
    const auto contenuto = m_radice.Leggi(*filePdf, errore);
    if (!contenuto) {
        errore = u"Il PDF del "_s + DescriviDocumento(documento) + u" non è disponibile"_s;
        return {};
    }
    const QString locale = m_ambiente->CartellaLavoro() + u'/' + QFileInfo(*filePdf).fileName();
    if (!ScriviFileIntero(locale, *contenuto, errore))
        return {};
    percorsoServer = *filePdf;
    return locale;
}

QString ServerLocale::FileDocumento(
    const QString&, const QString& azienda, const Documento& documento, bool, bool mostraErrori)
{
    if (!Inizia())
        return {};
    QString errore;
    QString percorsoServer;
    const QString locale = CopiaPdfDocumento(azienda, documento, percorsoServer, errore);
    return locale.isEmpty() ? FallisciFile(errore, mostraErrori) : locale;
}

bool ServerLocale::AvviaInvio(
    const QString&, const QString& azienda, const QString& nomePC, const QString& utente)
{
    if (!Inizia())
        return false;
    ContestoServizio contesto {*m_archivio, m_radice, m_ora, utente};
    QString errore;
    return ElaboraSpoolInvio(
               contesto, m_ambiente->CartellaLavoro(), azienda, nomePC, utente, errore)
        || Fallisci(errore);
}

bool ServerLocale::RegistraDocumenti(const QString&, const QString& azienda,
    const QList<DocumentoPtr>& documenti, const QString& utente, bool rimossi)
{
    if (!Inizia())
        return false;
    QSqlDatabase db = m_archivio->Database();
    const QDateTime adesso = m_ora.Adesso();
    QStringList errori;
    db.transaction();
    for (const DocumentoPtr& documento : documenti) {
        QString errore;
        const auto trovato
            = documento ? TrovaDocumento(db, azienda, *documento, errore) : std::nullopt;
        bool ok
            = trovato && RegistraTrattato(db, trovato->IdServer, utente, rimossi, adesso, errore);
        if (ok && rimossi) {
            Documento accantonato;
            accantonato.InviatoDa = utente;
            accantonato.ModoInvio = u"FLAG"_s;
            accantonato.DataInvio = adesso.toString(u"dd/MM/yyyy"_s);
            accantonato.EstremiInvio = u"Da non inviare"_s;
            ok = RegistraInvio(db, trovato->IdServer, accantonato, adesso, errore);
        }
        if (!ok)
            errori.append(errore.isEmpty() ? u"Documento mancante"_s : errore);
    }
    if (!db.commit())
        return Fallisci(db.lastError().text());
    return errori.isEmpty() || Fallisci(errori.join(u"; "_s));
}

bool ServerLocale::RegistraInvioLocale(
    const QString&, const QString& azienda, const QList<DocumentoPtr>& documenti)
{
    if (!Inizia())
        return false;
    QSqlDatabase db = m_archivio->Database();
    const QDateTime adesso = m_ora.Adesso();
    Documento invio;
    invio.InviatoDa = UtenteOPostazione();
    invio.ModoInvio = u"POSTAZIONE"_s;
    invio.DataInvio = adesso.toString(u"dd/MM/yyyy"_s);
    invio.EstremiInvio = m_ambiente->NomeComputer();
    QStringList errori;
    db.transaction();
    for (const DocumentoPtr& documento : documenti) {
        QString errore;
        const auto trovato
            = documento ? TrovaDocumento(db, azienda, *documento, errore) : std::nullopt;
        if (!trovato || !RegistraInvio(db, trovato->IdServer, invio, adesso, errore))
            errori.append(errore.isEmpty() ? u"Documento mancante"_s : errore);
    }
    if (!db.commit())
        return Fallisci(db.lastError().text());
    return errori.isEmpty() || Fallisci(errori.join(u"; "_s));
}

// A print job: one row with a row per document and its form, and the printout as a local PDF
// with one page per document.
QString ServerLocale::Stampa(
    const QString& azienda, const QList<DocumentoPtr>& documenti, const QString& tipo)
{
    QSqlDatabase db = m_archivio->Database();
    const QString ragioneSociale = RagioneSocialeAzienda(db, azienda);
    QList<QStringList> pagine;
    QList<std::pair<qint64, QString>> stampati;
    QStringList errori;
    for (const DocumentoPtr& documento : documenti) {
        QString errore;
        const auto trovato
            = documento ? TrovaDocumento(db, azienda, *documento, errore) : std::nullopt;
        if (!trovato) {
            errori.append(errore.isEmpty() ? u"Documento mancante"_s : errore);
            continue;
        }
        const Cliente cliente
            = LeggiAnagrafica(db, azienda, trovato->CodiceCliente).value_or(Cliente {});
        const auto letto = LeggiDocumento(db, trovato->IdServer);
        QStringList righe
            = RighePdfDocumento(ragioneSociale, letto ? letto->Record : *documento, cliente);
        righe.append(u"Forma di stampa: "_s + documento->StampaPDF);
        pagine.append(righe);
        stampati.append({trovato->IdServer, documento->StampaPDF});
    }
    if (stampati.isEmpty()) {
        Fallisci(errori.isEmpty() ? u"Nessun documento da stampare"_s : errori.join(u"; "_s));
        return {};
    }
    db.transaction();
    QSqlQuery lavoro(db);
    lavoro.prepare(u"INSERT INTO stampe (Azienda, Utente, Tipo, Momento) VALUES (?, ?, ?, ?)"_s);
    lavoro.addBindValue(ValoreSql(azienda));
    lavoro.addBindValue(ValoreSql(m_utente));
    lavoro.addBindValue(ValoreSql(tipo));
    lavoro.addBindValue(ValoreSql(m_ora.Adesso().toString(Qt::ISODate)));
    if (!lavoro.exec()) {
        db.rollback();
        Fallisci(lavoro.lastError().text());
        return {};
    }
    const qint64 id = lavoro.lastInsertId().toLongLong();
    QSqlQuery riga(db);
    riga.prepare(u"INSERT INTO stampe_documenti (IdStampa, IdServer, StampaPDF) "
                 "VALUES (?, ?, ?)"_s);
    for (const auto& [idServer, forma] : stampati) {
        riga.addBindValue(ValoreSql(id));
        riga.addBindValue(ValoreSql(idServer));
        riga.addBindValue(ValoreSql(forma));
        riga.exec();
    }
    const QString locale
        = m_ambiente->CartellaLavoro() + u"/Stampa"_s + QString::number(id) + u".pdf"_s;
    QString errore;
    QSqlQuery file(db);
    file.prepare(u"UPDATE stampe SET FileLocale = ? WHERE Id = ?"_s);
    file.addBindValue(ValoreSql(locale));
    file.addBindValue(ValoreSql(id));
    if (!ScriviFileIntero(locale, PdfTesto(pagine), errore) || !file.exec()) {
        db.rollback();
        Fallisci(errore);
        return {};
    }
    db.commit();
    if (!errori.isEmpty())
        Fallisci(errori.join(u"; "_s));
    return locale;
}

QString ServerLocale::StampaDocumenti(
    const QString&, const QString& azienda, const QList<DocumentoPtr>& documenti, bool)
{
    return Inizia() ? Stampa(azienda, documenti, u"DOCUMENTI"_s) : QString();
}

QString ServerLocale::StampaElenco(
    const QString&, const QString& azienda, const QList<DocumentoPtr>& documenti, bool)
{
    return Inizia() ? Stampa(azienda, documenti, u"ELENCO"_s) : QString();
}

QString ServerLocale::Lettera(
    const QString& azienda, const Cliente& cliente, bool export_, bool mostraErrori)
{
    QSqlDatabase db = m_archivio->Database();
    const auto soggetto = LeggiAnagrafica(db, azienda, cliente.Codice);
    if (!soggetto)
        return FallisciFile(u"Anagrafica sconosciuta: "_s + cliente.Codice, mostraErrori);
    const QString ragioneSociale = RagioneSocialeAzienda(db, azienda);
    QDate data = m_ora.Oggi();
    if (!export_) {
        QSqlQuery query(db);
        query.prepare(u"SELECT DataPrivacy FROM informative WHERE Azienda = ? "
                      "AND CodiceAnagrafica = ?"_s);
        query.addBindValue(ValoreSql(azienda));
        query.addBindValue(ValoreSql(cliente.Codice));
        if (query.exec() && query.next())
            data = QDate::fromString(query.value(0).toString(), Qt::ISODate);
    }
    const QStringList righe = export_ ? RigheLetteraExport(ragioneSociale, *soggetto, data)
                                      : RigheInformativaPrivacy(ragioneSociale, *soggetto, data);
    const QString locale = m_ambiente->CartellaLavoro()
        + (export_ ? u"/Export_"_s : u"/Informativa_"_s) + PerNomeFile(cliente.Codice) + u".pdf"_s;
    QString errore;
    if (!ScriviFileIntero(locale, PdfTesto({righe}), errore))
        return FallisciFile(errore, mostraErrori);
    return locale;
}

QString ServerLocale::FileCliente(
    const QString&, const QString& azienda, const Cliente& cliente, bool, bool mostraErrori)
{
    return Inizia() ? Lettera(azienda, cliente, false, mostraErrori) : QString();
}

QString ServerLocale::FileExportCliente(
    const QString&, const QString& azienda, const Cliente& cliente, bool, bool mostraErrori)
{
    return Inizia() ? Lettera(azienda, cliente, true, mostraErrori) : QString();
}

bool ServerLocale::ConvertiInWord(const QString&, const QString& filePdf, const QString& fileWord)
{
    if (!Inizia())
        return false;
    QFile file(filePdf);
    if (!file.open(QIODevice::ReadOnly))
        return Fallisci(u"File non trovato: "_s + filePdf);
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-"))
        return Fallisci(u"Il file non è un PDF: "_s + filePdf);
    QString errore;
    return ScriviFileIntero(fileWord, DocumentoRtf(TestoPdf(pdf)), errore) || Fallisci(errore);
}
