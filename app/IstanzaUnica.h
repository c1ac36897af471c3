#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The link between instances of the program for one company: a local socket named
// "Invexo" + "|" + topic, over which a line carries a command ("SHOW", "CLOSE").
class IstanzaUnica final : public QObject {
    Q_OBJECT
public:
    explicit IstanzaUnica(QObject* genitore = nullptr);
    ~IstanzaUnica() override;

    // The topic of this instance: the company alone with the shell flag, else made unique by
    // the process id, so that an instance started without it can never be reached.
    [[nodiscard]] static QString Argomento(const QString& azienda, bool modoShell);
    [[nodiscard]] static QString NomeCanale(const QString& argomento);

    // Hands a command to the instance listening on the topic; true when it took it.
    static bool Invia(const QString& argomento, const QString& comando, int attesaMs = 2000);

    // Starts listening on the topic; a leftover socket of a dead instance is replaced.
    bool Ascolta(const QString& argomento);

Q_SIGNALS:
    void Mostra();
    void Chiudi();

private:
    void NuovaConnessione();

    QLocalServer* m_server = nullptr;
};
