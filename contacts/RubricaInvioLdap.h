#pragma once

#include "contacts/CLdapUtil.h"
#include "contacts/LDAP_ContattiCliente.h"
#include "documents/RubricaInvio.h"

#include <memory>
#include <optional>

class Dialoghi;
struct Invexo_Main;

// The directory as the to-send search uses it. Each search connects once and keeps every
// filter's answer until the next one: the directory does not change during a search, and a
// customer with many documents of a kind is asked for once.
class RubricaInvioLdap final : public RubricaInvio {
public:
    RubricaInvioLdap(Invexo_Main& globali, Dialoghi& dialoghi, AccessoLdap accesso);

    bool Connetti() override;
    void CompletaIndirizzi(Cliente& copia, const Documento& documento) override;

    // Directory searches of the current search run, for the benchmark and the tests.
    [[nodiscard]] int RicercheEseguite() const;

private:
    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    AccessoLdap m_accesso;
    std::shared_ptr<CLdapUtil> m_connessione;
    std::optional<RubricaContatti> m_rubrica;
};
