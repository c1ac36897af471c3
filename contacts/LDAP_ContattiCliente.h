#pragma once

#include "contacts/CLdapUtil.h"
#include "orbeni/Cliente.h"
#include "orbeni/Risultati.h"

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

// The contacts of customers and suppliers in the directory branch "ou=addressbook": who
// receives which kind of document, with which e-mail address and fax number.

// The contacts branch of a connection. Within one run of lookups (a to-send search) the
// directory does not change, so a run may keep each filter's answer and ask it only once.
class RubricaContatti final {
public:
    explicit RubricaContatti(CLdapUtil& connessione, bool memorizza = false);

    // The contacts the filter finds, in the directory's order; null when none.
    [[nodiscard]] std::shared_ptr<const RisultatiLdap> Cerca(const QString& filtro);
    // How many searches reached the directory.
    [[nodiscard]] int RicercheEseguite() const { return m_ricerche; }

private:
    CLdapUtil& m_connessione;
    bool m_memorizza;
    int m_ricerche = 0;
    QHash<QString, std::shared_ptr<const RisultatiLdap>> m_risposte;
};

// The contact functions a privacy notice ranks, in the editor's order.
[[nodiscard]] const QStringList& FunzioniPrivacy();

// The kind's clauses of the filter; the contact type is "CL" when empty. Unknown kinds get
// clauses no contact matches.
[[nodiscard]] QString ClausoleSigla(
    const QString& sigla, const QString& tipoContatto, const QString& tipoAnagrafica);

// The filter of the subject's contacts of a kind, its codes escaped.
[[nodiscard]] QString FiltroContatti(const Cliente& soggetto, const QString& codiceAzienda,
    const QString& sigla, const QString& tipoContatto);

// The contact at the index (for "PRIVACY" with several contacts, the ranked one); nothing when
// none is found. conteggio is set to the number found, untouched when nothing is.
[[nodiscard]] std::optional<VoceLdap> TrovaContatto(const Cliente& soggetto,
    const QString& codiceAzienda, const QString& sigla, RubricaContatti& rubrica, int& conteggio,
    int indice, const QString& tipoContatto);

// Whether one of the entry's values of the attribute is exactly the text.
[[nodiscard]] bool HaValoreAttributo(
    const VoceLdap* voce, const QString& attributo, const QString& testo);

// The privacy contact: the first usable administrative referent or administration office,
// else the first usable "Azienda", else the first usable "Ufficio direzione"; null when none.
[[nodiscard]] const VoceLdap* ScegliContattoPrivacy(const RisultatiLdap& voci);

// Sets the subject's Email and Fax from its customer contacts of the kind: every valid e-mail
// joined with ";" and the last fax; in gateway mode one address, a fax turned into the
// gateway's mail address when there is no e-mail.
void CercaContattiCliente(Cliente& soggetto, const QString& codiceAzienda, const QString& sigla,
    RubricaContatti& rubrica, const ArchivioSerie& opzioni);

// Appends to the subject's Email the e-mail addresses of the supplier contacts of each code of
// altriCodici (seven characters each, one separator after each). The subject's code is the
// same afterwards.
void CercaContattiFornitori(Cliente& soggetto, const QString& codiceAzienda, const QString& sigla,
    RubricaContatti& rubrica, const QString& altriCodici);

// The codes of a document's AltriCodici.
[[nodiscard]] QStringList CodiciAltriSoggetti(const QString& altriCodici);
