#include "server/FileServer.h"

#include "orbeni/QuotaShell.h"

#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace {

bool ScriviFile(const QString& percorso, const QByteArray& contenuto)
{
    // Written whole or not at all: a half-written job file must never reach the server.
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contenuto) != contenuto.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString PercorsoServerLavoro(const QString& prefisso, const QString& token)
{
    return u"/tmp/"_s + prefisso + token;
}

FileLavoro InviaFileLavoro(ServiziOrbeni& servizi, const QString& host,
    const QString& cartellaLavoro, const QString& prefisso, const QString& token,
    const QByteArray& contenuto, QStringList& fileDaCancellare)
{
    FileLavoro file;
    file.percorsoLocale = cartellaLavoro + u'/' + prefisso + token;
    file.percorsoServer = PercorsoServerLavoro(prefisso, token);
    const QString caricato = file.percorsoServer + u'x';

    const bool scritto = ScriviFile(file.percorsoLocale, contenuto);
    fileDaCancellare.append(file.percorsoLocale);
    if (!scritto)
        return file;
    if (!servizi.CopiaSulServer(host, file.percorsoLocale, caricato)) {
        // A broken upload may leave part of the copy behind.
        RimuoviFileServer(servizi, host, caricato);
        return file;
    }
    const bool convertito = servizi.ComandoRemoto(host,
        u"/usr/orbeni/bin/dos2unix "_s + QuotaPerShell(caricato) + u" > "_s
            + QuotaPerShell(file.percorsoServer));
    RimuoviFileServer(servizi, host, caricato);
    file.inviato = convertito;
    return file;
}

bool RimuoviFileServer(ServiziOrbeni& servizi, const QString& host, const QString& percorsoServer)
{
    return servizi.ComandoRemoto(host, u"rm -f "_s + QuotaPerShell(percorsoServer));
}

QString ScaricaFileServer(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale)
{
    const QString locale = servizi.CopiaDalServer(host, percorsoServer, percorsoLocale);
    // The server copy goes only once it is safe on the workstation.
    if (!locale.isEmpty())
        RimuoviFileServer(servizi, host, percorsoServer);
    return locale;
}

QString LeggiFileTestoServer(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale)
{
    servizi.PreparaFileTesto(host, percorsoServer);
    return servizi.CopiaDalServer(host, percorsoServer, percorsoLocale);
}

QString ScaricaFileTestoDos(ServiziOrbeni& servizi, const QString& host,
    const QString& percorsoServer, const QString& percorsoLocale)
{
    const QString convertito = percorsoServer + u".x"_s;
    servizi.ComandoRemoto(
        host, u"unix2dos "_s + QuotaPerShell(percorsoServer) + u' ' + QuotaPerShell(convertito));
    return ScaricaFileServer(servizi, host, convertito, percorsoLocale);
}
