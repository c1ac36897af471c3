#include "contacts/ConnessioneLdap.h"
#include "contacts/LDAP_ContattiCliente.h"
#include "contacts/RubricaInvioLdap.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ContattiTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_connessione); }

    Cliente Soggetto(const QString& codice, const QString& tipo = u"CLIENTE"_s)
    {
        Cliente soggetto;
        soggetto.Codice = codice;
        soggetto.TipoAnagrafica = tipo;
        soggetto.Email = u"vecchia@anagrafica.it"_s;
        soggetto.Fax = u"000"_s;
        return soggetto;
    }

    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
    std::shared_ptr<CLdapUtil> m_connessione
        = ConnessioneLdap(*m_globali, m_dialoghi, AccessoLdap {});
    RubricaContatti m_rubrica {*m_connessione};
};

TEST_F(ContattiTest, InvoiceFilterAsTheDirectoryExpectsIt)
{
    const Cliente cliente = Soggetto(u"0600950"_s);
    EXPECT_EQ(FiltroContatti(cliente, u"01"_s, u"FATT."_s, {}),
        u"(&(!(givenName=@))(objectclass=person)(employeeType=CL)(departmentnumber=Invio "
        u"fatture)(orbeniCode=01|0600950)(!(mail=fax-*)))");
    int conteggio = -1;
    const auto contatto
        = TrovaContatto(cliente, u"01"_s, u"FATT."_s, m_rubrica, conteggio, 0, u"CL"_s);
    ASSERT_TRUE(contatto);
    EXPECT_EQ(conteggio, 1);
    EXPECT_EQ(contatto->PrimoValore(u"mail"_s), u"fatture@cliente950.it");
    EXPECT_FALSE(TrovaContatto(cliente, u"01"_s, u"FATT."_s, m_rubrica, conteggio, 1, u"CL"_s));
}

TEST_F(ContattiTest, PatternCharactersInACodeFindNothing)
{
    int conteggio = 7;
    for (const QString& codice : {u"*)(orbeniCode=*"_s, u"06009*"_s, u"*"_s}) {
        const Cliente cliente = Soggetto(codice);
        EXPECT_FALSE(TrovaContatto(cliente, u"01"_s, u"FATT."_s, m_rubrica, conteggio, 0, u"CL"_s))
            << codice.toStdString();
        EXPECT_FALSE(TrovaContatto(cliente, u"0*"_s, u"FATT."_s, m_rubrica, conteggio, 0, {}));
    }
    EXPECT_EQ(conteggio, 7) << "a search that finds nothing leaves the count";
}

struct CasoCliente {
    const char* nome;
    QString codice;
    QString sigla;
    bool faxViaEmail;
    QString email;
    QString fax;
};

void PrintTo(const CasoCliente& caso, std::ostream* os)
{
    *os << caso.nome;
}

class CercaContattiClienteTest : public ContattiTest,
                                 public ::testing::WithParamInterface<CasoCliente> { };

TEST_P(CercaContattiClienteTest, AddressesOfTheKindsContacts)
{
    const CasoCliente& caso = GetParam();
    m_globali->Archivio->FaxViaEmail = caso.faxViaEmail;
    Cliente cliente = Soggetto(caso.codice);
    CercaContattiCliente(cliente, u"01"_s, caso.sigla, m_rubrica, *m_globali->Archivio);
    EXPECT_EQ(cliente.Email, caso.email);
    EXPECT_EQ(cliente.Fax, caso.fax);
}

