#include "orbeni/local/ElencoFaxInErrore.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The file's lines without carriage returns; nothing when it is missing or leaves the root.
QList<QByteArray> RigheSenzaRitorni(const RadiceServer& radice, const QString& percorsoServer)
{
    QString errore;
    auto testo = radice.Leggi(percorsoServer, errore);
    if (!testo)
        return {};
    testo->replace('\r', QByteArray());
    QList<QByteArray> righe = testo->split('\n');
    if (!righe.isEmpty() && righe.last().isEmpty())
        righe.removeLast();
    return righe;
}

} // namespace

bool ScriviElencoFaxInErrore(
    const RadiceServer& radice, const QString& nomePC, const QString& utente, QString& errore)
{
    if (!RadiceServer::NomeSemplice(nomePC) || !RadiceServer::NomeSemplice(utente)) {
        errore = u"Nome della postazione o dell'utente non valido"_s;
        return false;
    }
    const QString cartellaServer = u"/usr/orbeni/hylafax/"_s + utente;
    const auto cartellaUtente = radice.Locale(cartellaServer, errore);
    if (!cartellaUtente)
        return false;
    QByteArray elenco;
    const QStringList lavori
        = QDir(*cartellaUtente).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& lavoro : lavori) {
        const QString cartella = cartellaServer + u'/' + lavoro;
        QString ignorato;
        const auto status = radice.Locale(cartella + u"/status"_s, ignorato);
        if (!status || !QFileInfo::exists(*status))
            continue;
        for (const QByteArray& riga : RigheSenzaRitorni(radice, cartella + u"/desfile.txt"_s))
            elenco += riga + '\n';
        for (const QByteArray& riga : RigheSenzaRitorni(radice, cartella + u"/status"_s))
            elenco += "STATUS=" + riga + '\n';
    }
    return radice.Scrivi(u"/usr/tmp/ERR_HYLA_"_s + nomePC, elenco, errore);
}
