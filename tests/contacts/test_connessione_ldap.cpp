#include "app/Impostazioni.h"
#include "contacts/CLdapUtil.h"
#include "contacts/ConnessioneLdap.h"
#include "contacts/FiltroLdap.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The real client, counting what reaches the directory.
class ClientContato final : public ClientLdap {
public:
    bool Connetti(
        const QString& host, int porta, const QString& nome, const QString& password) override
    {
        ++Connessioni;
        return m_reale->Connetti(host, porta, nome, password);
    }
    std::optional<RisultatiLdap> Cerca(
        const QString& base, const QString& filtro, AmbitoLdap ambito) override
    {
        Filtri.append(filtro);
        return m_reale->Cerca(base, filtro, ambito);
    }
    void Chiudi() override
    {
        ++Chiusure;
        m_reale->Chiudi();
    }
    QString Errore() const override { return m_reale->Errore(); }

    int Connessioni = 0;
    int Chiusure = 0;
    QStringList Filtri;

private:
    std::unique_ptr<ClientLdap> m_reale = CreaClientLdap();
};

struct CasoConnect {
    const char* nome;
    QString login;
    QString dominio;
    bool connesso;
    bool contattato;
    QString filtroUtente;
};

void PrintTo(const CasoConnect& caso, std::ostream* os)
{
    *os << caso.nome;
}

class ConnectTest : public ::testing::TestWithParam<CasoConnect> { };

TEST_P(ConnectTest, AcceptsOnlyTwoLabelDomainsAndOneUser)
{
    const CasoConnect& caso = GetParam();
    auto client = std::make_unique<ClientContato>();
    ClientContato& contato = *client;
    CLdapUtil ldap(AccessoLdap {}, std::move(client));
    EXPECT_EQ(
        ldap.Connect(DirectoryDiProva().Indirizzo(), caso.login, caso.dominio), caso.connesso);
    EXPECT_EQ(contato.Connessioni, caso.contattato ? 1 : 0);
    if (!caso.filtroUtente.isEmpty()) {
        EXPECT_TRUE(contato.Filtri.contains(caso.filtroUtente))
            << contato.Filtri.join(u" ; "_s).toStdString();
    }
    if (caso.contattato && !caso.connesso) {
        EXPECT_EQ(contato.Chiusure, 1) << "a refused login closes the client";
    }
    if (caso.connesso) {
        EXPECT_EQ(ldap.webUrl(), u"127.0.0.1:8080");
        EXPECT_EQ(ldap.SuffissoBase(), u"dc=quorvanel,dc=it,o=internet");
        EXPECT_TRUE(ldap.VerifyConnection(caso.login));
    }
}