INSTANTIATE_TEST_SUITE_P(Casi, CercaContattiClienteTest,
    ::testing::Values(CasoCliente {"OnlyTheInvoiceContact", u"0600950"_s, u"FATT."_s, false,
                          u"fatture@cliente950.it"_s, {}},
        CasoCliente {
            "DeliveryNoteContact", u"0600950"_s, u"BOLLA"_s, false, u"bolle@cliente950.it"_s, {}},
        CasoCliente {
            "LowerCaseKind", u"0600950"_s, u"fatt."_s, false, u"fatture@cliente950.it"_s, {}},
        CasoCliente {"CreditNoteAsInvoice", u"0600950"_s, u"NT.CRED."_s, false,
            u"fatture@cliente950.it"_s, {}},
        CasoCliente {"UnknownKind", u"0600950"_s, u"DDT"_s, false, {}, {}},
        CasoCliente {"TwoContactsJoined", u"0600951"_s, u"FATT."_s, false,
            u"primo@cliente951.it;secondo@cliente951.it"_s, {}},
        CasoCliente {"FaxOfTheLastContact", u"0600952"_s, u"FATT."_s, false,
            u"primo@cliente952.it"_s, u"055222"_s},
        CasoCliente {"GatewayKeepsTheEmail", u"0600952"_s, u"FATT."_s, true,
            u"primo@cliente952.it"_s, u"055222"_s},
        CasoCliente {"GatewayTurnsALoneFaxIntoMail", u"0600953"_s, u"FATT."_s, true,
            u"fax-0574123@quorvanel.it"_s, u"0574123"_s},
        CasoCliente {"LoneFaxWithoutGateway", u"0600953"_s, u"FATT."_s, false, {}, u"0574123"_s},
        CasoCliente {"MailsWithoutAProperAt", u"0600954"_s, u"FATT."_s, false, {}, {}},
        CasoCliente {"GatewayMailsNeverReturned", u"0600955"_s, u"FATT."_s, false, {}, {}},
        CasoCliente {"GivenNameAtNeverReturned", u"0600956"_s, u"FATT."_s, false, {}, {}},
        CasoCliente {"PrivacyOnlyTheReferent", u"0600970"_s, u"PRIVACY"_s, false,
            u"referente@cliente970.it"_s, {}},
        CasoCliente {"PrivacyTwoReferents", u"0600971"_s, u"PRIVACY"_s, false,
            u"uno@cliente971.it;due@cliente971.it"_s, {}},
        CasoCliente {
            "PrivacyWithoutReferentGetsNothing", u"0600960"_s, u"PRIVACY"_s, false, {}, {}},
        CasoCliente {"PrivacyOneContact", u"0600957"_s, u"PRIVACY"_s, false,
            u"cliente957@cliente957.it"_s, {}}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(ContattiTest, SupplierContactsOfTheOtherCodesAreAppended)
{
    Cliente cliente = Soggetto(u"0600950"_s);
    CercaContattiCliente(cliente, u"01"_s, u"FATT."_s, m_rubrica, *m_globali->Archivio);
    CercaContattiFornitori(cliente, u"01"_s, u"FATT."_s, m_rubrica, u"0000001 0000002 0000003 "_s);
    EXPECT_EQ(cliente.Email,
        u"fatture@cliente950.it;fornitore1@fornitori.it;fornitore2@fornitori.it;"
        u"fornitore2b@fornitori.it");
    EXPECT_EQ(cliente.Codice, u"0600950");

    Cliente soloFax = Soggetto(u"0600953"_s);
    CercaContattiCliente(soloFax, u"01"_s, u"FATT."_s, m_rubrica, *m_globali->Archivio);
    CercaContattiFornitori(soloFax, u"01"_s, u"FATT."_s, m_rubrica, {});
    EXPECT_EQ(soloFax.Fax, u"0574123") << "the customer's own fax survives the supplier step";
}

TEST(CodiciAltriSoggettiTest, SevenCharactersAndASeparatorUntilABlank)
{
    EXPECT_EQ(
        CodiciAltriSoggetti(u"0000001 0000002 "_s), (QStringList {u"0000001"_s, u"0000002"_s}));
    EXPECT_EQ(
        CodiciAltriSoggetti(u"0000001;0000002"_s), (QStringList {u"0000001"_s, u"0000002"_s}));
    EXPECT_EQ(CodiciAltriSoggetti(u"0000001         0000003"_s), (QStringList {u"0000001"_s}));
    EXPECT_TRUE(CodiciAltriSoggetti(u" "_s).isEmpty());
}

TEST_F(ContattiTest, PrivacyRankingThroughTheDirectory)
{
    int conteggio = 0;
    // Ufficio direzione first, then an unusable and a usable "Azienda": the usable one wins.
    const auto azienda
        = TrovaContatto(Soggetto(u"0600960"_s), u"01"_s, u"PRIVACY"_s, m_rubrica, conteggio, 0, {});
    EXPECT_EQ(conteggio, 4);
    ASSERT_TRUE(azienda);
    EXPECT_EQ(azienda->PrimoValore(u"facsimileTelephoneNumber"_s), u"0551960");
    // A usable administration office beats an "Azienda" found before it.
    const auto ufficio
        = TrovaContatto(Soggetto(u"0600961"_s), u"01"_s, u"PRIVACY"_s, m_rubrica, conteggio, 0, {});
    ASSERT_TRUE(ufficio);
    EXPECT_EQ(ufficio->PrimoValore(u"mail"_s), u"amministrazione@cliente961.it");
    // A supplier's privacy contacts are "FO": this customer's are not.
    EXPECT_FALSE(TrovaContatto(Soggetto(u"0600961"_s, u"FORNITORE"_s), u"01"_s, u"PRIVACY"_s,
        m_rubrica, conteggio, 0, {}));
}

VoceLdap Voce(const QString& funzione, const QString& mail, const QString& fax = {})
{
    VoceLdap voce;
    voce.Dn = funzione + u'/' + mail + fax;
    voce.Attributi.insert(u"departmentnumber"_s, {funzione});
    if (!mail.isNull())
        voce.Attributi.insert(u"mail"_s, {mail});
    if (!fax.isNull())
        voce.Attributi.insert(u"facsimiletelephonenumber"_s, {fax});
    return voce;
}

TEST(ScegliContattoPrivacyTest, RanksUsableContactsByFunction)
{
    const RisultatiLdap voci {Voce(u"Ufficio direzione"_s, u"d1"_s),
        Voce(u"Ufficio direzione"_s, u"d2"_s), Voce(u"Azienda"_s, u" "_s),
        Voce(u"Azienda"_s, {}, u"a1"_s), Voce(u"Azienda"_s, u"a2"_s)};
    ASSERT_TRUE(ScegliContattoPrivacy(voci));
    EXPECT_EQ(ScegliContattoPrivacy(voci)->Dn, u"Azienda/a1");
    EXPECT_EQ(ScegliContattoPrivacy(voci.mid(0, 3))->Dn, u"Ufficio direzione/d1");

    RisultatiLdap conReferente = voci;
    conReferente.append(Voce(u"Referente amministrativo"_s, {}));
    conReferente.append(Voce(u"Referente amministrativo"_s, u"r1"_s));
    conReferente.append(Voce(u"Ufficio amministrazione"_s, u"u1"_s));
    EXPECT_EQ(ScegliContattoPrivacy(conReferente)->Dn, u"Referente amministrativo/r1");

    EXPECT_FALSE(ScegliContattoPrivacy({Voce(u"Invio fatture"_s, u"f"_s), Voce(u"Azienda"_s, {})}));
    EXPECT_FALSE(HaValoreAttributo(nullptr, u"mail"_s, u"x"_s));
    EXPECT_FALSE(HaValoreAttributo(&voci.first(), u"departmentnumber"_s, u"ufficio direzione"_s));
    EXPECT_TRUE(HaValoreAttributo(&voci.first(), u"departmentNumber"_s, u"Ufficio direzione"_s));
}

TEST_F(ContattiTest, ToSendFillAsksTheDirectoryOncePerSubjectAndKind)
{
    RubricaInvioLdap rubrica(*m_globali, m_dialoghi, AccessoLdap {});
    ASSERT_TRUE(rubrica.Connetti());
    Documento fattura;
    fattura.Sigla = u"FATT."_s;
    fattura.AltriCodici = u"0000001 "_s;
    Documento bolla;
    bolla.Sigla = u"BOLLA"_s;
    for (int volta = 0; volta < 3; ++volta) {
        Cliente copia = Soggetto(u"0600950"_s);
        rubrica.CompletaIndirizzi(copia, fattura);
        EXPECT_EQ(copia.Email, u"fatture@cliente950.it;fornitore1@fornitori.it");
        EXPECT_EQ(copia.Fax, QString());
    }
    EXPECT_EQ(rubrica.RicercheEseguite(), 2);
    Cliente copia = Soggetto(u"0600950"_s);
    rubrica.CompletaIndirizzi(copia, bolla);
    EXPECT_EQ(copia.Email, u"bolle@cliente950.it");
    EXPECT_EQ(rubrica.RicercheEseguite(), 3);

    // A new search asks again: the directory may have changed in between.
    ASSERT_TRUE(rubrica.Connetti());
    rubrica.CompletaIndirizzi(copia, bolla);
    EXPECT_EQ(rubrica.RicercheEseguite(), 1);
}

} // namespace
