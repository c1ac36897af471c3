// The fax operations of the embedded server: the workstation's fax area, uploads to it, job
// folders and the queue.
#include "orbeni/local/ServerLocale.h"

#include "orbeni/local/AllegatiSpool.h"
#include "orbeni/local/StatoCodaFax.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The job files that describe a fax rather than being faxed.
bool FileDelLavoro(const QString& nome)
{
    return nome == u"desfile.txt"_s || nome == u"status"_s || nome == u"frnmail.txt"_s;
}

QString SenzaSeparatoriFinali(QString cartella)
{
    while (cartella.size() > 1 && (cartella.endsWith(u'/') || cartella.endsWith(u'\\')))
        cartella.chop(1);
    return cartella;
}

} // namespace

bool ServerLocale::PreparaFax(const QString&, const QString&, const QString& nomePC)
{
    if (!Inizia())
        return false;
    if (!RadiceServer::NomeSemplice(nomePC))
        return Fallisci(u"Nome della postazione non valido: "_s + nomePC);
    QString errore;
    const auto locale = m_radice.Locale(AreaFaxPostazione(nomePC), errore);
    if (!locale)
        return Fallisci(errore);
    QDir area(*locale);
    if ((area.exists() && !area.removeRecursively()) || !QDir().mkpath(*locale))
        return Fallisci(u"Impossibile preparare l'area fax di "_s + nomePC);
    m_postazioneFax = nomePC;
    return true;
}

QString ServerLocale::FileFaxDocumento(
    const QString&, const QString& azienda, const Documento& documento, bool, bool mostraErrori)
{
    if (!Inizia())
        return {};
    const QString postazione
        = m_postazioneFax.isEmpty() ? m_ambiente->NomeComputer() : m_postazioneFax;
    if (!RadiceServer::NomeSemplice(postazione))
        return FallisciFile(u"Nome della postazione non valido: "_s + postazione, mostraErrori);
    QString errore;
    QString percorsoServer;
    const QString locale = CopiaPdfDocumento(azienda, documento, percorsoServer, errore);
    if (locale.isEmpty())
        return FallisciFile(errore, mostraErrori);
    const auto area = m_radice.Locale(AreaFaxPostazione(postazione), errore);
    QFile file(locale);
    if (!area || !QDir().mkpath(*area) || !file.open(QIODevice::ReadOnly)
        || !m_radice.Scrivi(AreaFaxPostazione(postazione) + u'/' + QFileInfo(locale).fileName(),
            file.readAll(), errore))
        return FallisciFile(errore, mostraErrori);
    return locale;
}

bool ServerLocale::InviaFax(const QString&, const QString&, const QString& nomePC,
    const QString& fileLocale, const QString& cartellaLocale, const QString& fileServer,
    QString& risultato)
{
    if (!Inizia())
        return false;
    if (!RadiceServer::NomeSemplice(nomePC) || !RadiceServer::NomeSemplice(fileLocale)
        || !RadiceServer::NomeSemplice(fileServer))
        return Fallisci(u"Nome di file o di postazione non valido: "_s + fileServer);
    const QString percorsoLocale = SenzaSeparatoriFinali(cartellaLocale) + u'/' + fileLocale;
    QFile file(percorsoLocale);
    if (!QFileInfo(percorsoLocale).isFile() || !file.open(QIODevice::ReadOnly))
        return Fallisci(u"File locale non trovato: "_s + percorsoLocale);
    QString errore;
    const auto area = m_radice.Locale(AreaFaxPostazione(nomePC), errore);
    if (!area || !QDir().mkpath(*area))
        return Fallisci(errore.isEmpty() ? u"Area fax non disponibile"_s : errore);
    if (!m_radice.Scrivi(AreaFaxPostazione(nomePC) + u'/' + fileServer, file.readAll(), errore))
        return Fallisci(errore);
    risultato = AreaFaxPostazione(nomePC) + u'/';
    return true;
}

QString ServerLocale::ElencoFileServer(
    const QString&, const QString& utente, const QString& cartellaServer)
{
    if (!Inizia())
        return {};
    if (!RadiceServer::NomeSemplice(utente)) {
        Fallisci(u"Utente non valido: "_s + utente);
        return {};
    }
    QString errore;
    const auto cartella = m_radice.Locale(cartellaServer, errore);
    if (!cartella || !QFileInfo(*cartella).isDir()) {
        Fallisci(
            errore.isEmpty() ? u"Cartella del server non trovata: "_s + cartellaServer : errore);
        return {};
    }
    QByteArray elenco;
    for (const QString& nome : QDir(*cartella).entryList(QDir::Files, QDir::Name))
        if (!FileDelLavoro(nome))
            elenco += nome.toUtf8() + '\n';
    const QString percorso = u"/usr/tmp/ElencoFile_"_s + utente + u".txt"_s;
    if (!m_radice.Scrivi(percorso, elenco, errore)) {
        Fallisci(errore);
        return {};
    }
    return percorso;
}

bool ServerLocale::CancellaSulServer(const QString&, const QString& percorsoServer)
{
    if (!Inizia())
        return false;
    QString errore;
    const auto locale = m_radice.Locale(percorsoServer, errore);
    if (!locale)
        return Fallisci(errore);
    if (m_radice.EArea(*locale))
        return Fallisci(u"Un'area del server non si cancella: "_s + percorsoServer);
    const QFileInfo info(*locale);
    if (info.isDir() && !info.isSymLink())
        return QDir(*locale).removeRecursively()
            || Fallisci(u"Impossibile cancellare "_s + percorsoServer);
    if (!info.exists() && !info.isSymLink())
        return Fallisci(u"File del server non trovato: "_s + percorsoServer);
    return QFile::remove(*locale) || Fallisci(u"Impossibile cancellare "_s + percorsoServer);
}

bool ServerLocale::StatoFax(const QString&, const QString& percorsoServer)
{
    if (!Inizia())
        return false;
    QString errore;
    return m_radice.Scrivi(percorsoServer, TestoStatoCodaFax(m_archivio->Database()), errore)
        || Fallisci(errore);
}
