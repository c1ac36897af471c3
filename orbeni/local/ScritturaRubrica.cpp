#include "orbeni/local/ScritturaRubrica.h"

#include <ldap.h>

#include <sys/time.h>

#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int SecondiAttesa = 10;

bool HostAccettabile(const QString& host)
{
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        if (!((u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
                || u == u'.' || u == u'-' || u == u'_' || u == u':' || u == u'[' || u == u']'))
            return false;
    }
    return !host.isEmpty();
}

// The modification list libldap takes, with the storage it points into.
class Modifiche final {
public:
    Modifiche(const QHash<QString, QStringList>& attributi, bool aggiungi)
    {
        for (auto it = attributi.cbegin(); it != attributi.cend(); ++it) {
            if (aggiungi && it.value().isEmpty())
                continue;
            auto& voce = m_voci.emplace_back(std::make_unique<Voce>());
            voce->nome = it.key().toUtf8();
            for (const QString& valore : it.value())
                voce->testi.push_back(valore.toUtf8());
            for (QByteArray& testo : voce->testi)
                voce->valori.push_back({static_cast<ber_len_t>(testo.size()), testo.data()});
            for (berval& valore : voce->valori)
                voce->puntatori.push_back(&valore);
            voce->puntatori.push_back(nullptr);
            voce->mod.mod_op = LDAP_MOD_BVALUES | (aggiungi ? LDAP_MOD_ADD : LDAP_MOD_REPLACE);
            voce->mod.mod_type = voce->nome.data();
            voce->mod.mod_bvalues = voce->puntatori.data();
        }
        for (auto& voce : m_voci)
            m_elenco.push_back(&voce->mod);
        m_elenco.push_back(nullptr);
    }

    LDAPMod** Elenco() { return m_elenco.data(); }

private:
    struct Voce {
        QByteArray nome;
        std::vector<QByteArray> testi;
        std::vector<berval> valori;
        std::vector<berval*> puntatori;
        LDAPMod mod {};
    };
    std::vector<std::unique_ptr<Voce>> m_voci;
    std::vector<LDAPMod*> m_elenco;
};

} // namespace

ScritturaRubrica::~ScritturaRubrica()
{
    Chiudi();
}

bool ScritturaRubrica::Connetti(
    const QString& host, const QString& nomeBind, const QString& password)
{
    Chiudi();
    const QString indirizzo = host.trimmed();
    if (!HostAccettabile(indirizzo)) {
        m_errore = u"Indirizzo del server LDAP non valido"_s;
        return false;
    }
    const QByteArray url = (u"ldap://"_s + indirizzo).toUtf8();
    if (ldap_initialize(&m_ldap, url.constData()) != LDAP_SUCCESS) {
        m_ldap = nullptr;
        m_errore = u"Server LDAP non raggiungibile"_s;
        return false;
    }
    const int versione = LDAP_VERSION3;
    ldap_set_option(m_ldap, LDAP_OPT_PROTOCOL_VERSION, &versione);
    timeval attesa {SecondiAttesa, 0};
    ldap_set_option(m_ldap, LDAP_OPT_NETWORK_TIMEOUT, &attesa);
    ldap_set_option(m_ldap, LDAP_OPT_TIMEOUT, &attesa);
    const QByteArray dn = nomeBind.toUtf8();
    QByteArray segreto = password.toUtf8();
    berval credenziali {static_cast<ber_len_t>(segreto.size()), segreto.data()};
    const int esito = ldap_sasl_bind_s(
        m_ldap, dn.constData(), LDAP_SASL_SIMPLE, &credenziali, nullptr, nullptr, nullptr);
    segreto.fill('\0');
    if (esito != LDAP_SUCCESS) {
        m_errore = QString::fromUtf8(ldap_err2string(esito));
        Chiudi();
        return false;
    }
    return true;
}

void ScritturaRubrica::Chiudi()
{
    if (m_ldap)
        ldap_unbind_ext_s(m_ldap, nullptr, nullptr);
    m_ldap = nullptr;
}

std::optional<QStringList> ScritturaRubrica::Cerca(const QString& base, const QString& filtro)
{
    if (!m_ldap)
        return std::nullopt;
    const QByteArray baseUtf8 = base.toUtf8();
    const QByteArray filtroUtf8 = filtro.toUtf8();
    char attributoNessuno[] = LDAP_NO_ATTRS;
    char* attributi[] = {attributoNessuno, nullptr};
    LDAPMessage* risposta = nullptr;
    const int esito = ldap_search_ext_s(m_ldap, baseUtf8.constData(), LDAP_SCOPE_SUBTREE,
        filtroUtf8.constData(), attributi, 0, nullptr, nullptr, nullptr, LDAP_NO_LIMIT, &risposta);
    if (esito != LDAP_SUCCESS) {
        m_errore = QString::fromUtf8(ldap_err2string(esito));
        ldap_msgfree(risposta);
        return std::nullopt;
    }
    QStringList nomi;
    for (LDAPMessage* voce = ldap_first_entry(m_ldap, risposta); voce;
         voce = ldap_next_entry(m_ldap, voce))
        if (char* dn = ldap_get_dn(m_ldap, voce)) {
            nomi.append(QString::fromUtf8(dn));
            ldap_memfree(dn);
        }
    ldap_msgfree(risposta);
    return nomi;
}

std::optional<QStringList> ScritturaRubrica::Valori(const QString& dn, const QString& attributo)
{
    if (!m_ldap)
        return std::nullopt;
    const QByteArray dnUtf8 = dn.toUtf8();
    QByteArray nome = attributo.toUtf8();
    char* attributi[] = {nome.data(), nullptr};
    LDAPMessage* risposta = nullptr;
    const int esito = ldap_search_ext_s(m_ldap, dnUtf8.constData(), LDAP_SCOPE_BASE,
        "(objectClass=*)", attributi, 0, nullptr, nullptr, nullptr, 1, &risposta);
    if (esito != LDAP_SUCCESS) {
        m_errore = QString::fromUtf8(ldap_err2string(esito));
        ldap_msgfree(risposta);
        return std::nullopt;
    }
    QStringList valori;
    if (LDAPMessage* voce = ldap_first_entry(m_ldap, risposta))
        if (berval** elenco = ldap_get_values_len(m_ldap, voce, nome.constData())) {
            for (berval** v = elenco; *v; ++v)
                valori.append(
                    QString::fromUtf8((*v)->bv_val, static_cast<qsizetype>((*v)->bv_len)));
            ldap_value_free_len(elenco);
        }
    ldap_msgfree(risposta);
    return valori;
}

bool ScritturaRubrica::Aggiungi(const QString& dn, const QHash<QString, QStringList>& attributi)
{
    return Scrivi(dn, attributi, true);
}

bool ScritturaRubrica::Sostituisci(const QString& dn, const QHash<QString, QStringList>& attributi)
{
    return Scrivi(dn, attributi, false);
}

bool ScritturaRubrica::Scrivi(
    const QString& dn, const QHash<QString, QStringList>& attributi, bool aggiungi)
{
    if (!m_ldap)
        return false;
    Modifiche modifiche(attributi, aggiungi);
    const QByteArray dnUtf8 = dn.toUtf8();
    const int esito = aggiungi
        ? ldap_add_ext_s(m_ldap, dnUtf8.constData(), modifiche.Elenco(), nullptr, nullptr)
        : ldap_modify_ext_s(m_ldap, dnUtf8.constData(), modifiche.Elenco(), nullptr, nullptr);
    if (esito != LDAP_SUCCESS) {
        m_errore = QString::fromUtf8(ldap_err2string(esito));
        return false;
    }
    return true;
}
