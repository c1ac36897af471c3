#include "orbeni/local/AllegatiSpool.h"

#include "orbeni/local/ArchivioInvii.h"
#include "orbeni/local/DocumentiArchivio.h"
#include "orbeni/local/LettereAnagrafica.h"
#include "orbeni/local/PdfDocumento.h"
#include "orbeni/local/PdfSemplice.h"
#include "orbeni/local/ValoriSql.h"
#include "platform/Orologio.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

const QByteArray TipoPdf = "application/pdf";

// A code as part of a file name: ASCII letters and digits, the rest "_".
QString PerNomeFile(const QString& testo)
{
    QString nome;
    for (const QChar c : testo)
        nome += (c.isLetterOrNumber() && c.unicode() < 0x80) || c == u'-' ? c : u'_';
    return nome;
}

QByteArray TipoDelFile(const QString& nome)
{
    return nome.endsWith(u".pdf"_s, Qt::CaseInsensitive) ? TipoPdf
                                                         : QByteArray("application/octet-stream");
}

std::optional<FileAllegato> PdfDelDocumento(const ContestoServizio& contesto,
    const QString& azienda, const AllegatoSpool& allegato, QString& errore)
{
    QSqlDatabase db = contesto.Archivio.Database();
    const auto trovato = TrovaDocumentoSpool(db, azienda, allegato, errore);
    if (!trovato)
        return std::nullopt;
    const auto filePdf = trovato->FilePdf.isEmpty()
        ? CreaPdfDocumento(db, contesto.Radice, trovato->IdServer, errore)
        : std::optional<QString>(trovato->FilePdf);
    const auto dati = filePdf ? contesto.Radice.Leggi(*filePdf, errore) : std::nullopt;
    if (!dati)
        return std::nullopt;
    return FileAllegato {allegato.Operazione, QFileInfo(*filePdf).fileName(), TipoPdf, *dati,
        trovato->IdServer, trovato->CodiceCliente};
}

QDate DataInformativa(QSqlDatabase db, const QString& azienda, const QString& codice, QDate oggi)
{
    QSqlQuery query(db);
    query.prepare(u"SELECT DataPrivacy FROM informative WHERE Azienda = ? "
                  "AND CodiceAnagrafica = ?"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(codice));
    const QDate data = query.exec() && query.next()
        ? QDate::fromString(query.value(0).toString(), Qt::ISODate)
        : QDate();
    return data.isValid() ? data : oggi;
}

std::optional<FileAllegato> Lettera(const ContestoServizio& contesto, const QString& azienda,
    const AllegatoSpool& allegato, const DestinatarioSpool& destinatario, QString& errore)
{
    QSqlDatabase db = contesto.Archivio.Database();
    const bool export_
        = allegato.Operazione == QStringView(TracciatoSpool::OperazioneInformativaExport);
    const auto codice
        = TrovaAnagraficaSpool(db, azienda, destinatario.Codice.trimmed(), export_, errore);
    const auto soggetto = codice ? LeggiAnagrafica(db, azienda, *codice) : std::nullopt;
    if (!soggetto)
        return std::nullopt;
    const QString ragioneSociale = RagioneSocialeAzienda(db, azienda);
    const QDate oggi = contesto.Ora.Oggi();
    const QStringList righe = export_ ? RigheLetteraExport(ragioneSociale, *soggetto, oggi)
                                      : RigheInformativaPrivacy(ragioneSociale, *soggetto,
                                          DataInformativa(db, azienda, *codice, oggi));
    const QString nome
        = (export_ ? u"Export_"_s : u"Informativa_"_s) + PerNomeFile(*codice) + u".pdf"_s;
    return FileAllegato {
        allegato.Operazione, nome, TipoPdf, PdfTesto({righe}), std::nullopt, *codice};
}

// A file the fax composition uploaded: the record names it by its server path.
std::optional<FileAllegato> FileCaricato(const ContestoServizio& contesto, const QString& nomePC,
    const AllegatoSpool& allegato, QString& errore)
{
    const QString percorso = allegato.Descrizione;
    const QString nome = percorso.section(u'/', -1);
    // Other folders of the server hold other users' files: a job may not carry them away.
    if (percorso.section(u'/', 0, -2) != AreaFaxPostazione(nomePC)
        || !RadiceServer::NomeSemplice(nome)) {
        errore = u"Allegato fax fuori dall'area fax della postazione: "_s + percorso;
        return std::nullopt;
    }
    const auto dati = contesto.Radice.Leggi(percorso, errore);
    if (!dati)
        return std::nullopt;
    QString nomeFile;
    for (const QChar c : nome)
        nomeFile += c.unicode() > 0x20 && c.unicode() < 0x7F && c != u'"' ? c : u'_';
    return FileAllegato {allegato.Operazione, nomeFile, TipoDelFile(nome), *dati, std::nullopt, {}};
}

} // namespace

QString AreaFaxPostazione(const QString& nomePC)
{
    return u"/usr/orbeni/fax/"_s + nomePC;
}

std::optional<FileAllegato> PreparaAllegato(const ContestoServizio& contesto,
    const QString& azienda, const QString& nomePC, const AllegatoSpool& allegato,
    const DestinatarioSpool& destinatario, QString& errore)
{
    const QString& operazione = allegato.Operazione;
    if (operazione == QStringView(TracciatoSpool::OperazioneDocumento)
        || operazione == QStringView(TracciatoSpool::OperazioneFaxDocumento))
        return PdfDelDocumento(contesto, azienda, allegato, errore);
    if (operazione == QStringView(TracciatoSpool::OperazioneInformativa)
        || operazione == QStringView(TracciatoSpool::OperazioneInformativaExport))
        return Lettera(contesto, azienda, allegato, destinatario, errore);
    if (operazione == QStringView(TracciatoSpool::OperazioneFaxP)
        || operazione == QStringView(TracciatoSpool::OperazioneFaxW))
        return FileCaricato(contesto, nomePC, allegato, errore);
    errore = u"L'operazione "_s + operazione + u" non accompagna un invio"_s;
    return std::nullopt;
}
