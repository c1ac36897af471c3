#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QHttpServer>
#include <QString>

// Where the contacts web service writes: the directory and the manager's bind.
struct DirectoryContatti final {
    // "name:port" or "name".
    QString Host;
    QString NomeBind = QStringLiteral("cn=manager,o=internet");
    QString Password = QStringLiteral("krovelbin");
};

// The company's contacts web service ("/tramavento/VbClientServicesServlet") as the embedded
// server offers it: a form post of UPDATE_CONTATTO_CLIENTE becomes an LDAP modify of the
// contact named by its uid, or an add of a new one. The answer's "RESULT" header is "OK" or
// "ERR " followed by the reason.
class ServizioContatti final {
public:
    explicit ServizioContatti(DirectoryContatti directory);

    // Listens on the address; the port, 0 when it could not.
    quint16 Avvia(const QHostAddress& indirizzo = QHostAddress::LocalHost, quint16 porta = 0);
    // "127.0.0.1:" + port: what the domain entry's wsRouterURL must hold.
    [[nodiscard]] QString Indirizzo() const;
    // Writes Indirizzo() into wsRouterURL of the mail domain's entry.
    bool PubblicaIndirizzo(const QString& dominio);

    // One update: "OK", or "ERR " + why.
    [[nodiscard]] QByteArray Esegui(const QByteArray& corpo);

private:
    DirectoryContatti m_directory;
    QHttpServer m_server;
    QHostAddress m_indirizzo;
    quint16 m_porta = 0;
};

// "dc=first,dc=second,o=internet" for a mail domain of two labels made of letters, digits and
// "-"; empty for any other text.
[[nodiscard]] QString SuffissoDominio(const QString& dominio);