INSTANTIATE_TEST_SUITE_P(Login, ConnectTest,
    ::testing::Values(CasoConnect {"MailLogin", u"demo@quorvanel.it"_s, {}, true, true,
                          u"userLogin=demo@quorvanel.it"_s},
        CasoConnect {"ThreeLabelsNeverReachTheDirectory", u"demo@mail.quorvanel.it"_s,
            u"quorvanel.it"_s, false, false, {}},
        CasoConnect {"OneLabel", u"demo@quorvanel"_s, {}, false, false, {}},
        CasoConnect {"TwoUsersFound", u"doppio@duplicati.it"_s, {}, false, true,
            u"userLogin=doppio@duplicati.it"_s},
        CasoConnect {"DomainWithoutWebService", u"solo@senzaweb.it"_s, {}, false, true, {}},
        CasoConnect {"PlainLoginIsAUid", u"rossi"_s, u"quorvanel.it"_s, true, true, u"uid=rossi"_s},
        CasoConnect {"PlainLoginWithoutDomain", u"rossi"_s, u" "_s, false, false, {}},
        CasoConnect {"TwoAtSignsMakeAPlainLogin", u"demo@x@quorvanel.it"_s, u"quorvanel.it"_s,
            false, true, u"uid=demo@x@quorvanel.it"_s},
        CasoConnect {"BlankLogin", u"  "_s, u"quorvanel.it"_s, false, false, {}},
        CasoConnect {
            "PatternInTheLoginIsEscaped", u"*"_s, u"quorvanel.it"_s, false, true, u"uid=\\2a"_s}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(ConnectTest, HostWithPortOrUnsafeCharacters)
{
    CLdapUtil conPorta(AccessoLdap {});
    EXPECT_TRUE(conPorta.Connect(
        u" "_s + DirectoryDiProva().Indirizzo() + u" "_s, u"demo@quorvanel.it"_s, {}));
    const QStringList sbagliati {u"127.0.0.1:99999"_s, u"127.0.0.1/ ldap://altro"_s,
        u"127.0.0.1:1 127.0.0.1:"_s + QString::number(DirectoryDiProva().Porta())};
    for (const QString& host : sbagliati) {
        CLdapUtil ldap(AccessoLdap {});
        EXPECT_FALSE(ldap.Connect(host, u"demo@quorvanel.it"_s, {})) << host.toStdString();
    }
}

TEST(ConnectTest, WrongBindPasswordIsRefused)
{
    CLdapUtil ldap(AccessoLdap {u"cn=manager,o=internet"_s, u"sbagliata"_s});
    EXPECT_FALSE(ldap.Connect(DirectoryDiProva().Indirizzo(), u"demo@quorvanel.it"_s, {}));
}

TEST(SearchEntriesTest, BaseUnderTheSuffixAndNothingForNoEntry)
{
    CLdapUtil ldap(AccessoLdap {});
    ASSERT_TRUE(ldap.Connect(DirectoryDiProva().Indirizzo(), u"demo@quorvanel.it"_s, {}));
    const auto utenti = ldap.SearchEntries(u"ou=people"_s, u"(objectClass=invexoUser)"_s);
    ASSERT_TRUE(utenti);
    EXPECT_EQ(utenti->size(), 2);
    for (const VoceLdap& voce : *utenti)
        EXPECT_TRUE(voce.Dn.endsWith(u",ou=people,dc=quorvanel,dc=it,o=internet"_s));
    EXPECT_FALSE(ldap.SearchEntries(u"ou=people"_s, u"uid=nessuno"_s));
    EXPECT_FALSE(ldap.SearchEntries(u"ou=inesistente"_s, u"(objectClass=*)"_s));
    EXPECT_FALSE(ldap.SearchEntries(u"ou=people"_s, u"((filtro rotto"_s));
    EXPECT_TRUE(ldap.SearchEntries({}, u"(dc=quorvanel)"_s));
}

TEST(FiltroLdapTest, EscapesOnlyTheSpecialCharacters)
{
    EXPECT_EQ(ValoreFiltroLdap(u"01|0600950 Invio fatture"_s), u"01|0600950 Invio fatture");
    EXPECT_EQ(ValoreFiltroLdap(u"a*b(c)d\\e"_s + QChar(u'\0')), u"a\\2ab\\28c\\29d\\5ce\\00");
    EXPECT_EQ(ValoreDnLdap(u"quorvanel"_s), u"quorvanel");
    EXPECT_EQ(ValoreDnLdap(u" a,b+c=d "_s), u"\\ a\\,b\\+c\\=d\\ ");
}

class ConnessioneLdapTest : public ::testing::Test {
protected:
    std::shared_ptr<CLdapUtil> Connessione()
    {
        return ConnessioneLdap(*m_globali, m_dialoghi, m_accesso);
    }

    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
    AccessoLdap m_accesso;
};

TEST_F(ConnessioneLdapTest, SharedUntilClosedAndVerifiedOnEveryCall)
{
    const auto prima = Connessione();
    ASSERT_TRUE(prima);
    EXPECT_EQ(Connessione(), prima);
    EXPECT_EQ(m_globali->ConnessioneLdap, prima);
    ChiudiConnessioneLdap(*m_globali);
    EXPECT_FALSE(m_globali->ConnessioneLdap);
    const auto seconda = Connessione();
    ASSERT_TRUE(seconda);
    EXPECT_NE(seconda, prima);

    // A login that no longer names one user drops the connection without a word.
    m_globali->LoginDirectory = u"doppio@quorvanel.it"_s;
    EXPECT_FALSE(Connessione());
    EXPECT_FALSE(m_globali->ConnessioneLdap);
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
}

TEST_F(ConnessioneLdapTest, PlainLoginConnects)
{
    m_globali->LoginDirectory = u"rossi"_s;
    EXPECT_TRUE(Connessione());
    EXPECT_TRUE(Connessione());
}

TEST_F(ConnessioneLdapTest, FailureIsToldOnceWithoutThePassword)
{
    m_accesso.Password = u"segretissima"_s;
    EXPECT_FALSE(Connessione());
    m_accesso = {};
    m_globali->LoginDirectory = u"demo@mail.quorvanel.it"_s;
    EXPECT_FALSE(Connessione());
    ASSERT_EQ(m_dialoghi.Registrati.size(), 2);
    for (const auto& messaggio : m_dialoghi.Registrati) {
        EXPECT_EQ(messaggio.Testo, u"Impossibile accedere al server LDAP");
        EXPECT_EQ(messaggio.Titolo, u"Errore");
        EXPECT_EQ(messaggio.Icona, IconaMessaggio::Critica);
    }
    EXPECT_FALSE(m_globali->ConnessioneLdap);
}

TEST_F(ConnessioneLdapTest, HostFromTheOptions)
{
    EXPECT_EQ(HostLdap(*m_globali), DirectoryDiProva().Indirizzo());
    EXPECT_EQ(DominioPosta(*m_globali), u"quorvanel.it");
    m_globali->Archivio->ServerLdap = u"  "_s;
    EXPECT_EQ(HostLdap(*m_globali), HostLdapPredefinito);
    m_globali->Archivio->RubricaLdap = false;
    EXPECT_EQ(HostLdap(*m_globali), QString());
}

TEST(AccessoLdapTest, SettingsGiveTheBindWithTheDefaults)
{
    TempRoot radice;
    Impostazioni impostazioni(radice.File(u"invexo.ini"_s));
    const AccessoLdap predefinito = LeggiAccessoLdap(impostazioni);
    EXPECT_EQ(predefinito.NomeBind, u"cn=manager,o=internet");
    EXPECT_EQ(predefinito.Password, u"krovelbin");
    impostazioni.Scrivi(ChiaviImpostazioni::NomeBindLdap, u"cn=invexo,o=internet"_s);
    impostazioni.Scrivi(ChiaviImpostazioni::PasswordBindLdap, u"altra"_s);
    const AccessoLdap scelto = LeggiAccessoLdap(impostazioni);
    EXPECT_EQ(scelto.NomeBind, u"cn=invexo,o=internet");
    EXPECT_EQ(scelto.Password, u"altra");
}

} // namespace
