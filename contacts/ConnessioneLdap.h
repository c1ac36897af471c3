#pragma once

#include "contacts/CLdapUtil.h"

#include <QString>
#include <QStringView>

#include <memory>

class Dialoghi;
class Impostazioni;
struct Invexo_Main;

// The directory host used when the service options name none.
inline constexpr QStringView HostLdapPredefinito = u"ldap";

// The shared, verified directory connection of the session, opened on first use; null when
// the directory cannot be used now (a failed first connection has told the user why).
std::shared_ptr<CLdapUtil> ConnessioneLdap(
    Invexo_Main& globali, Dialoghi& dialoghi, const AccessoLdap& accesso);

// Drops the shared connection; the next ConnessioneLdap opens a new one.
void ChiudiConnessioneLdap(Invexo_Main& globali);

// The service options the directory reads, from the session's series archive.
[[nodiscard]] bool RubricaLdap(const Invexo_Main& globali);
[[nodiscard]] bool FaxViaEmail(const Invexo_Main& globali);
// The mail domain, trimmed.
[[nodiscard]] QString DominioPosta(const Invexo_Main& globali);
// ServerLdap, or the built-in host when it is blank; empty when the directory is not in use.
[[nodiscard]] QString HostLdap(const Invexo_Main& globali);

// The bind name and password of the user's settings.
[[nodiscard]] AccessoLdap LeggiAccessoLdap(const Impostazioni& impostazioni);
