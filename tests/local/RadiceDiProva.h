#pragma once

#include "orbeni/local/AmbienteLocale.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <memory>

// A temporary root with the embedded server on it, the clock fixed and the dialogs scripted.
class RadiceDiProva final {
public:
    explicit RadiceDiProva(bool demo);

    [[nodiscard]] QString Radice() const { return m_temp.File(QStringLiteral("server")); }
    ServerLocale& Server() { return *m_server; }
    AmbienteLocale& Ambiente() { return *m_ambiente; }
    DialoghiScriptati Dialoghi;
    OrologioFisso Ora;

private:
    TempRoot m_temp;
    std::shared_ptr<AmbienteLocale> m_ambiente;
    std::unique_ptr<ServerLocale> m_server;
};

// The demo root, seeded once for the whole test program (seeding takes a moment).
RadiceDiProva& RadiceDemo();
