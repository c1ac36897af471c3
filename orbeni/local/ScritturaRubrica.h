#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

typedef struct ldap LDAP;

// The server's own write access to the contacts directory: what the contacts web service and
// the demo seeding need (find an entry, add one, replace attributes), bound as the manager.
class ScritturaRubrica final {
public:
    ScritturaRubrica() = default;
    ~ScritturaRubrica();
    ScritturaRubrica(const ScritturaRubrica&) = delete;
    ScritturaRubrica& operator=(const ScritturaRubrica&) = delete;

    // host is "name:port" or "name" (port 389).
    bool Connetti(const QString& host, const QString& nomeBind, const QString& password);
    void Chiudi();

    // The names of the entries the filter finds under the base (subtree); nothing on an error.
    [[nodiscard]] std::optional<QStringList> Cerca(const QString& base, const QString& filtro);
    // The values of one attribute of an entry; nothing when the entry cannot be read.
    [[nodiscard]] std::optional<QStringList> Valori(const QString& dn, const QString& attributo);
    // Attributes without values are left out.
    bool Aggiungi(const QString& dn, const QHash<QString, QStringList>& attributi);
    // Each attribute takes the given values; an empty list removes it.
    bool Sostituisci(const QString& dn, const QHash<QString, QStringList>& attributi);

    [[nodiscard]] const QString& Errore() const { return m_errore; }

private:
    bool Scrivi(const QString& dn, const QHash<QString, QStringList>& attributi, bool aggiungi);

    LDAP* m_ldap = nullptr;
    QString m_errore;
};
