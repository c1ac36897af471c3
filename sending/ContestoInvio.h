#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"

#include <QList>
#include <QString>

class Dialoghi;
class DriverPosta;
class Impostazioni;
class Orologio;
struct Invexo_Main;

// The effects of the send, print and fax buttons on the windows, which the main window
// carries out.
class FinestraInvio {
public:
    virtual ~FinestraInvio() = default;
    // The main window is hidden during a send run and always shown again after it.
    virtual void NascondiPrincipale() = 0;
    virtual void MostraPrincipale() = 0;
    // The busy window (FormGenericSplash::display) and its closing.
    virtual void MostraAttesa(const QString& messaggio) = 0;
    virtual void ChiudiAttesa() = 0;
    // Click of FPicRicercaDocumentoDaInviare: the to-send list searched again.
    virtual void CercaDaInviare() = 0;
    // Form_Resize: the window laid out again.
    virtual void Ridisponi() = 0;
    // The fax composition FormFAX with the documents, shown modally.
    virtual void ComponiFax(const QList<DocumentoPtr>& documenti) = 0;
    // The send dialog FormEmail for the customers, by e-mail (0) or fax (1), not modally.
    virtual void MostraFormEmail(const QList<ClientePtr>& clienti, int tipo) = 0;
};

// Which view the buttons act on.
struct VistaInvio final {
    // The text of FCTipoDoc.
    QString TipoDoc;
    // FramePrivacy is visible, and the text of RicCPrivacy.
    bool PrivacyVisibile = false;
    QString ListaPrivacy;
};

// What a click of the send, print or fax button works on; the main window fills it for each
// click. The references must outlive the click.
struct ContestoInvio final {
    Invexo_Main& Globali;
    Dialoghi& Messaggi;
    Impostazioni& Preferenze;
    const Orologio& Ora;
    FinestraInvio& Finestra;
    // The workstation's mail client (CreaDriverPosta).
    DriverPosta& Posta;
    // LWDocumenti, LWDocumentiDaInviare and the basket LWInviaDocSel.
    Elenco& Documenti;
    Elenco& DaInviare;
    Elenco& Cestino;
    VistaInvio Vista;
    // EmailTxtMittenteDaInviare and FaxTxtMittenteDaInviare as typed.
    QString EmailMittente;
    QString NomeMittente;
};
