#include "orbeni/local/RadiceServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The areas of the server file system the client works in.
const QStringList& Aree()
{
    static const QStringList aree {u"tmp"_s, u"usr/tmp"_s, u"usr/orbeni"_s};
    return aree;
}

} // namespace

RadiceServer::RadiceServer(const QString& cartella)
    : m_cartella(QDir::cleanPath(QDir(cartella).absolutePath()))
{
    QDir radice;
    bool create = radice.mkpath(m_cartella);
    for (const QString& area : Aree())
        create = radice.mkpath(m_cartella + u'/' + area) && create;
    m_canonica = QFileInfo(m_cartella).canonicalFilePath();
    m_valida = create && !m_canonica.isEmpty();
}

QString RadiceServer::FileArchivio() const
{
    return m_cartella + u"/invexo.sqlite"_s;
}

bool RadiceServer::NomeSemplice(const QString& nome)
{
    return !nome.isEmpty() && nome != u"."_s && nome != u".."_s && !nome.contains(u'/')
        && !nome.contains(u'\\') && !nome.contains(QChar(0));
}

std::optional<QString> RadiceServer::Locale(const QString& percorsoServer, QString& errore) const
{
    if (!m_valida) {
        errore = u"La cartella del server non è disponibile: "_s + m_cartella;
        return std::nullopt;
    }
    if (!percorsoServer.startsWith(u'/') || percorsoServer.contains(QChar(0))) {
        errore = u"Percorso del server non valido: "_s + percorsoServer;
        return std::nullopt;
    }
    const QStringList parti = percorsoServer.split(u'/', Qt::SkipEmptyParts);
    QStringList pulite;
    for (const QString& parte : parti) {
        if (parte == u".."_s) {
            errore = u"Percorso fuori dalle aree del server: "_s + percorsoServer;
            return std::nullopt;
        }
        if (parte != u"."_s)
            pulite.append(parte);
    }
    const QString relativo = pulite.join(u'/');
    const bool inArea = std::any_of(Aree().begin(), Aree().end(),
        [&](const QString& area) { return relativo == area || relativo.startsWith(area + u'/'); });
    if (!inArea) {
        errore = u"Percorso fuori dalle aree del server: "_s + percorsoServer;
        return std::nullopt;
    }
    const QString locale = m_cartella + u'/' + relativo;
    if (!SenzaCollegamentiEsterni(locale)) {
        errore = u"Il percorso esce dalla cartella del server: "_s + percorsoServer;
        return std::nullopt;
    }
    return locale;
}

bool RadiceServer::EArea(const QString& percorsoLocale) const
{
    const QString pulito = QDir::cleanPath(percorsoLocale);
    return std::any_of(Aree().begin(), Aree().end(), [&](const QString& area) {
        return pulito == m_cartella + u'/' + area;
    }) || pulito == m_cartella + u"/usr"_s;
}

bool RadiceServer::DentroRadice(const QString& percorsoCanonico) const
{
    return percorsoCanonico == m_canonica || percorsoCanonico.startsWith(m_canonica + u'/');
}

// Every link met on the way, and the deepest folder that exists, must resolve inside the root;
// a dangling link is judged by its target, so a later write cannot follow it out.
bool RadiceServer::SenzaCollegamentiEsterni(const QString& percorsoLocale) const
{
    const QString relativo = percorsoLocale.mid(m_cartella.size() + 1);
    QString corrente = m_cartella;
    QString ultimoEsistente = m_cartella;
    for (const QString& parte : relativo.split(u'/', Qt::SkipEmptyParts)) {
        corrente += u'/' + parte;
        const QFileInfo info(corrente);
        if (info.isSymLink()) {
            const QString destinazione = QFileInfo(info.symLinkTarget()).absoluteFilePath();
            const QString canonica = QFileInfo(destinazione).canonicalFilePath();
            if (!DentroRadice(canonica.isEmpty() ? QDir::cleanPath(destinazione) : canonica))
                return false;
        }
        if (info.exists())
            ultimoEsistente = corrente;
    }
    return DentroRadice(QFileInfo(ultimoEsistente).canonicalFilePath());
}

std::optional<QByteArray> RadiceServer::Leggi(const QString& percorsoServer, QString& errore) const
{
    const auto locale = Locale(percorsoServer, errore);
    if (!locale)
        return std::nullopt;
    QFile file(*locale);
    if (!QFileInfo(*locale).isFile() || !file.open(QIODevice::ReadOnly)) {
        errore = u"File del server non trovato: "_s + percorsoServer;
        return std::nullopt;
    }
    return file.readAll();
}

bool RadiceServer::Scrivi(
    const QString& percorsoServer, const QByteArray& contenuto, QString& errore) const
{
    const auto locale = Locale(percorsoServer, errore);
    if (!locale)
        return false;
    if (!ScriviFileIntero(*locale, contenuto, errore)) {
        errore = u"Impossibile scrivere il file del server: "_s + percorsoServer;
        return false;
    }
    return true;
}

bool ScriviFileIntero(const QString& percorso, const QByteArray& contenuto, QString& errore)
{
    if (QFileInfo(percorso).isDir()) {
        errore = u"È una cartella: "_s + percorso;
        return false;
    }
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(contenuto) != contenuto.size()
        || !file.commit()) {
        errore = u"Impossibile scrivere il file: "_s + percorso;
        return false;
    }
    return true;
}
