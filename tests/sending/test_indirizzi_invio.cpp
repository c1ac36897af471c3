#include "sending/CDatiInvioDocumentoCliente.h"
#include "sending/IndirizziInvio.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoValidita {
    QString Testo;
    bool Valido;
};

void PrintTo(const CasoValidita& caso, std::ostream* os)
{
    *os << '"' << caso.Testo.toStdString() << '"';
}

class EmailValida : public ::testing::TestWithParam<CasoValidita> { };

TEST_P(EmailValida, FollowsTheAtAndBlankRules)
{
    EXPECT_EQ(IndirizzoEmailValido(GetParam().Testo), GetParam().Valido);
}

INSTANTIATE_TEST_SUITE_P(Casi, EmailValida,
    ::testing::Values(CasoValidita {u""_s, true}, CasoValidita {u"mario@rossi.it"_s, true},
        CasoValidita {u"@."_s, true}, CasoValidita {u"mario@rossi"_s, false},
        CasoValidita {u"mario.rossi@it"_s, false}, CasoValidita {u"mario"_s, false},
        CasoValidita {u"a@b.it@c.it"_s, false}, CasoValidita {u"a@@b.it"_s, false},
        CasoValidita {u"mario@rossi.it   "_s, true}, CasoValidita {u"mario@rossi.it x"_s, false},
        CasoValidita {u"mario @rossi.it"_s, false}, CasoValidita {u"a@b.it;c@d.it"_s, false},
        CasoValidita {u"MARIO+1@ROSSI.IT"_s, true},
        // Only the first 100 characters follow the blank rule.
        CasoValidita {u"a@b.it "_s + QString(93, u' ') + u'x', true},
        CasoValidita {u"a@b.it "_s + QString(92, u' ') + u'x', false}));

class FaxValido : public ::testing::TestWithParam<CasoValidita> { };

TEST_P(FaxValido, TakesDigitsAndSeparatorsOnly)
{
    EXPECT_EQ(NumeroFaxValido(GetParam().Testo), GetParam().Valido);
}

INSTANTIATE_TEST_SUITE_P(Casi, FaxValido,
    ::testing::Values(CasoValidita {u""_s, true}, CasoValidita {u"0522/123.456,7"_s, true},
        CasoValidita {u"0522 123456"_s, false}, CasoValidita {u"+39052212"_s, false},
        CasoValidita {u"0522-12"_s, false}, CasoValidita {u"(0522)12"_s, false},
        CasoValidita {u"0522a"_s, false}, CasoValidita {QString(100, u'1') + u"+ -x"_s, true},
        CasoValidita {QString(99, u'1') + u'+', false}));

struct CasoTrasformazione {
    QString Ingresso;
    QString Atteso;
};

void PrintTo(const CasoTrasformazione& caso, std::ostream* os)
{
    *os << '"' << caso.Ingresso.toStdString() << '"';
}

class NumeroDelGateway : public ::testing::TestWithParam<CasoTrasformazione> { };

TEST_P(NumeroDelGateway, IsTheTextBetweenThePrefixAndTheAt)
{
    EXPECT_EQ(EstraiNumeroFax(GetParam().Ingresso), GetParam().Atteso);
}

INSTANTIATE_TEST_SUITE_P(Casi, NumeroDelGateway,
    ::testing::Values(CasoTrasformazione {u"fax-0522123456@fax.it"_s, u"0522123456"_s},
        CasoTrasformazione {u"fax-0522/12@fax.it@x"_s, u"0522/12"_s},
        CasoTrasformazione {u"FAX-0522123456@fax.it"_s, u""_s},
        CasoTrasformazione {u"mario@rossi.it"_s, u""_s},
        CasoTrasformazione {u"fax-@fax.it"_s, u""_s},
        // Without an "@" the whole rest is the number.
        CasoTrasformazione {u"fax-0522/12"_s, u"0522/12"_s},
        CasoTrasformazione {u"fax-"_s, u""_s}));

class GatewayNormalizzato : public ::testing::TestWithParam<CasoTrasformazione> { };

TEST_P(GatewayNormalizzato, KeepsOnlyTheDigitsOfTheNumber)
{
    EXPECT_EQ(NormalizzaIndirizzoFax(GetParam().Ingresso), GetParam().Atteso);
}

INSTANTIATE_TEST_SUITE_P(Casi, GatewayNormalizzato,
    ::testing::Values(CasoTrasformazione {u"fax-0522/123.456@fax.it"_s, u"fax-0522123456@fax.it"_s},
        CasoTrasformazione {u"fax-05,22@fax.it@altro.it"_s, u"fax-0522@fax.it"_s},
        CasoTrasformazione {u"fax-@fax.it"_s, u"fax-@fax.it"_s},
        CasoTrasformazione {u"fax-0522@"_s, u"fax-0522@"_s},
        CasoTrasformazione {u"fax-0522/12"_s, u"fax-0522/12"_s},
        CasoTrasformazione {u"Fax-0522/12@fax.it"_s, u"Fax-0522/12@fax.it"_s},
        CasoTrasformazione {u"mario.rossi@fax.it"_s, u"mario.rossi@fax.it"_s}));

TEST(IndirizzoFaxGateway, JoinsPrefixNumberAndDomain)
{
    EXPECT_EQ(IndirizzoFaxGateway(u"0522"_s, u"fax.it"_s), u"fax-0522@fax.it");
    EXPECT_EQ(IndirizzoFaxGateway({}, u"fax.it"_s), u"fax-@fax.it");
}

struct CasoTipoInvio {
    const char16_t* Email;
    const char16_t* Fax;
    bool DaStampare;
    const char16_t* Atteso;
};

class TipoInvio : public ::testing::TestWithParam<CasoTipoInvio> { };

TEST_P(TipoInvio, FollowsTheCustomerAtTheMomentOfReading)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Email = QStringView(GetParam().Email).toString();
    cliente->Fax = QStringView(GetParam().Fax).toString();
    const CDatiInvioDocumentoCliente voce {
        cliente, std::make_shared<Documento>(), GetParam().DaStampare};
    EXPECT_EQ(voce.TipoInvio(), QStringView(GetParam().Atteso).toString());
}

INSTANTIATE_TEST_SUITE_P(Casi, TipoInvio,
    ::testing::Values(CasoTipoInvio {u"a@b.it", u"0522", true, u"STAMPA"},
        CasoTipoInvio {u"", u"", true, u"STAMPA"},
        CasoTipoInvio {u"a@b.it", u"0522", false, u"EMAIL"},
        CasoTipoInvio {u" ", u"", false, u"EMAIL"},
        CasoTipoInvio {u"fax-05@f.it", u"", false, u"EMAIL"},
        CasoTipoInvio {u"", u"0522", false, u"FAX"}, CasoTipoInvio {u"", u"", false, u""}));

TEST(TipoInvio, IsReadAgainAfterTheAddressChanges)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Fax = u"0522"_s;
    const CDatiInvioDocumentoCliente voce {cliente, {}, false};
    EXPECT_EQ(voce.TipoInvio(), u"FAX");
    cliente->Email = u"a@b.it"_s;
    EXPECT_EQ(voce.TipoInvio(), u"EMAIL");
    EXPECT_EQ(CDatiInvioDocumentoCliente {}.TipoInvio(), u"");
}

} // namespace
