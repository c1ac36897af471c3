#include "contacts/EditorRubricaCliente.h"

#include "app/Invexo_Main.h"
#include "contacts/ConnessioneLdap.h"
#include "contacts/LDAP_ContattiCliente.h"
#include "contacts/RichiestaAggiornamento.h"
#include "forms/Dialoghi.h"

using namespace Qt::StringLiterals;

EditorRubricaCliente::EditorRubricaCliente(Invexo_Main& globali, Dialoghi& dialoghi,
    AccessoLdap accesso, TempiAggiornamento tempi, QObject* genitore)
    : QObject(genitore)
    , m_globali(globali)
    , m_dialoghi(dialoghi)
    , m_accesso(std::move(accesso))
    , m_invio(dialoghi, tempi)
{
    connect(&m_invio, &InvioAggiornamento::ChiudiEditor, this, &EditorRubricaCliente::Chiusura);
}

QString EditorRubricaCliente::CodiceCliente() const
{
    return m_cliente ? m_cliente->Codice : QString();
}

QString EditorRubricaCliente::Sigla() const
{
    return m_documento ? m_documento->Sigla : QString();
}

QString EditorRubricaCliente::CodiceDirectory() const
{
    const QString codice
        = m_globali.SessioneOrbeni ? m_globali.SessioneOrbeni->Utente.CodiceDirectory : QString();
    // A session that names no directory company works on its own company: a contact filed
    // under "|" + code would belong to nobody.
    return codice.trimmed().isEmpty() ? m_globali.CodiceAzienda : codice;
}

bool EditorRubricaCliente::Apri(const ClientePtr& cliente, const DocumentoPtr& documento)
{
    m_confermato = false;
    if (!cliente || !documento || !RubricaLdap(m_globali))
        return false;
    m_cliente = cliente;
    m_documento = documento;

    m_dialoghi.Clessidra(true);
    const auto connessione = ConnessioneLdap(m_globali, m_dialoghi, m_accesso);
    if (!connessione) {
        m_dialoghi.Clessidra(false);
        return false;
    }
    m_hostServizio = connessione->webUrl();

    RubricaContatti rubrica(*connessione);
    int conteggio = 0;
    auto voce = TrovaContatto(
        *cliente, CodiceDirectory(), documento->Sigla, rubrica, conteggio, 0, u"CL"_s);
    if (documento->Sigla == u"PRIVACY"_s && conteggio > 1)
        voce = TrovaContatto(*cliente, CodiceDirectory(), u"PRIVACYAMMINISTRATIVO"_s, rubrica,
            conteggio, 0, u"CL"_s);
    if (conteggio >= 2) {
        m_dialoghi.Clessidra(false);
        m_dialoghi.Messaggio(u"Impossibile variare gli indirizzi email. Utilizzare Tramavento"_s,
            PulsantiMessaggio::Ok, IconaMessaggio::Nessuna, {});
        return false;
    }
    m_campi = MostraContatto(voce ? &*voce : nullptr, *cliente, documento->Sigla);
    m_intestazione = IntestazioneContattoPer(voce.has_value());
    m_dialoghi.Clessidra(false);
    return true;
}

bool EditorRubricaCliente::Conferma(const CampiContatto& campi)
{
    if (!m_cliente || !m_documento)
        return false;
    if (const auto errore = ValidaDatiContatto(campi)) {
        m_dialoghi.Messaggio(
            *errore, PulsantiMessaggio::Ok, IconaMessaggio::Nessuna, TitoloDatiContatto.toString());
        return false;
    }
    m_confermato = true;
    m_campi = campi;
    const QString dominioPosta = DominioPosta(m_globali);
    ScriviIndirizziConfermati(*m_cliente, campi, FaxViaEmail(m_globali), dominioPosta);
    const CContattoRubrica contatto
        = CreaContatto(campi, *m_cliente, m_documento->Sigla, CodiceDirectory());
    m_invio.Invia(UrlServizioContatti(m_hostServizio),
        CorpoAggiornamento(contatto, DominioAggiornamento(m_globali.LoginDirectory, dominioPosta),
            m_globali.Utente()));
    return true;
}

void EditorRubricaCliente::Chiudi()
{
    m_confermato = false;
    m_invio.Annulla();
}
