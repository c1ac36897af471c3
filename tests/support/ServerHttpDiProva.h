#pragma once

#include <QByteArray>
#include <QHttpServer>
#include <QList>
#include <QString>

#include <list>
#include <optional>
#include <utility>

// A web server on a free loopback port that records every request and answers as the test
// chose: status 200 with a "RESULT" header, 200 without one, another status, or never.
class ServerHttpDiProva final {
public:
    struct Richiesta {
        QByteArray Metodo;
        QString Percorso;
        QList<std::pair<QByteArray, QByteArray>> Intestazioni;
        QByteArray Corpo;
        // The header's value by name, ignoring case; empty when missing.
        [[nodiscard]] QByteArray Intestazione(const QByteArray& nome) const;
    };

    ServerHttpDiProva();
    ~ServerHttpDiProva();
    ServerHttpDiProva(const ServerHttpDiProva&) = delete;
    ServerHttpDiProva& operator=(const ServerHttpDiProva&) = delete;

    [[nodiscard]] bool Avviato() const { return m_porta != 0; }
    [[nodiscard]] quint16 Porta() const { return m_porta; }
    // "127.0.0.1:" + port: the form of a directory's webUrl.
    [[nodiscard]] QString Host() const;

    // Status 200 with the header RESULT: risultato (the default, "OK").
    void RispondiConRisultato(const QByteArray& risultato);
    // Status 200 without a RESULT header.
    void RispondiSenzaRisultato();
    // Another status, without a RESULT header.
    void RispondiConStato(int stato);
    // Keeps the connection open without answering.
    void NonRispondere();

    [[nodiscard]] const QList<Richiesta>& Richieste() const { return m_richieste; }
    // Runs the event loop until `quante` requests have arrived or the time is over.
    bool AttendiRichieste(int quante = 1, int millisecondi = 10000) const;

private:
    QHttpServer m_server;
    quint16 m_porta = 0;
    std::optional<QByteArray> m_risultato = QByteArray("OK");
    int m_stato = 200;
    bool m_risponde = true;
    QList<Richiesta> m_richieste;
    // Answers held back for NonRispondere: destroying one ends its connection.
    std::list<QHttpServerResponder> m_sospese;
};
