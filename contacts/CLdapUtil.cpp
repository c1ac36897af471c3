#include "contacts/CLdapUtil.h"

#include "contacts/FiltroLdap.h"

using namespace Qt::StringLiterals;

namespace {

const QString radice = u"o=internet"_s;
const QString ramoUtenti = u"ou=people"_s;

struct IndirizzoLdap final {
    QString Host;
    int Porta = PortaLdap;
};

std::optional<int> Porta(QStringView cifre)
{
    bool ok = false;
    const int valore = cifre.toInt(&ok);
    if (!ok || valore <= 0 || valore > 65535)
        return std::nullopt;
    return valore;
}

// "name", "name:port", "[v6]" or "[v6]:port"; a bare IPv6 address gets its brackets.
std::optional<IndirizzoLdap> LeggiIndirizzo(const QString& testo)
{
    const QString host = testo.trimmed();
    if (host.isEmpty())
        return std::nullopt;
    if (host.startsWith(u'[')) {
        const qsizetype chiusa = host.indexOf(u']');
        if (chiusa < 0)
            return std::nullopt;
        if (chiusa == host.size() - 1)
            return IndirizzoLdap {host, PortaLdap};
        if (host.at(chiusa + 1) != u':')
            return std::nullopt;
        const auto numero = Porta(QStringView(host).mid(chiusa + 2));
        if (!numero)
            return std::nullopt;
        return IndirizzoLdap {host.left(chiusa + 1), *numero};
    }
    const qsizetype duePunti = host.count(u':');
    if (duePunti > 1)
        return IndirizzoLdap {u'[' + host + u']', PortaLdap};
    if (duePunti == 0)
        return IndirizzoLdap {host, PortaLdap};
    const qsizetype posizione = host.indexOf(u':');
    const auto numero = Porta(QStringView(host).mid(posizione + 1));
    if (!numero || posizione == 0)
        return std::nullopt;
    return IndirizzoLdap {host.left(posizione), *numero};
}

} // namespace

bool LoginStileMail(const QString& userLogin)
{
    return userLogin.count(u'@') == 1;
}

QString FiltroUtenteLdap(const QString& userLogin)
{
    return (LoginStileMail(userLogin) ? u"userLogin="_s : u"uid="_s) + ValoreFiltroLdap(userLogin);
}

CLdapUtil::CLdapUtil(AccessoLdap accesso, std::unique_ptr<ClientLdap> client)
    : m_accesso(std::move(accesso))
    , m_client(std::move(client))
{
}

CLdapUtil::~CLdapUtil()
{
    if (m_client)
        m_client->Chiudi();
}

bool CLdapUtil::Connect(
    const QString& parHostLdap, const QString& userLogin, const QString& parDominio)
{
    if (userLogin.trimmed().isEmpty() || !m_client)
        return false;
    QString dominio;
    if (LoginStileMail(userLogin)) {
        dominio = userLogin.section(u'@', 1);
    } else {
        if (parDominio.trimmed().isEmpty())
            return false;
        dominio = parDominio;
    }
    const QStringList etichette = dominio.split(u'.');
    if (etichette.size() != 2)
        return false;
    const QString& prima = etichette.at(0);
    const QString& seconda = etichette.at(1);
    m_suffissoBase
        = u"dc="_s + ValoreDnLdap(prima) + u",dc="_s + ValoreDnLdap(seconda) + u',' + radice;

    const auto indirizzo = LeggiIndirizzo(parHostLdap);
    if (!indirizzo
        || !m_client->Connetti(
            indirizzo->Host, indirizzo->Porta, m_accesso.NomeBind, m_accesso.Password))
        return false;
    m_webUrl = LeggiRouterUrl(seconda, prima);
    const auto utenti = SearchEntries(ramoUtenti, FiltroUtenteLdap(userLogin));
    if (!m_webUrl.isEmpty() && utenti && utenti->size() == 1)
        return true;
    m_client->Chiudi();
    return false;
}

std::optional<RisultatiLdap> CLdapUtil::SearchEntries(
    const QString& parBase, const QString& parFilter)
{
    if (!m_client)
        return std::nullopt;
    const QString base = parBase.isEmpty() ? m_suffissoBase : parBase + u',' + m_suffissoBase;
    auto voci = m_client->Cerca(base, parFilter, AmbitoLdap::Sottoalbero);
    if (!voci || voci->isEmpty())
        return std::nullopt;
    return voci;
}

bool CLdapUtil::VerifyConnection(const QString& userLogin)
{
    // The same filter as Connect: a plain login is a uid, not a userLogin.
    const auto utenti = SearchEntries(ramoUtenti, FiltroUtenteLdap(userLogin));
    if (utenti && utenti->size() == 1)
        return true;
    if (m_client)
        m_client->Chiudi();
    return false;
}

QString CLdapUtil::LeggiRouterUrl(const QString& superiore, const QString& inferiore)
{
    if (superiore.trimmed().isEmpty() || inferiore.trimmed().isEmpty())
        return {};
    const auto voci = m_client->Cerca(u"dc="_s + ValoreDnLdap(superiore) + u',' + radice,
        u"(dc="_s + ValoreFiltroLdap(inferiore) + u')', AmbitoLdap::UnLivello);
    if (!voci || voci->size() != 1)
        return {};
    return voci->first().PrimoValore(u"wsRouterURL"_s).trimmed();
}
