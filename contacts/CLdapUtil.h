#pragma once

#include "app/Impostazioni.h"
#include "contacts/ClientLdap.h"

#include <QString>

#include <memory>
#include <optional>

// The name and password the program binds to the directory with; the settings can change them.
struct AccessoLdap final {
    QString NomeBind = ChiaviImpostazioni::NomeBindLdap.predefinito;
    QString Password = ChiaviImpostazioni::PasswordBindLdap.predefinito;
};

inline constexpr int PortaLdap = 389;

// One authenticated connection to the contacts directory. Every search base ends with the
// base suffix that Connect derives from the user's mail domain.
class CLdapUtil final {
public:
    explicit CLdapUtil(AccessoLdap accesso, std::unique_ptr<ClientLdap> client = CreaClientLdap());
    ~CLdapUtil();
    CLdapUtil(const CLdapUtil&) = delete;
    CLdapUtil& operator=(const CLdapUtil&) = delete;

    // Binds to the host ("name" or "name:port"; port 389 when not given) and checks that the
    // login names exactly one user. A mail-style login ("name@domain") brings its own domain,
    // a plain one uses parDominio; only a domain of two labels is accepted.
    bool Connect(const QString& parHostLdap, const QString& userLogin, const QString& parDominio);
    // Subtree search under parBase + the base suffix; nothing when no entry matches or the
    // directory fails.
    [[nodiscard]] std::optional<RisultatiLdap> SearchEntries(
        const QString& parBase, const QString& parFilter);
    // True when the login still names exactly one user; otherwise the client is closed.
    bool VerifyConnection(const QString& userLogin);

    // Host (and port) of the contacts web service, read from the domain entry by Connect.
    [[nodiscard]] const QString& webUrl() const { return m_webUrl; }
    void setWebUrl(const QString& url) { m_webUrl = url; }
    // "dc=first,dc=second,o=internet"; empty before Connect.
    [[nodiscard]] const QString& SuffissoBase() const { return m_suffissoBase; }

private:
    QString LeggiRouterUrl(const QString& superiore, const QString& inferiore);

    AccessoLdap m_accesso;
    std::unique_ptr<ClientLdap> m_client;
    QString m_webUrl;
    QString m_suffissoBase;
};

// The users' filter of a login without parentheses: "userLogin=" + login for a mail-style
// login, "uid=" + login for a plain one, the login escaped.
[[nodiscard]] QString FiltroUtenteLdap(const QString& userLogin);
// A login of the form name@domain (exactly one "@").
[[nodiscard]] bool LoginStileMail(const QString& userLogin);
