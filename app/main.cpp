#include "app/Avvio.h"
#include "app/FSelezionaCliente.h"
#include "app/Impostazioni.h"
#include "documents/ApritoreDesktop.h"
#include "documents/VistaDocumenti.h"
#include "forms/DialoghiQt.h"
#include "orbeni/local/CreaLibreria.h"
#include "platform/Avviatore.h"
#include "platform/Orologio.h"
#include "sending/ContestoInvio.h"
#include "sending/DriverPosta.h"
#include "sending/FinestraInvioQt.h"
#include "sending/FormEmail.h"
#include "sending/PostaLocale.h"
#include "sending/PulsantiInvio.h"
#include "sending/StampaSelezione.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// The views of the features, each answering the right-hand buttons it owns.
void InstallaViste(FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi)
{
    static ApritoreDesktop apritore;
    auto* documenti = new VistaDocumenti(finestra, globali, dialoghi, apritore);

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

} // namespace

int main(int argc, char** argv)
{
    QApplication applicazione(argc, argv);
    QApplication::setOrganizationName(u"Quorvanel s.r.l."_s);
    QApplication::setApplicationName(u"Invexo"_s);
    QApplication::setQuitOnLastWindowClosed(false);

    DialoghiQt dialoghi;
    const QString cartellaBase
        = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(cartellaBase);

    Invexo_Main globali;
    DipendenzeAvvio dipendenze {dialoghi, ImpostazioniPredefinite(), OrologioPredefinito(),
        [&dialoghi, &cartellaBase](const QString& indirizzo) {
            const auto libreria = CreaLibreria(indirizzo, dialoghi, cartellaBase);
            return libreria ? *libreria : LibreriaOrbeni {};
        },
        LeggiRegistro, TerminaProcessoSubito,
        [&globali, &dialoghi](FSelezionaCliente& finestra) {
            dialoghi.ImpostaGenitore(&finestra);
            InstallaViste(finestra, globali, dialoghi);
        }};
    Avvio avvio(globali, std::move(dipendenze));
    if (!avvio.Main(QApplication::arguments()))
        return 0;
    // The program ends once the main window has unloaded.
    QObject::connect(avvio.FinestraPrincipale(), &FSelezionaCliente::Scaricata, &applicazione,
        &QApplication::quit, Qt::QueuedConnection);
    return QApplication::exec();
}
