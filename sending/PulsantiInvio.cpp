#include "sending/PulsantiInvio.h"

#include "app/BottoniDestra.h"
#include "app/Etichette.h"
#include "app/Invexo_Main.h"
#include "documents/SelezioneDaInviare.h"
#include "documents/SelezioneDocumenti.h"
#include "forms/Dialoghi.h"
#include "sending/InvioDaInviare.h"
#include "sending/PostaLocale.h"
#include "sending/StampaSelezione.h"

#include <span>

using namespace Qt::StringLiterals;

namespace {

// The hourglass for the length of a case.
class Clessidra final {
public:
    explicit Clessidra(Dialoghi& dialoghi)
        : m_dialoghi(dialoghi)
    {
        m_dialoghi.Clessidra(true);
    }
    ~Clessidra() { m_dialoghi.Clessidra(false); }
    Clessidra(const Clessidra&) = delete;
    Clessidra& operator=(const Clessidra&) = delete;

private:
    Dialoghi& m_dialoghi;
};

void ApriStampa(Invexo_Main& globali, const QList<DocumentoPtr>& documenti, bool daInviare)
{
    if (!globali.Servizi)
        return;
    const QString file = daInviare ? globali.Servizi->StampaDocumenti(
                             globali.IndirizzoServer, globali.CodiceAzienda, documenti, true)
                                   : globali.Servizi->StampaElenco(globali.IndirizzoServer,
                                       globali.CodiceAzienda, documenti, true);
    AggiungiFileDaCancellare(globali, file);
}

// The views, as the buttons tell them apart.
bool EstrazioneExport(const VistaInvio& vista)
{
    return vista.TipoDoc == Etichette::ExportEstrazione;
}
bool Credemtel(const VistaInvio& vista)
{
    return Etichette::ECredemtel(vista.TipoDoc);
}
bool InformativePrivacy(const VistaInvio& vista)
{
    return vista.PrivacyVisibile && Etichette::EPrivacy(vista.ListaPrivacy);
}
bool InformativeExport(const VistaInvio& vista)
{
    return vista.PrivacyVisibile && vista.ListaPrivacy == Etichette::ExportInformative;
}
bool DaInviare(const VistaInvio& vista)
{
    return vista.TipoDoc == Etichette::DaInviare;
}
bool AltraVista(const VistaInvio&)
{
    return true;
}

// A case whose feature is not part of this program yet: the button does nothing there.
void NonDisponibile(ContestoInvio&)
{
}

struct CasoPulsante final {
    bool (*Vale)(const VistaInvio&);
    void (*Esegui)(ContestoInvio&);
};

// Each button's cases in order; the first that matches the view runs.
const CasoPulsante CasiInvia[] = {
    {EstrazioneExport, NonDisponibile}, // MostraDocumentiEsportati, then the export search
    {Credemtel, NonDisponibile}, // CredemtelInviaDocumenti
    {InformativePrivacy, NonDisponibile}, // InviaInformativePrivacy
    {InformativeExport, NonDisponibile}, // the export customers to FormEmail by e-mail
    {DaInviare, InviaDocumentiDaInviare},
    {AltraVista, InviaDocumentiConClientPosta},
};

const CasoPulsante CasiStampa[] = {
    {InformativePrivacy, NonDisponibile}, // the printed privacy list
    {EstrazioneExport, NonDisponibile}, // the printed list of documents for extraction
    {InformativeExport, NonDisponibile}, // the printed list of export customers
    {DaInviare, StampaDocumentiDaInviare},
    {AltraVista, StampaDocumentiSelezionati},
};

const CasoPulsante CasiFax[] = {
    {InformativeExport, NonDisponibile}, // the export customers to FormEmail by fax
    {DaInviare, NonDisponibile}, // the to-send list does not fax
    {AltraVista, FaxDocumentiSelezionati},
};

void Esegui(std::span<const CasoPulsante> casi, ContestoInvio& contesto)
{
    for (const CasoPulsante& caso : casi) {
        if (caso.Vale(contesto.Vista)) {
            caso.Esegui(contesto);
            return;
        }
    }
}

} // namespace

