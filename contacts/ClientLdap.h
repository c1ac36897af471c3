#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// One entry of a directory search: its name and its attributes with their values in the
// directory's order.
struct VoceLdap final {
    QString Dn;
    // By attribute name in lower case: LDAP names ignore case ("departmentNumber" is
    // "departmentnumber").
    QHash<QString, QStringList> Attributi;

    // The values of the attribute, or null when the entry lacks it.
    [[nodiscard]] const QStringList* Attributo(const QString& nome) const;
    // The first value, or empty when the attribute is missing.
    [[nodiscard]] QString PrimoValore(const QString& nome) const;
};

using RisultatiLdap = QList<VoceLdap>;

enum class AmbitoLdap { UnLivello = 1, Sottoalbero = 2 };

// The directory client the program relies on: connect, search, results, close. The
// implementation is chosen by the build (OpenLDAP's libldap here).
class ClientLdap {
public:
    virtual ~ClientLdap() = default;

    // A bound connection; false on failure, with the reason in Errore().
    virtual bool Connetti(
        const QString& host, int porta, const QString& nomeBind, const QString& password)
        = 0;
    // The entries found, in the directory's order (none is an empty list); nothing on an error.
    virtual std::optional<RisultatiLdap> Cerca(
        const QString& base, const QString& filtro, AmbitoLdap ambito)
        = 0;
    // Ends the connection; the client can connect again.
    virtual void Chiudi() = 0;
    // The last failure, without the password.
    [[nodiscard]] virtual QString Errore() const = 0;
};

[[nodiscard]] std::unique_ptr<ClientLdap> CreaClientLdap();
