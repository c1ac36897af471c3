#include "contacts/RubricaInvioLdap.h"

#include "app/Invexo_Main.h"
#include "contacts/ConnessioneLdap.h"

RubricaInvioLdap::RubricaInvioLdap(Invexo_Main& globali, Dialoghi& dialoghi, AccessoLdap accesso)
    : m_globali(globali)
    , m_dialoghi(dialoghi)
    , m_accesso(std::move(accesso))
{
}

bool RubricaInvioLdap::Connetti()
{
    m_rubrica.reset();
    m_connessione = ConnessioneLdap(m_globali, m_dialoghi, m_accesso);
    if (!m_connessione)
        return false;
    m_rubrica.emplace(*m_connessione, true);
    return true;
}

void RubricaInvioLdap::CompletaIndirizzi(Cliente& copia, const Documento& documento)
{
    if (!m_rubrica)
        return;
    const ArchivioSerie& opzioni = m_globali.Opzioni();
    CercaContattiCliente(copia, m_globali.CodiceAzienda, documento.Sigla, *m_rubrica, opzioni);
    CercaContattiFornitori(
        copia, m_globali.CodiceAzienda, documento.Sigla, *m_rubrica, documento.AltriCodici);
}

int RubricaInvioLdap::RicercheEseguite() const
{
    return m_rubrica ? m_rubrica->RicercheEseguite() : 0;
}
