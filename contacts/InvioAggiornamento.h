#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>

class Dialoghi;
class QNetworkReply;

// The waits of the update; tests shorten them.
struct TempiAggiornamento final {
    // Time-out of the HTTP request.
    std::chrono::milliseconds Richiesta {30000};
    // tmrWaitServer: no answer by then closes the editor.
    std::chrono::milliseconds AttesaServer {45000};
    // tmrDisplay: the outcome is shown once the answer's events are over.
    std::chrono::milliseconds Visualizzazione {200};
};

// The post of a contact to the contacts web service and what follows it: the service's
// "RESULT" header, transfer errors and the waiting timer, told to the user through Dialoghi.
class InvioAggiornamento final : public QObject {
    Q_OBJECT

public:
    explicit InvioAggiornamento(
        Dialoghi& dialoghi, TempiAggiornamento tempi = {}, QObject* genitore = nullptr);
    ~InvioAggiornamento() override;

    // Starts the post and returns; a request still under way is cancelled first.
    void Invia(const QString& url, const QByteArray& corpo);
    // Cancels the request under way, if any, without a message.
    void Annulla();
    [[nodiscard]] bool InCorso() const { return !m_risposta.isNull(); }

Q_SIGNALS:
    // The editor is to close: the service confirmed the update, or it did not answer in time.
    void ChiudiEditor();

private:
    void Terminata();
    void MostraEsito();
    void AttesaScaduta();
    void RipristinaPuntatore();

    Dialoghi& m_dialoghi;
    TempiAggiornamento m_tempi;
    QNetworkAccessManager m_rete;
    QPointer<QNetworkReply> m_risposta;
    QTimer m_tmrWaitServer;
    QTimer m_tmrDisplay;
    // Tag of tmrDisplay: "OK", or "ERR|" + code + "|" + text.
    QString m_esito;
    bool m_clessidra = false;
};
