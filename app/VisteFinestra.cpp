#include "app/VisteFinestra.h"

#include "app/FSelezionaCliente.h"
#include "app/Impostazioni.h"
#include "contacts/ConnessioneLdap.h"
#include "contacts/FormRubricaClienteLDAP.h"
#include "contacts/RubricaInvioLdap.h"
#include "documents/ApritoreDesktop.h"
#include "documents/VistaDocumenti.h"
#include "orbeni/local/RubricaDemo.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Avviatore.h"
#include "platform/Orologio.h"
#include "sending/ContestoInvio.h"
#include "sending/DriverPosta.h"
#include "sending/FinestraInvioQt.h"
#include "sending/FormEmail.h"
#include "sending/PostaLocale.h"
#include "sending/PulsantiInvio.h"
#include "sending/StampaSelezione.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The to-send list reads its addresses from the directory, and its address cell opens the
// contact editor, whenever the company's options switch the directory on.
void InstallaRubrica(
    FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi, VistaDocumenti& vista)
{
    static const AccessoLdap accesso = LeggiAccessoLdap(ImpostazioniPredefinite());
    static std::unique_ptr<RubricaInvioLdap> rubrica;
    rubrica = std::make_unique<RubricaInvioLdap>(globali, dialoghi, accesso);
    vista.Rubrica = rubrica.get();
    vista.Editori.RubricaLdap
        = [&finestra, &globali, &dialoghi](const ClientePtr& cliente, const DocumentoPtr& doc) {
              AggiornaDatiRubricaCliente(globali, dialoghi, accesso, cliente, doc, &finestra);
          };
    finestra.Agganci.ChiudiConnessioneLdap = [&globali] { ChiudiConnessioneLdap(globali); };
}

} // namespace

void InstallaViste(FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi)
{
    static ApritoreDesktop apritore;
    auto* documenti = new VistaDocumenti(finestra, globali, dialoghi, apritore);
    InstallaRubrica(finestra, globali, dialoghi, *documenti);

    // The send, print and fax buttons: the mail client, the send dialog and the window effects.
    static std::unique_ptr<DriverPosta> posta
        = CreaDriverPosta(globali, dialoghi, AvviatorePredefinito());
    auto* formEmail = new FormEmail(
        globali, dialoghi, ImpostazioniPredefinite(), OrologioPredefinito(), &finestra);
    static std::unique_ptr<FinestraInvioQt> effetti;
    effetti = std::make_unique<FinestraInvioQt>(finestra, *formEmail);
    effetti->Cerca = [documenti] { documenti->FPicRicercaDocumentoDaInviare_Click(); };
    effetti->Disponi = [&finestra] { finestra.Resize(); };
    documenti->SegnalaNonStampato = [&finestra, &dialoghi](int riga) {
        tmrCmdSegnalaDocumentoNonStampato_Timer(
            finestra.Pannelli().DocumentiDaInviare, riga, dialoghi);
    };
    finestra.Agganci.ChiudiPosta = [&globali] { ChiudiPosta(globali, *posta); };
    finestra.Agganci.PulsanteDestro = [&finestra, &globali, &dialoghi, documenti](int frame) {
        if (documenti->PulsanteDestro(frame))
            return;
        auto& p = finestra.Pannelli();
        ContestoInvio contesto {globali, dialoghi, ImpostazioniPredefinite(), OrologioPredefinito(),
            *effetti, *posta, p.Documenti, p.DocumentiDaInviare, p.InviaDocSel,
            VistaInvio {p.FCTipoDoc->currentText(), !p.FramePrivacy->isHidden(),
                p.RicCPrivacy->currentText()},
            p.EmailTxtMittenteDaInviare->text(), p.FaxTxtMittenteDaInviare->text()};
        PremiPulsanteInvio(frame, contesto);
    };
}

void AvviaRubricaDemoDaAmbiente(const LibreriaOrbeni& libreria, const QString& azienda)
{
    const QString host = qEnvironmentVariable("INVEXO_RUBRICA_DEMO").trimmed();
    auto* server = dynamic_cast<ServerLocale*>(libreria.Servizi.get());
    if (host.isEmpty() || !server || !server->Pronto())
        return;
    // The web service must answer for as long as the program runs.
    static std::unique_ptr<ServizioContatti> servizio;
    servizio = AvviaRubricaDemo(
        DirectoryContatti {host}, u"quorvanel.it"_s, server->Archivio(), azienda);
    if (!servizio)
        std::fprintf(stderr, "Rubrica di prova non disponibile su %s\n", qPrintable(host));
}
