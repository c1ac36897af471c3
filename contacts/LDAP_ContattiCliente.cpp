#include "contacts/LDAP_ContattiCliente.h"

#include "contacts/FiltroLdap.h"
#include "sending/IndirizziInvio.h"

using namespace Qt::StringLiterals;

namespace {

const QString ramoContatti = u"ou=addressbook"_s;
const QString funzione = u"departmentnumber"_s;

const QString privacy = u"PRIVACY"_s;
const QString privacyAmministrativo = u"PRIVACYAMMINISTRATIVO"_s;

QString Clausola(const QString& attributo, const QString& valore)
{
    return u'(' + attributo + u'=' + valore + u')';
}

QString ClausolaPrivacy(const QString& tipoAnagrafica)
{
    const QString tipo = tipoAnagrafica.trimmed().toUpper();
    if (tipo == u"CLIENTE"_s)
        return Clausola(u"employeeType"_s, u"CL"_s);
    if (tipo == u"FORNITORI"_s || tipo == u"FORNITORE"_s)
        return Clausola(u"employeeType"_s, u"FO"_s);
    return {};
}

// What one contact gives: its own e-mail (when valid) and the lookup's current values.
struct LetturaContatto final {
    QString Email;
    QString Fax;
    bool EmailPropria = false;
};

// Blank values leave the current ones; an e-mail without "@" from its second character on
// empties the current e-mail.
void LeggiContatto(const VoceLdap& voce, LetturaContatto& corrente)
{
    corrente.EmailPropria = false;
    const QString email = voce.PrimoValore(u"mail"_s).trimmed();
    if (!email.isEmpty()) {
        if (email.indexOf(u'@') >= 1) {
            corrente.Email = email;
            corrente.EmailPropria = true;
        } else {
            corrente.Email.clear();
        }
    }
    const QString fax = voce.PrimoValore(u"facsimileTelephoneNumber"_s).trimmed();
    if (!fax.isEmpty())
        corrente.Fax = fax;
}

bool Usabile(const VoceLdap& voce)
{
    return !voce.PrimoValore(u"mail"_s).trimmed().isEmpty()
        || !voce.PrimoValore(u"facsimileTelephoneNumber"_s).trimmed().isEmpty();
}

// The contacts a lookup reads for the kind, in order: all of them, or for a privacy notice
// with several contacts only the administrative referents.
RisultatiLdap ContattiDaLeggere(const Cliente& soggetto, const QString& codiceAzienda,
    const QString& sigla, RubricaContatti& rubrica, const QString& tipoContatto)
{
    const auto voci = rubrica.Cerca(FiltroContatti(soggetto, codiceAzienda, sigla, tipoContatto));
    if (!voci)
        return {};
    if (sigla.toUpper() != privacy || voci->size() == 1)
        return *voci;
    const auto referenti = rubrica.Cerca(
        FiltroContatti(soggetto, codiceAzienda, privacyAmministrativo, tipoContatto));
    return referenti ? *referenti : RisultatiLdap();
}

void AggiungiEmail(QString& elenco, const QString& email, bool vuotoSeSpazio)
{
    // The customer lookup counts a lone blank as empty, as the record's field may hold one.
    const bool pieno = vuotoSeSpazio ? QString::compare(elenco, u" "_s) > 0 : !elenco.isEmpty();
    elenco = pieno ? elenco + u';' + email : email;
}

} // namespace

RubricaContatti::RubricaContatti(CLdapUtil& connessione, bool memorizza)
    : m_connessione(connessione)
    , m_memorizza(memorizza)
{
}

std::shared_ptr<const RisultatiLdap> RubricaContatti::Cerca(const QString& filtro)
{
    if (m_memorizza) {
        const auto trovata = m_risposte.constFind(filtro);
        if (trovata != m_risposte.constEnd())
            return trovata.value();
    }
    ++m_ricerche;
    auto voci = m_connessione.SearchEntries(ramoContatti, filtro);
    std::shared_ptr<const RisultatiLdap> risposta
        = voci ? std::make_shared<const RisultatiLdap>(std::move(*voci)) : nullptr;
    if (m_memorizza)
        m_risposte.insert(filtro, risposta);
    return risposta;
}

const QStringList& FunzioniPrivacy()
{
    static const QStringList funzioni {u"Referente amministrativo"_s, u"Ufficio amministrazione"_s,
        u"Azienda"_s, u"Ufficio direzione"_s};
    return funzioni;
}

QString ClausoleSigla(
    const QString& sigla, const QString& tipoContatto, const QString& tipoAnagrafica)
{
    const QString codice = sigla.toUpper();
    const QString tipo = Clausola(u"employeeType"_s, tipoContatto);
    if (codice == u"FATT."_s || codice == u"NT.CRED."_s)
        return tipo + Clausola(funzione, u"Invio fatture"_s);
    if (codice == u"CONF."_s)
        return tipo + Clausola(funzione, u"Invio conferme"_s);
    if (codice == u"CONFC."_s)
        return tipo + Clausola(funzione, u"Invio conferme di campionario"_s);
    if (codice == u"BOLLA"_s)
        return tipo + Clausola(funzione, u"Invio bolle"_s);
    if (codice == privacy)
        return ClausolaPrivacy(tipoAnagrafica);
    if (codice == privacyAmministrativo)
        return ClausolaPrivacy(tipoAnagrafica) + Clausola(funzione, FunzioniPrivacy().first());
    return Clausola(u"employeeType"_s, u"xx"_s) + Clausola(funzione, u"xxxxxxxxxxxxxxxxxxxxx"_s);
}

