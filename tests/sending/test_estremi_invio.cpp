#include "sending/EstremiInvio.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoApertura {
    const char* Nome;
    QString Email;
    QString Fax;
    bool FaxViaEmail;
    ModalitaEstremi Modalita;
    bool OpzioniVisibili;
    QString Testo;
};

void PrintTo(const CasoApertura& caso, std::ostream* os)
{
    *os << caso.Nome;
}

class AperturaEditor : public ::testing::TestWithParam<CasoApertura> { };

TEST_P(AperturaEditor, ShowsTheAddressTheCustomerIsSentBy)
{
    Cliente cliente;
    cliente.Nominativo = u"Rossi Mario"_s;
    cliente.Email = GetParam().Email;
    cliente.Fax = GetParam().Fax;
    const AperturaEstremi apertura = ApriEstremiInvio(cliente, GetParam().FaxViaEmail);
    EXPECT_EQ(apertura.Titolo, u"Rossi Mario");
    EXPECT_EQ(apertura.Modalita, GetParam().Modalita);
    EXPECT_EQ(apertura.OpzioniVisibili, GetParam().OpzioniVisibili);
    EXPECT_EQ(apertura.Testo, GetParam().Testo);
}

constexpr auto Email = ModalitaEstremi::Email;
constexpr auto Fax = ModalitaEstremi::Fax;

INSTANTIATE_TEST_SUITE_P(Casi, AperturaEditor,
    ::testing::Values(CasoApertura {"gatewayFax", u"fax-0522/12@fax.it"_s, u"051"_s, true, Fax,
                          true, u"0522/12"_s},
        CasoApertura {"gatewayFaxWithoutAt", u"fax-0522/12"_s, {}, true, Fax, true, u"0522/12"_s},
        CasoApertura {"gatewayCapitalPrefix", u"FAX-0522@fax.it"_s, {}, true, Email, true,
            u"FAX-0522@fax.it"_s},
        CasoApertura {"gatewayEmail", u"a@b.it"_s, u"051"_s, true, Email, true, u"a@b.it"_s},
        CasoApertura {"noGatewayEmail", u"a@b.it"_s, u"051"_s, false, Email, false, u"a@b.it"_s},
        CasoApertura {"noGatewayFaxPrefix", u"fax-0522@fax.it"_s, {}, false, Email, false,
            u"fax-0522@fax.it"_s},
        CasoApertura {"faxOnly", {}, u"051/22"_s, false, Fax, true, u"051/22"_s},
        CasoApertura {"faxOnlyGateway", {}, u"051/22"_s, true, Fax, true, u"051/22"_s},
        CasoApertura {"nothing", {}, {}, false, Email, true, {}}));

struct CasoConferma {
    const char* Nome;
    ModalitaEstremi Modalita;
    bool FaxViaEmail;
    QString Testo;
    std::optional<QString> Errore;
    QString Email;
    QString Fax;
};

void PrintTo(const CasoConferma& caso, std::ostream* os)
{
    *os << caso.Nome;
}

class ConfermaEditor : public ::testing::TestWithParam<CasoConferma> { };

TEST_P(ConfermaEditor, WritesOnlyTheFieldOfTheMode)
{
    Cliente cliente;
    cliente.Email = u"old@b.it"_s;
    cliente.Fax = u"0000"_s;
    ArchivioSerie opzioni;
    opzioni.FaxViaEmail = GetParam().FaxViaEmail;
    opzioni.DominioPosta = u"fax.quorvanel.it"_s;
    EXPECT_EQ(ConfermaEstremiInvio(cliente, GetParam().Modalita, GetParam().Testo, opzioni),
        GetParam().Errore);
    EXPECT_EQ(cliente.Email, GetParam().Email);
    EXPECT_EQ(cliente.Fax, GetParam().Fax);
}

const QString ErroreEmail = u"Indirizzo email non valido"_s;
const QString ErroreFax = u"Numero fax non valido"_s;

INSTANTIATE_TEST_SUITE_P(Casi, ConfermaEditor,
    ::testing::Values(
        CasoConferma {"email", Email, false, u"  new@b.it "_s, {}, u"new@b.it"_s, u"0000"_s},
        CasoConferma {"emptyEmail", Email, true, u"  "_s, {}, u""_s, u"0000"_s},
        CasoConferma {"badEmail", Email, false, u"new@b"_s, ErroreEmail, u"old@b.it"_s, u"0000"_s},
        CasoConferma {"gatewayFax", Fax, true, u"0522/12"_s, {}, u"fax-0522/12@fax.quorvanel.it"_s,
            u"0000"_s},
        CasoConferma {
            "gatewayEmptyFax", Fax, true, u""_s, {}, u"fax-@fax.quorvanel.it"_s, u"0000"_s},
        CasoConferma {
            "gatewayBadFax", Fax, true, u"+39 0522"_s, ErroreFax, u"old@b.it"_s, u"0000"_s},
        CasoConferma {"fax", Fax, false, u" 0522/12 "_s, {}, u"old@b.it"_s, u"0522/12"_s},
        CasoConferma {"badFax", Fax, false, u"0522-12"_s, ErroreFax, u"old@b.it"_s, u"0000"_s}));

TEST(TastoAmmessoEstremiInvio, TakesEditingKeysAndAsciiOnly)
{
    for (char16_t codice : {8, 9, 10, 13, 32, 64, 126, 127})
        EXPECT_TRUE(TastoAmmessoEstremiInvio(codice)) << int(codice);
    for (char16_t codice : {0, 7, 11, 12, 22, 27, 31, 128, 0xE9, 0x20AC})
        EXPECT_FALSE(TastoAmmessoEstremiInvio(codice)) << int(codice);
}

} // namespace
