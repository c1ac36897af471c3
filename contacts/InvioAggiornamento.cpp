#include "contacts/InvioAggiornamento.h"

#include "contacts/RichiestaAggiornamento.h"
#include "forms/Dialoghi.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString titolo = u"Aggiornamento contatto cliente"_s;
const QString inizio = u"Errore in fase aggiornamento dati:"_s;
const QString fine = u"E' comunque possibile effettuare l'invio dei\r\ndocumenti selezionati."_s;
const QString serverNonDisponibile = inizio + u"\r\nServer non disponibile.\r\n"_s + fine;

} // namespace

InvioAggiornamento::InvioAggiornamento(
    Dialoghi& dialoghi, TempiAggiornamento tempi, QObject* genitore)
    : QObject(genitore)
    , m_dialoghi(dialoghi)
    , m_tempi(tempi)
{
    m_tmrWaitServer.setSingleShot(true);
    m_tmrWaitServer.setInterval(m_tempi.AttesaServer);
    m_tmrDisplay.setSingleShot(true);
    m_tmrDisplay.setInterval(m_tempi.Visualizzazione);
    connect(&m_tmrWaitServer, &QTimer::timeout, this, &InvioAggiornamento::AttesaScaduta);
    connect(&m_tmrDisplay, &QTimer::timeout, this, &InvioAggiornamento::MostraEsito);
}

InvioAggiornamento::~InvioAggiornamento()
{
    Annulla();
    RipristinaPuntatore();
}

void InvioAggiornamento::Invia(const QString& url, const QByteArray& corpo)
{
    if (!m_clessidra) {
        m_dialoghi.Clessidra(true);
        m_clessidra = true;
    }
    m_dialoghi.EseguiEventi();
    Annulla();
    // An outcome still waiting to be shown belongs to the request this one replaces.
    m_tmrDisplay.stop();
    m_esito.clear();

    QNetworkRequest richiesta {QUrl(url)};
    richiesta.setHeader(QNetworkRequest::ContentTypeHeader, u"application/x-www-form-urlencoded"_s);
    richiesta.setHeader(QNetworkRequest::ContentLengthHeader, corpo.size());
    richiesta.setTransferTimeout(static_cast<int>(m_tempi.Richiesta.count()));
    m_tmrWaitServer.start();
    m_risposta = m_rete.post(richiesta, corpo);
    connect(m_risposta, &QNetworkReply::finished, this, &InvioAggiornamento::Terminata);
}

void InvioAggiornamento::Annulla()
{
    if (QNetworkReply* risposta = m_risposta) {
        // A cancelled request has no outcome to show.
        m_risposta = nullptr;
        disconnect(risposta, nullptr, this, nullptr);
        risposta->abort();
        risposta->deleteLater();
    }
    m_tmrWaitServer.stop();
}

void InvioAggiornamento::Terminata()
{
    QNetworkReply* risposta = m_risposta;
    if (!risposta || sender() != risposta)
        return;
    m_risposta = nullptr;
    risposta->deleteLater();
    m_tmrWaitServer.stop();
    RipristinaPuntatore();

    const QVariant stato = risposta->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (stato.isValid() && stato.toInt() < 400) {
        const bool riuscito = risposta->rawHeader("RESULT").contains("OK");
        m_esito = riuscito ? u"OK"_s : u"ERR|SRV|Errore elaborazione dati su server"_s;
    } else {
        // Without an HTTP answer (refused, dropped, timed out) the code is 0.
        const int codice = stato.isValid() ? stato.toInt() : 0;
        const QString testo = stato.isValid()
            ? risposta->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()
            : risposta->errorString();
        m_esito = u"ERR|"_s + QString::number(codice) + u'|' + testo.trimmed();
    }
    m_tmrDisplay.start();
}

void InvioAggiornamento::MostraEsito()
{
    const QString esito = std::exchange(m_esito, QString());
    if (esito.startsWith(u"OK"_s)) {
        Q_EMIT ChiudiEditor();
        return;
    }
    if (!esito.startsWith(u"ERR"_s))
        return;
    const QStringList campi = esito.split(u'|');
    const QString codice = campi.value(1);
    bool numero = false;
    const int valore = codice.toInt(&numero);
    const QString testo = numero && valore == 0
        ? serverNonDisponibile
        : inizio + u"\r\nCodice "_s + codice + u"\r\n"_s + campi.value(2) + u"\r\n"_s + fine;
    m_dialoghi.Messaggio(testo, PulsantiMessaggio::Ok, IconaMessaggio::Nessuna, titolo);
}

void InvioAggiornamento::AttesaScaduta()
{
    m_dialoghi.Messaggio(
        serverNonDisponibile, PulsantiMessaggio::Ok, IconaMessaggio::Nessuna, titolo);
    Annulla();
    RipristinaPuntatore();
    Q_EMIT ChiudiEditor();
}

void InvioAggiornamento::RipristinaPuntatore()
{
    if (m_clessidra) {
        m_dialoghi.Clessidra(false);
        m_clessidra = false;
    }
}
