#include "tests/support/ServerHttpDiProva.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QHttpServerRequest>
#include <QHttpServerResponder>

using namespace Qt::StringLiterals;

QByteArray ServerHttpDiProva::Richiesta::Intestazione(const QByteArray& nome) const
{
    for (const auto& [chiave, valore] : Intestazioni)
        if (chiave.compare(nome, Qt::CaseInsensitive) == 0)
            return valore;
    return {};
}

ServerHttpDiProva::ServerHttpDiProva()
{
    m_server.setMissingHandler(
        [this](const QHttpServerRequest& richiesta, QHttpServerResponder&& risposta) {
            Richiesta registrata;
            registrata.Metodo = richiesta.method() == QHttpServerRequest::Method::Post
                ? QByteArray("POST")
                : QByteArray("OTHER");
            registrata.Percorso = richiesta.url().path();
            registrata.Intestazioni = richiesta.headers();
            registrata.Corpo = richiesta.body();
            m_richieste.append(registrata);
            if (!m_risponde) {
                m_sospese.push_back(std::move(risposta));
                return;
            }
            const auto stato = static_cast<QHttpServerResponder::StatusCode>(m_stato);
            if (m_risultato)
                risposta.write(QByteArray("fatto"),
                    {{"Content-Type", "text/plain"}, {"RESULT", *m_risultato}}, stato);
            else
                risposta.write(QByteArray("fatto"), {{"Content-Type", "text/plain"}}, stato);
        });
    m_porta = m_server.listen(QHostAddress::LocalHost, 0);
}

ServerHttpDiProva::~ServerHttpDiProva() = default;

QString ServerHttpDiProva::Host() const
{
    return u"127.0.0.1:"_s + QString::number(m_porta);
}

void ServerHttpDiProva::RispondiConRisultato(const QByteArray& risultato)
{
    m_risponde = true;
    m_stato = 200;
    m_risultato = risultato;
}

void ServerHttpDiProva::RispondiSenzaRisultato()
{
    m_risponde = true;
    m_stato = 200;
    m_risultato.reset();
}

void ServerHttpDiProva::RispondiConStato(int stato)
{
    m_risponde = true;
    m_stato = stato;
    m_risultato.reset();
}

void ServerHttpDiProva::NonRispondere()
{
    m_risponde = false;
}

bool ServerHttpDiProva::AttendiRichieste(int quante, int millisecondi) const
{
    const QDeadlineTimer scadenza(millisecondi);
    while (m_richieste.size() < quante && !scadenza.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return m_richieste.size() >= quante;
}
