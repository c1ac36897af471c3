#pragma once

#include "orbeni/Cliente.h"

#include <QList>
#include <QString>

// The common interface of the objects a request fills.
class RisultatoRichiesta {
public:
    virtual ~RisultatoRichiesta() = default;
};

// One entry of the series archive: a document type when Serie is empty, else a series of that type.
struct VoceSerie final {
    QString Serie;
    QString DescrizioneSerie;
    QString TipoDocumento;
    QString Sigla;
};

// Document types, series and the service options of the company.
class ArchivioSerie final : public RisultatoRichiesta {
public:
    QList<VoceSerie> VociSerie;
    bool PulsanteStampa = false;
    bool FaxDocumenti = false;
    bool FaxInfo = false;
    bool FaxViaEmail = false;
    bool ModoCodiciRicerca = false;
    bool EmailInfo = false;
    bool FaxServer = false;
    bool InvioConferme = false;
    bool InvioFatture = false;
    bool RubricaFaxOrbeni = false;
    bool RubricaLdap = false;
    QString DominioPosta;
    QString ServerLdap;
    bool InvioDaInviare = false;
    bool SenzaBollo = false;
    bool AnnotaFatture = false;
    bool AnnotaBolle = false;
    bool ModificaInWord = false;
};

class DocumentiTrovati final : public RisultatoRichiesta {
public:
    QList<ClientePtr> Clienti;
};

class ElencoClienti final : public RisultatoRichiesta {
public:
    QList<ClientePtr> Clienti;
};

// Outcome of a remote job: Esito is "", "ERR" or "OK".
class EsitoLavoro final : public RisultatoRichiesta {
public:
    QString Esito;
    QString Messaggio;
};

class EsitoFile final : public RisultatoRichiesta {
public:
    QString Esito;
    QString Messaggio;
};

// Fax address books ("FAXRUBRICHE") and the entries of one ("FAXRUBRICA").
struct VoceRubricaFax final {
    QString Codice;
    QString Nominativo;
    QString Fax;
};

class RubricheFax final : public RisultatoRichiesta {
public:
    QStringList Rubriche;
};

class RubricaFax final : public RisultatoRichiesta {
public:
    QList<VoceRubricaFax> Voci;
};

// Export countries and banks.
struct Paese final {
    QString Codice;
    QString Descrizione;
};

class ElencoPaesi final : public RisultatoRichiesta {
public:
    QList<Paese> Paesi;
};

struct Banca final {
    QString Codice;
    QString Descrizione;
};

class ElencoBanche final : public RisultatoRichiesta {
public:
    QList<Banca> Banche;
};
