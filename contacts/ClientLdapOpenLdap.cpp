#include "contacts/ClientLdap.h"

#include <ldap.h>

#include <sys/time.h>

using namespace Qt::StringLiterals;

namespace {

// The window waits for the directory on its own thread: no call may hang for long.
constexpr int SecondiConnessione = 10;
constexpr int SecondiRicerca = 30;

bool HostAccettabile(const QString& host)
{
    if (host.isEmpty())
        return false;
    for (const QChar c : host) {
        const char16_t u = c.unicode();
        const bool ammesso = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z')
            || (u >= u'0' && u <= u'9') || u == u'.' || u == u'-' || u == u'_' || u == u':'
            || u == u'[' || u == u']';
        if (!ammesso)
            return false;
    }
    return true;
}

QString TestoErrore(int codice)
{
    return QString::fromUtf8(ldap_err2string(codice));
}

class ClientOpenLdap final : public ClientLdap {
public:
    ClientOpenLdap() = default;
    ~ClientOpenLdap() override { Chiudi(); }
    ClientOpenLdap(const ClientOpenLdap&) = delete;
    ClientOpenLdap& operator=(const ClientOpenLdap&) = delete;

    bool Connetti(
        const QString& host, int porta, const QString& nomeBind, const QString& password) override
    {
        Chiudi();
        // The host goes into a URL: anything but a host name or address is refused.
        if (!HostAccettabile(host) || porta <= 0 || porta > 65535) {
            m_errore = u"Indirizzo del server LDAP non valido"_s;
            return false;
        }
        const QByteArray url = (u"ldap://"_s + host + u':' + QString::number(porta)).toUtf8();
        int esito = ldap_initialize(&m_ldap, url.constData());
        if (esito != LDAP_SUCCESS) {
            m_ldap = nullptr;
            m_errore = TestoErrore(esito);
            return false;
        }
        const int versione = LDAP_VERSION3;
        ldap_set_option(m_ldap, LDAP_OPT_PROTOCOL_VERSION, &versione);
        ldap_set_option(m_ldap, LDAP_OPT_REFERRALS, LDAP_OPT_OFF);
        timeval attesa {SecondiConnessione, 0};
        ldap_set_option(m_ldap, LDAP_OPT_NETWORK_TIMEOUT, &attesa);
        timeval attesaRisposta {SecondiRicerca, 0};
        ldap_set_option(m_ldap, LDAP_OPT_TIMEOUT, &attesaRisposta);

        const QByteArray dn = nomeBind.toUtf8();
        QByteArray segreto = password.toUtf8();
        berval credenziali {static_cast<ber_len_t>(segreto.size()), segreto.data()};
        esito = ldap_sasl_bind_s(
            m_ldap, dn.constData(), LDAP_SASL_SIMPLE, &credenziali, nullptr, nullptr, nullptr);
        segreto.fill('\0');
        if (esito != LDAP_SUCCESS) {
            m_errore = TestoErrore(esito);
            Chiudi();
            return false;
        }
        m_errore.clear();
        return true;
    }

    std::optional<RisultatiLdap> Cerca(
        const QString& base, const QString& filtro, AmbitoLdap ambito) override
    {
        if (!m_ldap) {
            m_errore = u"Non connesso al server LDAP"_s;
            return std::nullopt;
        }
        const QByteArray baseUtf8 = base.toUtf8();
        const QByteArray filtroUtf8 = filtro.toUtf8();
        timeval attesa {SecondiRicerca, 0};
        LDAPMessage* risposta = nullptr;
        const int esito = ldap_search_ext_s(m_ldap, baseUtf8.constData(),
            ambito == AmbitoLdap::UnLivello ? LDAP_SCOPE_ONELEVEL : LDAP_SCOPE_SUBTREE,
            filtroUtf8.constData(), nullptr, 0, nullptr, nullptr, &attesa, LDAP_NO_LIMIT,
            &risposta);
        if (esito != LDAP_SUCCESS) {
            m_errore = TestoErrore(esito);
            ldap_msgfree(risposta);
            return std::nullopt;
        }
        RisultatiLdap voci;
        for (LDAPMessage* voce = ldap_first_entry(m_ldap, risposta); voce;
             voce = ldap_next_entry(m_ldap, voce))
            voci.append(LeggiVoce(voce));
        ldap_msgfree(risposta);
        return voci;
    }

    void Chiudi() override
    {
        if (m_ldap)
            ldap_unbind_ext_s(m_ldap, nullptr, nullptr);
        m_ldap = nullptr;
    }

    QString Errore() const override { return m_errore; }

private:
    VoceLdap LeggiVoce(LDAPMessage* messaggio)
    {
        VoceLdap voce;
        if (char* dn = ldap_get_dn(m_ldap, messaggio)) {
            voce.Dn = QString::fromUtf8(dn);
            ldap_memfree(dn);
        }
        BerElement* ber = nullptr;
        for (char* nome = ldap_first_attribute(m_ldap, messaggio, &ber); nome;
             nome = ldap_next_attribute(m_ldap, messaggio, ber)) {
            QStringList& valori = voce.Attributi[QString::fromUtf8(nome).toLower()];
            if (berval** elenco = ldap_get_values_len(m_ldap, messaggio, nome)) {
                for (berval** v = elenco; *v; ++v)
                    valori.append(
                        QString::fromUtf8((*v)->bv_val, static_cast<qsizetype>((*v)->bv_len)));
                ldap_value_free_len(elenco);
            }
            ldap_memfree(nome);
        }
        if (ber)
            ber_free(ber, 0);
        return voce;
    }

    LDAP* m_ldap = nullptr;
    QString m_errore;
};

} // namespace

std::unique_ptr<ClientLdap> CreaClientLdap()
{
    return std::make_unique<ClientOpenLdap>();
}
