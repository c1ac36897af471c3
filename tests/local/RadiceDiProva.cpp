#include "tests/local/RadiceDiProva.h"

#include <gtest/gtest.h>

RadiceDiProva::RadiceDiProva(bool demo)
    : Ora(QDateTime(QDate(2025, 6, 16), QTime(9, 30)))
    , m_ambiente(std::make_shared<AmbienteLocale>(m_temp.File(QStringLiteral("postazione"))))
    , m_server(std::make_unique<ServerLocale>(
          Radice(), m_ambiente, Dialoghi, OpzioniServerLocale {demo, &Ora}))
{
}

namespace {

// Drops the shared demo root while the application still runs, so its store closes cleanly.
class AmbienteDemo final : public ::testing::Environment {
public:
    void TearDown() override { Radice.reset(); }
    std::unique_ptr<RadiceDiProva> Radice;
};

AmbienteDemo* const ambienteDemo
    = static_cast<AmbienteDemo*>(::testing::AddGlobalTestEnvironment(new AmbienteDemo));

} // namespace

RadiceDiProva& RadiceDemo()
{
    if (!ambienteDemo->Radice)
        ambienteDemo->Radice = std::make_unique<RadiceDiProva>(true);
    return *ambienteDemo->Radice;
}
