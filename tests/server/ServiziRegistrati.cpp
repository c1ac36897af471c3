#include "tests/server/ServiziRegistrati.h"

#include <QFile>

using namespace Qt::StringLiterals;

bool ServiziRegistrati::Richiesta(const QString& host, const QString& servizio,
    const QStringList& richiesta, RisultatoRichiesta& risultato)
{
    chiamate.append(u"Richiesta "_s + host + u' ' + servizio);
    richieste.append({servizio, richiesta});
    if (auto* lavoro = dynamic_cast<EsitoLavoro*>(&risultato)) {
        lavoro->Esito = esito;
        lavoro->Messaggio = messaggio;
    } else if (auto* file = dynamic_cast<EsitoFile*>(&risultato)) {
        file->Esito = esito;
        file->Messaggio = messaggio;
    }
    return true;
}

bool ServiziRegistrati::ComandoRemoto(const QString& host, const QString& rigaComando)
{
    chiamate.append(u"ComandoRemoto "_s + host + u' ' + rigaComando);
    return rigaComando != comandoCheFallisce;
}

QString ServiziRegistrati::CopiaDalServer(
    const QString& host, const QString& percorsoServer, const QString& percorsoLocale)
{
    chiamate.append(u"CopiaDalServer "_s + host + u' ' + percorsoServer + u' ' + percorsoLocale);
    return copiaDalServerRiesce ? percorsoLocale : QString();
}

bool ServiziRegistrati::CopiaSulServer(
    const QString& host, const QString& percorsoLocale, const QString& percorsoServer)
{
    chiamate.append(u"CopiaSulServer "_s + host + u' ' + percorsoLocale + u' ' + percorsoServer);
    QFile file(percorsoLocale);
    caricati.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    return copiaSulServerRiesce;
}

bool ServiziRegistrati::PreparaFileTesto(const QString& host, const QString& percorsoServer)
{
    chiamate.append(u"PreparaFileTesto "_s + host + u' ' + percorsoServer);
    return true;
}
