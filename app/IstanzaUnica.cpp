#include "app/IstanzaUnica.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>

using namespace Qt::StringLiterals;

IstanzaUnica::IstanzaUnica(QObject* genitore)
    : QObject(genitore)
{
}

IstanzaUnica::~IstanzaUnica() = default;

QString IstanzaUnica::Argomento(const QString& azienda, bool modoShell)
{
    if (modoShell)
        return azienda;
    return azienda + u" "_s + QString::number(QCoreApplication::applicationPid());
}

QString IstanzaUnica::NomeCanale(const QString& argomento)
{
    return u"Invexo|"_s + argomento;
}

bool IstanzaUnica::Invia(const QString& argomento, const QString& comando, int attesaMs)
{
    QLocalSocket socket;
    socket.connectToServer(NomeCanale(argomento));
    if (!socket.waitForConnected(attesaMs))
        return false;
    socket.write(comando.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(attesaMs))
        return false;
    // The first instance answers once it has taken the command.
    if (!socket.waitForReadyRead(attesaMs))
        return false;
    const bool accettato = socket.readLine().trimmed() == "OK";
    socket.disconnectFromServer();
    return accettato;
}

bool IstanzaUnica::Ascolta(const QString& argomento)
{
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString nome = NomeCanale(argomento);
    if (!m_server->listen(nome)) {
        // Nobody answered on the name (checked before), so the socket file is a leftover.
        QLocalServer::removeServer(nome);
        if (!m_server->listen(nome))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, &IstanzaUnica::NuovaConnessione);
    return true;
}

void IstanzaUnica::NuovaConnessione()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QString comando = QString::fromUtf8(socket->readLine()).trimmed().toUpper();
                // Every command is accepted; only two of them do something.
                socket->write("OK\n");
                socket->flush();
                if (comando == u"SHOW"_s)
                    Q_EMIT Mostra();
                else if (comando == u"CLOSE"_s)
                    Q_EMIT Chiudi();
            }
        });
    }
}