QString FiltroContatti(const Cliente& soggetto, const QString& codiceAzienda, const QString& sigla,
    const QString& tipoContatto)
{
    const QString tipo = tipoContatto.isEmpty() ? u"CL"_s : tipoContatto;
    return u"(&(!(givenName=@))(objectclass=person)"_s
        + ClausoleSigla(sigla, tipo, soggetto.TipoAnagrafica) + u"(orbeniCode="_s
        + ValoreFiltroLdap(codiceAzienda) + u'|' + ValoreFiltroLdap(soggetto.Codice.trimmed())
        + u")(!(mail=fax-*)))"_s;
}

std::optional<VoceLdap> TrovaContatto(const Cliente& soggetto, const QString& codiceAzienda,
    const QString& sigla, RubricaContatti& rubrica, int& conteggio, int indice,
    const QString& tipoContatto)
{
    const auto voci = rubrica.Cerca(FiltroContatti(soggetto, codiceAzienda, sigla, tipoContatto));
    if (!voci)
        return std::nullopt;
    conteggio = static_cast<int>(voci->size());
    if (sigla.toUpper() != privacy) {
        if (indice < 0 || indice >= voci->size())
            return std::nullopt;
        return voci->at(indice);
    }
    if (voci->size() == 1)
        return voci->first();
    const VoceLdap* scelta = ScegliContattoPrivacy(*voci);
    return scelta ? std::optional<VoceLdap>(*scelta) : std::nullopt;
}

bool HaValoreAttributo(const VoceLdap* voce, const QString& attributo, const QString& testo)
{
    if (!voce || attributo.isEmpty() || testo.isEmpty())
        return false;
    const QStringList* valori = voce->Attributo(attributo);
    return valori && valori->contains(testo);
}

const VoceLdap* ScegliContattoPrivacy(const RisultatiLdap& voci)
{
    const QStringList& funzioni = FunzioniPrivacy();
    const VoceLdap* candidato = nullptr;
    bool candidatoAzienda = false;
    for (const VoceLdap& voce : voci) {
        if (!Usabile(voce))
            continue;
        if (HaValoreAttributo(&voce, funzione, funzioni.at(0))
            || HaValoreAttributo(&voce, funzione, funzioni.at(1)))
            return &voce;
        if (HaValoreAttributo(&voce, funzione, funzioni.at(2)) && !candidatoAzienda) {
            candidato = &voce;
            candidatoAzienda = true;
        }
        if (HaValoreAttributo(&voce, funzione, funzioni.at(3)) && !candidato)
            candidato = &voce;
    }
    return candidato;
}

void CercaContattiCliente(Cliente& soggetto, const QString& codiceAzienda, const QString& sigla,
    RubricaContatti& rubrica, const ArchivioSerie& opzioni)
{
    soggetto.Email.clear();
    soggetto.Fax.clear();
    // One search gives every contact: reading them by index would ask the same question again.
    LetturaContatto corrente;
    for (const VoceLdap& voce :
        ContattiDaLeggere(soggetto, codiceAzienda, sigla, rubrica, u"CL"_s)) {
        LeggiContatto(voce, corrente);
        if (opzioni.FaxViaEmail) {
            soggetto.Fax = corrente.Fax;
            soggetto.Email = corrente.Email;
            if (soggetto.Email.isEmpty() && !soggetto.Fax.isEmpty())
                soggetto.Email = IndirizzoFaxGateway(soggetto.Fax, opzioni.DominioPosta.trimmed());
        } else {
            if (corrente.EmailPropria)
                AggiungiEmail(soggetto.Email, corrente.Email, true);
            soggetto.Fax = corrente.Fax;
        }
    }
}

QStringList CodiciAltriSoggetti(const QString& altriCodici)
{
    QStringList codici;
    for (qsizetype posizione = 0; posizione < altriCodici.size(); posizione += 8) {
        const QString codice = altriCodici.mid(posizione, 7);
        if (codice.trimmed().isEmpty())
            break;
        codici.append(codice);
    }
    return codici;
}

void CercaContattiFornitori(Cliente& soggetto, const QString& codiceAzienda, const QString& sigla,
    RubricaContatti& rubrica, const QString& altriCodici)
{
    // The subject's fax stays: it is the address its own contacts gave, and without it a
    // customer reached only by fax would go on paper.
    const QString codiceSoggetto = soggetto.Codice;
    for (const QString& codice : CodiciAltriSoggetti(altriCodici)) {
        soggetto.Codice = codice;
        LetturaContatto corrente;
        for (const VoceLdap& voce :
            ContattiDaLeggere(soggetto, codiceAzienda, sigla, rubrica, u"FO"_s)) {
            LeggiContatto(voce, corrente);
            if (corrente.EmailPropria)
                AggiungiEmail(soggetto.Email, corrente.Email, false);
        }
    }
    soggetto.Codice = codiceSoggetto;
}
