#include "app/FineProgramma.h"
#include "tests/app/AmbienteFinto.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FineProgrammaTest : public testing::Test {
protected:
    std::shared_ptr<AmbienteFinto> ambiente = std::make_shared<AmbienteFinto>();
    Invexo_Main globali;

    void Termina()
    {
        FineProgramma(globali,
            [this](int codice) { ambiente->chiamate.append(u"Termina %1"_s.arg(codice)); });
    }
};

TEST_F(FineProgrammaTest, ChiudeLaSessioneApertaPoiTermina)
{
    globali.Ambiente = ambiente;
    globali.SessioneOrbeni = ambiente->ApriSessione();
    Termina();
    EXPECT_EQ(ambiente->chiamate, QStringList({u"ChiudiSessione"_s, u"Termina 0"_s}));
    EXPECT_FALSE(globali.SessioneOrbeni->Aperta());
}

TEST_F(FineProgrammaTest, SenzaSessioneApertaTerminaSoltanto)
{
    globali.Ambiente = ambiente;
    Termina();
    globali.SessioneOrbeni = ambiente->ApriSessione();
    globali.SessioneOrbeni->Chiudi();
    Termina();
    EXPECT_EQ(ambiente->chiamate, QStringList({u"Termina 0"_s, u"Termina 0"_s}));
}

TEST(TerminaProcessoSubito, EsceColCodice)
{
    EXPECT_EXIT(TerminaProcessoSubito(3), testing::ExitedWithCode(3), "");
}

} // namespace
