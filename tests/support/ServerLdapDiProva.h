#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A slapd of its own for the tests: the standard schemas and the project's, suffix
// "o=internet" (its entry made here), bind "cn=manager,o=internet" / "krovelbin", a fresh mdb
// database loaded with slapadd from the given LDIF, listening on a free loopback port.
// Stopped when the object goes.
class ServerLdapDiProva final {
public:
    // Starts at once; Avviato() tells whether it did. `cartella` is the parent of the
    // temporary folder (the system's temporary folder when empty), for machines whose slapd
    // may only read some paths.
    explicit ServerLdapDiProva(const QString& ldif, const QString& cartella = {});
    ~ServerLdapDiProva();
    ServerLdapDiProva(const ServerLdapDiProva&) = delete;
    ServerLdapDiProva& operator=(const ServerLdapDiProva&) = delete;

    [[nodiscard]] bool Avviato() const { return m_porta != 0; }
    [[nodiscard]] const QString& Errore() const { return m_errore; }
    [[nodiscard]] quint16 Porta() const { return m_porta; }
    // "127.0.0.1:" + port: the form ServerLdap and CLdapUtil::Connect take.
    [[nodiscard]] QString Indirizzo() const;
    [[nodiscard]] QString Url() const;

private:
    bool Prepara(const QString& ldif);
    bool Avvia();
    [[nodiscard]] bool AccettaBind() const;

    std::unique_ptr<QTemporaryDir> m_cartella;
    QProcess m_slapd;
    quint16 m_porta = 0;
    QString m_errore;
};

// One slapd for a whole test program: register it from the program's sources with
// ::testing::AddGlobalTestEnvironment(new AmbienteServerLdap(ldif)).
class AmbienteServerLdap final : public ::testing::Environment {
public:
    explicit AmbienteServerLdap(std::function<QString()> ldif);
    void SetUp() override;
    void TearDown() override;
    // The running server; only between SetUp and TearDown.
    static ServerLdapDiProva& Server();

private:
    std::function<QString()> m_ldif;
};
