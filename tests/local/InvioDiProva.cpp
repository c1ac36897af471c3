#include "tests/local/InvioDiProva.h"

#include "orbeni/local/PopolaArchivio.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

Cliente Soggetto(const QString& codice, const QString& nominativo, const QString& email,
    const QString& fax, const QString& tipo = u"CLIENTE"_s, const QString& codiceExport = {})
{
    Cliente c;
    c.Codice = codice;
    c.Nominativo = nominativo;
    c.Email = email;
    c.Fax = fax;
    c.TipoAnagrafica = tipo;
    c.CodiceExport = codiceExport;
    c.Lingua = u"IT"_s;
    return c;
}

Documento Doc(const QString& tipo, const QString& serie, int numero, int anno, int sottoNumero)
{
    Documento d;
    d.DescrizioneTipo = tipo;
    d.Serie = serie;
    d.Numero = numero;
    d.Anno = anno;
    d.SottoNumero = sottoNumero;
    d.Data = QDateTime(QDate(anno, 3, 1), QTime(10, 0));
    return d;
}

QByteArray Letto(const QString& percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QByteArray, QByteArray> Intestazioni(const QByteArray& blocco)
{
    QMap<QByteArray, QByteArray> intestazioni;
    QByteArray unito = blocco;
    unito.replace("\r\n ", " ").replace("\r\n\t", " ");
    for (const QByteArray& riga : unito.split('\n')) {
        const QByteArray pulita = riga.endsWith('\r') ? riga.chopped(1) : riga;
        const qsizetype duePunti = pulita.indexOf(':');
        if (duePunti > 0)
            intestazioni.insert(
                pulita.left(duePunti).toLower(), pulita.mid(duePunti + 1).trimmed());
    }
    return intestazioni;
}

QByteArray DecodificaQuotedPrintable(const QByteArray& testo)
{
    QByteArray uscita;
    for (qsizetype i = 0; i < testo.size(); ++i) {
        if (testo.at(i) != '=') {
            uscita += testo.at(i);
        } else if (testo.mid(i + 1, 2) == "\r\n") {
            i += 2;
        } else {
            uscita += char(testo.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        }
    }
    return uscita;
}

} // namespace

InvioDiProva::InvioDiProva()
    : m_radice(false)
{
    PopolaArchivio dati(Server().Archivio(), Server().Radice());
    const QString a = u"01"_s;
    bool ok = dati.Inizia() && dati.Azienda(a, u"Tessitura Valdarno S.p.A."_s)
        && dati.Utente(u"demo"_s, u"Utente Dimostrativo"_s, u"demo"_s, u"demo@quorvanel.it"_s, 1)
        && dati.TipoDocumento(a, u"FATTURE EMESSE"_s, u"FATT."_s)
        && dati.TipoDocumento(a, u"NOTE DI CREDITO EMESSE"_s, u"NT.CRED."_s)
        && dati.TipoDocumento(a, u"CONFERME"_s, u"CONF."_s)
        && dati.TipoDocumento(a, u"PACKING LIST"_s, u"PACK."_s);
    for (const Cliente& c :
        {Soggetto(u"C0001"_s, u"D'Angelo & Figli"_s, u"vecchio@dangelo.it"_s, {}),
            Soggetto(u"C0002"_s, u"Bianchi S.p.A."_s, {}, u"0522/123456"_s),
            Soggetto(u"C0010"_s, u"Rossi Mario"_s, u"fax-0522/123456@fax.quorvanel.it"_s, {}),
            Soggetto(u"C0011"_s, u"Łódź Trasporti €"_s, {}, u"0522999"_s),
            Soggetto(u"F0001"_s, u"Neri Paolo"_s, u"paolo@neri.it"_s, {}, u"FORNITORE"_s),
            Soggetto(u"F0002"_s, u"Gialli SNC"_s, {}, u"051,224466"_s, u"FORNITORE"_s),
            Soggetto(
                u"E0001"_s, u"Müller GmbH"_s, u"info@mueller.de"_s, {}, u"CLIENTE"_s, u"DE"_s)})
        ok = ok && dati.Anagrafica(a, c);
    ok = ok && dati.NuovoDocumento(a, u"C0001"_s, Doc(u"FATTURE EMESSE"_s, u"FA"_s, 123, 2007, 0))
        && dati.NuovoDocumento(
            a, u"C0002"_s, Doc(u"NOTE DI CREDITO EMESSE"_s, u"NC"_s, 4567, 2008, 12))
        // Same series, number and year in another type: told apart by the description.
        && dati.NuovoDocumento(a, u"C0001"_s, Doc(u"CONFERME"_s, u"FA"_s, 123, 2007, 0))
        && dati.NuovoDocumento(a, u"C0010"_s, Doc(u"CONFERME"_s, u"CO"_s, 7, 2024, 1))
        && dati.NuovoDocumento(a, u"C0011"_s, Doc(u"PACKING LIST"_s, u"PL"_s, 99999, 2024, 0))
        && dati.Informativa(a, u"F0001"_s, QDate(2023, 11, 30))
        && dati.Informativa(a, u"F0002"_s, QDate(2024, 1, 2), QDate(2024, 1, 5), u"E"_s, u"EMAIL"_s,
            u"g@gialli.it"_s)
        && dati.Conferma();
    EXPECT_TRUE(ok) << dati.Errore().toStdString();
}

void InvioDiProva::CopiaSpool(const QString& caso, const QString& nomePC)
{
    const QString cartella = m_radice.Ambiente().CartellaLavoro();
    for (const QString& nome : {u"desmail"_s, u"docmail"_s, u"frontmail"_s}) {
        const QString origine = CartellaDatiTest() + u"/spool/"_s + caso + u'/' + nome;
        const QString destinazione = cartella + u'/' + nome + nomePC;
        QFile::remove(destinazione);
        if (QFile::exists(origine)) {
            EXPECT_TRUE(QFile::copy(origine, destinazione)) << origine.toStdString();
        }
    }
}

bool InvioDiProva::Avvia(const QString& nomePC)
{
    return Server().AvviaInvio(u"local"_s, u"01"_s, nomePC, u"demo"_s);
}

QStringList InvioDiProva::Messaggi() const
{
    return QDir(m_radice.Radice() + u"/outbox"_s).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray InvioDiProva::Messaggio(const QString& nome) const
{
    return Letto(m_radice.Radice() + u"/outbox/"_s + nome);
}

QMap<QString, QByteArray> InvioDiProva::FileRadice() const
{
    QMap<QString, QByteArray> file;
    const QString radice = m_radice.Radice();
    QDirIterator giro(radice, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (giro.hasNext()) {
        const QString percorso = giro.next();
        if (!percorso.contains(u"invexo.sqlite"_s))
            file.insert(percorso.mid(radice.size()), Letto(percorso));
    }
    return file;
}

QByteArray InvioDiProva::FileServer(const QString& percorsoServer) const
{
    return Letto(m_radice.Radice() + percorsoServer);
}

QString InvioDiProva::Valore(const QString& sql, const QVariantList& valori)
{
    QSqlQuery query(Server().Archivio().Database());
    query.prepare(sql);
    for (const QVariant& valore : valori)
        query.addBindValue(valore);
    return query.exec() && query.next() ? query.value(0).toString() : QString();
}

QByteArray InvioDiProva::PdfDocumento(const QString& serie, int numero)
{
    return FileServer(Valore(u"SELECT FilePdf FROM documenti WHERE Serie = ? AND Numero = ? "
                             "ORDER BY IdServer LIMIT 1"_s,
        {serie, numero}));
}

QList<DocumentoPtr> InvioDiProva::Documenti(const QString& tipo)
{
    QStringList richiesta(111);
    richiesta[0] = u"01"_s;
    richiesta[1] = u"DOCUMENTI"_s;
    richiesta[2] = u"AZ"_s;
    richiesta[3] = u"it"_s;
    richiesta[27] = tipo;
    richiesta[90] = u"@END@"_s;
    richiesta[96] = u"demo"_s;
    DocumentiTrovati trovati;
    EXPECT_TRUE(Server().Richiesta(u"local"_s, u"DOCUME"_s, richiesta, trovati))
        << Server().UltimoErrore().toStdString();
    QList<DocumentoPtr> documenti;
    for (const ClientePtr& cliente : std::as_const(trovati.Clienti))
        documenti += cliente->DocumentiCliente;
    return documenti;
}

QStringList InvioDiProva::DaInviare()
{
    QStringList documenti;
    for (const DocumentoPtr& documento : Documenti(u"DA INVIARE"_s))
        documenti.append(documento->Serie + u' ' + QString::number(documento->Numero));
    documenti.sort();
    return documenti;
}

EmailLetta LeggiEmail(const QByteArray& testo)
{
    EmailLetta email;
    const qsizetype fine = testo.indexOf("\r\n\r\n");
    email.Intestazioni = Intestazioni(testo.left(fine + 2));
    const QRegularExpression confine(u"boundary=\"([^\"]+)\""_s);
    const auto trovato
        = confine.match(QString::fromLatin1(email.Intestazioni.value("content-type")));
    if (!trovato.hasMatch())
        return email;
    const QByteArray separatore = "\r\n--" + trovato.captured(1).toLatin1();
    QByteArray corpo = "\r\n" + testo.mid(fine + 4);
    qsizetype inizio = corpo.indexOf(separatore);
    while (inizio >= 0) {
        inizio += separatore.size();
        if (corpo.mid(inizio, 2) == "--")
            break;
        const qsizetype prossimo = corpo.indexOf(separatore, inizio);
        const QByteArray parte = corpo.mid(inizio + 2, prossimo - inizio - 2);
        const qsizetype fineIntestazioni = parte.indexOf("\r\n\r\n");
        ParteEmail letta;
        letta.Intestazioni = Intestazioni(parte.left(fineIntestazioni + 2));
        const QByteArray dati = parte.mid(fineIntestazioni + 4);
        const QByteArray codifica = letta.Intestazioni.value("content-transfer-encoding");
        letta.Corpo = codifica == "base64"   ? QByteArray::fromBase64(dati)
            : codifica == "quoted-printable" ? DecodificaQuotedPrintable(dati)
                                             : dati;
        email.Parti.append(letta);
        inizio = prossimo;
    }
    return email;
}

QString DecodificaIntestazione(const QByteArray& valore)
{
    static const QRegularExpression parola(u"=\\?UTF-8\\?([BbQq])\\?([^?]*)\\?=(\\s+(?==\\?))?"_s);
    const QString testo = QString::fromLatin1(valore);
    QString risultato;
    qsizetype fatto = 0;
    auto giro = parola.globalMatch(testo);
    while (giro.hasNext()) {
        const auto m = giro.next();
        risultato += testo.mid(fatto, m.capturedStart() - fatto);
        const QByteArray dati = m.captured(2).toLatin1();
        risultato += QString::fromUtf8(m.captured(1).toUpper() == u"B"_s
                ? QByteArray::fromBase64(dati)
                : DecodificaQuotedPrintable(QByteArray(dati).replace('_', ' ')));
        fatto = m.capturedEnd();
    }
    return risultato + testo.mid(fatto);
}

const ParteEmail* Allegato(const EmailLetta& email, const QString& nomeFile)
{
    for (const ParteEmail& parte : email.Parti)
        if (parte.Intestazioni.value("content-disposition")
            == "attachment; filename=\"" + nomeFile.toLatin1() + '"')
            return &parte;
    return nullptr;
}
