#include "orbeni/local/PdfDocumento.h"

#include "orbeni/local/DocumentiArchivio.h"
#include "orbeni/local/PdfSemplice.h"
#include "orbeni/local/ValoriSql.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

// Folder and file names made of record texts: ASCII letters and digits, the rest "_".
QString NomeCartella(const QString& testo)
{
    QString nome;
    for (const QChar c : testo)
        nome += (c.isLetterOrNumber() && c.unicode() < 0x80) ? c : u'_';
    return nome.isEmpty() ? u"_"_s : nome;
}

} // namespace

QString PercorsoPdfDocumento(const QString& azienda, const Documento& documento)
{
    const int anno = documento.Anno ? documento.Anno : documento.Data.date().year();
    return u"/usr/orbeni/archivio/"_s + NomeCartella(azienda) + u'/' + QString::number(anno) + u'/'
        + NomeCartella(documento.DescrizioneTipo) + u'/' + NomeCartella(documento.Serie)
        + QString::number(documento.Numero).rightJustified(6, u'0') + u".pdf"_s;
}

QStringList RighePdfDocumento(
    const QString& ragioneSociale, const Documento& documento, const Cliente& cliente)
{
    QStringList righe {ragioneSociale, documento.DescrizioneTipo,
        u"Documento "_s + documento.Serie + u' ' + QString::number(documento.Numero) + u" del "_s
            + documento.Data.date().toString(u"dd/MM/yyyy"_s),
        QString(), u"Spett.le "_s + cliente.Nominativo, cliente.Indirizzo,
        QString(cliente.Cap + u' ' + cliente.Citta).trimmed(), cliente.Nazione, QString(),
        u"Codice cliente: "_s + cliente.Codice};
    if (!documento.Agente.isEmpty())
        righe.append(u"Agente: "_s + documento.Agente);
    if (!documento.Importo.isEmpty())
        righe.append(u"Importo: "_s + documento.Importo + u' ' + documento.Valuta);
    return righe;
}

std::optional<QString> CreaPdfDocumento(
    QSqlDatabase db, const RadiceServer& radice, qint64 idServer, QString& errore)
{
    const auto letto = LeggiDocumento(db, idServer);
    if (!letto) {
        errore = u"Documento inesistente: "_s + QString::number(idServer);
        return std::nullopt;
    }
    const Cliente cliente
        = LeggiAnagrafica(db, letto->Azienda, letto->CodiceCliente).value_or(Cliente {});
    const QString percorso = PercorsoPdfDocumento(letto->Azienda, letto->Record);
    const QByteArray pdf = PdfTesto(
        {RighePdfDocumento(RagioneSocialeAzienda(db, letto->Azienda), letto->Record, cliente)});
    const auto locale = radice.Locale(percorso, errore);
    if (!locale || !QDir().mkpath(QFileInfo(*locale).path())
        || !radice.Scrivi(percorso, pdf, errore))
        return std::nullopt;
    QSqlQuery query(db);
    query.prepare(u"UPDATE documenti SET FilePdf = ? WHERE IdServer = ?"_s);
    query.addBindValue(ValoreSql(percorso));
    query.addBindValue(ValoreSql(idServer));
    if (!query.exec()) {
        errore = query.lastError().text();
        return std::nullopt;
    }
    return percorso;
}
