#pragma once

#include "documents/TestateDocumenti.h"
#include "sending/ParametriInvioDaInviare.h"

#include <QObject>

#include <functional>

class ApritoreFile;
class Dialoghi;
class FSelezionaCliente;
class FormRicercaCliente;
class RubricaInvio;
struct Invexo_Main;
struct PannelliPrincipali;

// The customer-selection, documents-to-view and to-send views of the main window: their search
// clicks, list clicks, basket and the right-hand buttons they own.
class VistaDocumenti final : public QObject {
    Q_OBJECT
public:
    VistaDocumenti(FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi,
        ApritoreFile& apritore);
    ~VistaDocumenti() override;

    void FPicRicercaNominativo_Click();
    void FPicRicercaDocumento_Click();
    void FPicRicercaDocumentoDaInviare_Click();
    void FPicAggiungi_Click();
    void FPicRimuoviSelezionati_Click();
    void FPicElimina_Click();
    void TDocSelCestino_Click();
    void TestataCliccata(ListaDocumenti lista, int colonna);
    void CellaDocumenti(int riga, int colonna);
    void CellaDaInviare(int riga, int colonna);
    void DoppioClickDocumenti(int riga);

    // A click on a frame of the right-hand bar; false when this view has nothing for it.
    bool PulsanteDestro(int frame);

    // Shows the customer search window; tests replace it to answer in its place.
    std::function<void(FormRicercaCliente&)> MostraRicercaCliente;
    // The contacts directory of the to-send search, when the service uses it.
    RubricaInvio* Rubrica = nullptr;
    // Editors of the to-send list's address cell; the send-address editor by default.
    EditoriIndirizzo Editori;
    // The 20 ms report of a to-send document without its print image.
    std::function<void(int riga)> SegnalaNonStampato;

private:
    void Collega();
    void MostraCestino(bool visibile);
    void ApplicaSegni(ListaDocumenti lista);
    [[nodiscard]] PannelliPrincipali& P();

    FSelezionaCliente& m_finestra;
    Invexo_Main& m_globali;
    Dialoghi& m_dialoghi;
    ApritoreFile& m_apritore;
    SegniTestate m_segniDocumenti;
    SegniTestate m_segniDaInviare;
};
