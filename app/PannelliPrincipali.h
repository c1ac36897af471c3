#pragma once

#include "forms/Elenco.h"

#include <QList>

#include <array>

class ElencoView;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QWidget;

// Day, month and year combos of one date.
struct ComboData final {
    QComboBox* Giorno = nullptr;
    QComboBox* Mese = nullptr;
    QComboBox* Anno = nullptr;
};

// The panels of the main window with the controls that the views and rules reach by name.
// It only builds them; FSelezionaCliente shows, hides and places them.
struct PannelliPrincipali final {
    explicit PannelliPrincipali(QWidget* finestra);

    // Lists shown by the window; the rules read and write these.
    Elenco Documenti;
    Elenco DocumentiDaInviare;
    Elenco NomSel;
    Elenco InviaDocSel;

    QFrame* FrameTop = nullptr;
    QLabel* PLogo = nullptr;

    QFrame* FrameSelezionaCliente = nullptr;
    QLineEdit* FTextCliente = nullptr;
    QLineEdit* FTextNominativo = nullptr;
    QCheckBox* FCheckCliente = nullptr;
    QToolButton* FPicRicercaNominativo = nullptr;
    QComboBox* FCTipoDoc = nullptr;
    QComboBox* FCSerieDoc = nullptr;
    QLineEdit* FSerie = nullptr;
    QLineEdit* FNumero = nullptr;
    QComboBox* FAnno = nullptr;
    std::array<ComboData, 3> FCPeriodo {};
    QToolButton* FPicRicercaDocumento = nullptr;

    QFrame* FrameRicercaDocumenti = nullptr;
    QComboBox* RicCTipoDoc = nullptr;
    QList<QRadioButton*> optDaVisionare;
    QToolButton* FPicRicercaTipoDoc = nullptr;

    QFrame* FrameRicercaDocumentiDaInviare = nullptr;
    QComboBox* RicCTipoDocDaInviare = nullptr;
    QList<QRadioButton*> optDaInviare;
    QToolButton* FPicRicercaDocumentoDaInviare = nullptr;
    QLineEdit* EmailTxtMittenteDaInviare = nullptr;
    QLineEdit* FaxTxtMittenteDaInviare = nullptr;

    QFrame* FramePrivacy = nullptr;
    QComboBox* RicCPrivacy = nullptr;
    std::array<ComboData, 2> FCPeriodoPrivacy {};
    QLineEdit* EmailTxtMittentePrivacy = nullptr;
    QLineEdit* FaxTxtMittentePrivacy = nullptr;

    QFrame* FrameExport = nullptr;
    QComboBox* FCTipoDocExport = nullptr;
    std::array<ComboData, 2> FCPeriodoExport {};

    QFrame* FrameEsenzione = nullptr;
    QComboBox* FCPeriodoMMEsenzione = nullptr;
    QComboBox* FCPeriodoAAEsenzione = nullptr;

    QFrame* FrameElCliFor = nullptr;
    QComboBox* FCPeriodoAAElCliFor = nullptr;

    QFrame* FrameDocumenti = nullptr;
    ElencoView* LWDocumenti = nullptr;
    QFrame* FrameDocumentiDaInviare = nullptr;
    ElencoView* LWDocumentiDaInviare = nullptr;

    QFrame* FrameNomSel = nullptr;
    QLabel* TitoloNomSel = nullptr;
    ElencoView* LWNomSel = nullptr;
    QFrame* FrameInviaDocumenti = nullptr;
    QLabel* TitoloInviaDocSel = nullptr;
    ElencoView* LWInviaDocSel = nullptr;
    QToolButton* TDocSelCestino = nullptr;

    // The five type combos, in the order start-up fills them.
    [[nodiscard]] std::array<QComboBox*, 5> CombiTipo() const;
    // Every year combo, filled with the same four years at load.
    [[nodiscard]] QList<QComboBox*> CombiAnno() const;
    // The search panels that stack under the top band, in order.
    [[nodiscard]] QList<QFrame*> PannelliRicerca() const;
};