void FPicInviaSelezionati_Click(ContestoInvio& contesto)
{
    Esegui(CasiInvia, contesto);
}

void FPicStampa_Click(ContestoInvio& contesto)
{
    Esegui(CasiStampa, contesto);
}

void FPicFAXSelezionati_Click(ContestoInvio& contesto)
{
    Esegui(CasiFax, contesto);
}

bool PremiPulsanteInvio(int frame, ContestoInvio& contesto)
{
    switch (frame) {
    case StatoBarraDestra::Invia: FPicInviaSelezionati_Click(contesto); return true;
    case StatoBarraDestra::Fax: FPicFAXSelezionati_Click(contesto); return true;
    case StatoBarraDestra::Stampa: FPicStampa_Click(contesto); return true;
    default: return false;
    }
}

void InviaDocumentiConClientPosta(ContestoInvio& contesto)
{
    {
        const Clessidra clessidra(contesto.Messaggi);
        const QList<DocumentoPtr> documenti = DocumentiSelezionati(
            LeggiDocumentiSelezionati(contesto.Documenti, &contesto.Cestino));
        if (documenti.isEmpty())
            AvvisaNessunaSelezione(contesto.Messaggi);
        else
            InviaConClientPosta(documenti, contesto.Globali, contesto.Posta, contesto.Messaggi);
    }
    TogliCheckDocumenti(contesto.Documenti);
    contesto.Finestra.Ridisponi();
}

void InviaDocumentiDaInviare(ContestoInvio& contesto)
{
    const Clessidra clessidra(contesto.Messaggi);
    QList<CDatiInvioDocumentoCliente> voci;
    for (InvioSelezionato& selezionato : LeggiDocumentiDaInviareSelezionati(contesto.DaInviare))
        voci.append(std::move(selezionato.Dati));
    if (voci.isEmpty())
        return AvvisaNessunaSelezione(contesto.Messaggi);
    InviaDaInviare(contesto, voci);
}

void StampaDocumentiDaInviare(ContestoInvio& contesto)
{
    const Clessidra clessidra(contesto.Messaggi);
    RaccoltaStampa raccolta;
    RaccogliDaStampare(contesto.DaInviare, raccolta, contesto.Messaggi);
    if (raccolta.Vuota())
        return AvvisaNessunaSelezione(contesto.Messaggi);
    ApriStampa(contesto.Globali, raccolta.Documenti(), true);
}

void StampaDocumentiSelezionati(ContestoInvio& contesto)
{
    const Clessidra clessidra(contesto.Messaggi);
    RaccoltaStampa raccolta;
    RaccogliDaStampare(contesto.Documenti, raccolta, contesto.Messaggi);
    RaccogliCestinoDaStampare(contesto.Cestino, raccolta);
    if (raccolta.Vuota())
        return AvvisaNessunaSelezione(contesto.Messaggi);
    ApriStampa(contesto.Globali, raccolta.Documenti(), false);
}

void FaxDocumentiSelezionati(ContestoInvio& contesto)
{
    const QList<DocumentoPtr> documenti
        = DocumentiSelezionati(LeggiDocumentiSelezionati(contesto.Documenti, &contesto.Cestino));
    for (const DocumentoPtr& documento : documenti) {
        if (!documento->Stampato || !documento->Stampato1 || !documento->Stampato2) {
            contesto.Messaggi.Avviso(
                MessaggioDaStampare(*documento), IconaMessaggio::Informazione, u"Errore"_s);
            return;
        }
    }
    {
        const Clessidra clessidra(contesto.Messaggi);
        const bool faxServer = contesto.Globali.Opzioni().FaxServer;
        if (faxServer || !documenti.isEmpty())
            contesto.Finestra.ComponiFax(documenti);
        else
            AvvisaNessunaSelezione(contesto.Messaggi);
    }
    TogliCheckDocumenti(contesto.Documenti);
}
