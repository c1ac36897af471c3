#include "documents/VistaDocumenti.h"

#include "app/Etichette.h"
#include "app/FSelezionaCliente.h"
#include "documents/AzioniDocumento.h"
#include "documents/CercaDocumenti.h"
#include "documents/Cestino.h"
#include "documents/ColonneDocumenti.h"
#include "documents/CriteriDocumenti.h"
#include "documents/FormRicercaCliente.h"
#include "documents/RicercaClienti.h"
#include "documents/SelezioneDocumenti.h"
#include "forms/Dialoghi.h"
#include "forms/ElencoView.h"
#include "sending/FormEstremiInvio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

// The header label of each column, counted from 1 as the labels above the lists are.
int EtichettaDellaColonna(int colonna)
{
    static const QHash<int, int> etichette {{0, 1}, {1, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 5}, {8, 6},
        {9, 7}, {10, 8}, {11, 9}, {12, 10}, {13, 11}};
    return etichette.value(colonna, 0);
}

DataCombo LeggiData(const ComboData& combo)
{
    return {combo.Giorno->currentText(), combo.Mese->currentIndex(), combo.Anno->currentText()};
}

int OpzioneScelta(const QList<QRadioButton*>& opzioni)
{
    for (int i = 0; i < opzioni.size(); ++i)
        if (opzioni[i]->isChecked())
            return i;
    return -1;
}

} // namespace

VistaDocumenti::VistaDocumenti(
    FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi, ApritoreFile& apritore)
    : QObject(&finestra)
    , m_finestra(finestra)
    , m_globali(globali)
    , m_dialoghi(dialoghi)
    , m_apritore(apritore)
    , m_segniDocumenti(SegniIniziali(ListaDocumenti::Documenti))
    , m_segniDaInviare(SegniIniziali(ListaDocumenti::DaInviare))
{
    auto& p = P();
    ColonneLWDocumenti(p.Documenti);
    ColonneLWDocumentiDaInviare(p.DocumentiDaInviare);
    ColonneLWInviaDocSel(p.InviaDocSel);
    ColonneLWNomSel(p.NomSel);
    for (ElencoView* lista : {p.LWDocumenti, p.LWDocumentiDaInviare, p.LWInviaDocSel, p.LWNomSel})
        lista->ApplicaColonne();
    ApplicaSegni(ListaDocumenti::Documenti);
    ApplicaSegni(ListaDocumenti::DaInviare);

    MostraRicercaCliente = [](FormRicercaCliente& form) { form.exec(); };
    Editori.EstremiInvio = [this](const ClientePtr& cliente) {
        FormEstremiInvio editor(m_globali.Opzioni(), m_dialoghi, &m_finestra);
        return editor.changeParametriInvioCliente(cliente);
    };
    Collega();
}

VistaDocumenti::~VistaDocumenti() = default;

PannelliPrincipali& VistaDocumenti::P()
{
    return m_finestra.Pannelli();
}

void VistaDocumenti::Collega()
{
    auto& p = P();
    connect(p.FPicRicercaNominativo, &QToolButton::clicked, this,
        &VistaDocumenti::FPicRicercaNominativo_Click);
    connect(p.FTextNominativo, &QLineEdit::returnPressed, this,
        &VistaDocumenti::FPicRicercaNominativo_Click);
    connect(p.FPicRicercaDocumento, &QToolButton::clicked, this,
        &VistaDocumenti::FPicRicercaDocumento_Click);
    connect(p.FPicRicercaTipoDoc, &QToolButton::clicked, this,
        &VistaDocumenti::FPicRicercaDocumento_Click);
    connect(p.FPicRicercaDocumentoDaInviare, &QToolButton::clicked, this,
        &VistaDocumenti::FPicRicercaDocumentoDaInviare_Click);
    connect(p.TDocSelCestino, &QToolButton::clicked, this, &VistaDocumenti::TDocSelCestino_Click);
    connect(p.LWDocumenti, &ElencoView::IntestazioneCliccata, this,
        [this](int colonna) { TestataCliccata(ListaDocumenti::Documenti, colonna); });
    connect(p.LWDocumentiDaInviare, &ElencoView::IntestazioneCliccata, this,
        [this](int colonna) { TestataCliccata(ListaDocumenti::DaInviare, colonna); });
    connect(p.LWDocumenti, &ElencoView::CellaPremuta, this, &VistaDocumenti::CellaDocumenti);
    connect(
        p.LWDocumentiDaInviare, &ElencoView::CellaPremuta, this, &VistaDocumenti::CellaDaInviare);
    connect(
        p.LWDocumenti, &ElencoView::RigaDoppioClic, this, &VistaDocumenti::DoppioClickDocumenti);
    connect(&m_finestra.BarraWidget(), &BarraDestra::EliminaPremuto, this,
        &VistaDocumenti::FPicElimina_Click);
}

void VistaDocumenti::FPicRicercaNominativo_Click()
{
    auto& p = P();
    const auto testo
        = TestoRicercaNominativo(p.FTextCliente->text(), p.FTextNominativo->text(), m_dialoghi);
    if (!testo)
        return;
    FormRicercaCliente form(p.NomSel, m_globali.ClientiSelezionati, m_dialoghi, &m_finestra);
    m_dialoghi.Clessidra(true);
    CercaNominativi(form.Nominativi(), *testo, p.FCheckCliente->isChecked(), m_globali);
    m_dialoghi.Clessidra(false);
    MostraRicercaCliente(form);
    if (p.NomSel.Conta() > 0) {
        p.FrameNomSel->show();
        m_finestra.Barra().EliminaVisibile = true;
    }
    m_finestra.Resize();
}

void VistaDocumenti::FPicRicercaDocumento_Click()
{
    auto& p = P();
    CampiRicercaDocumenti campi;
    campi.Categoria = OpzioneScelta(p.optDaVisionare);
    campi.VoceSerie = p.FCSerieDoc->currentText();
    campi.TestoSerie = p.FSerie->text();
    campi.Numero = p.FNumero->text();
    campi.Anno = p.FAnno->currentText();
    campi.Da = LeggiData(p.FCPeriodo[0]);
    campi.A = LeggiData(p.FCPeriodo[1]);
    campi.Etichetta = p.FCTipoDoc->currentText();
    const auto criteri = CriteriDocumenti(campi, m_dialoghi);
    if (!criteri)
        return;
    p.FrameDocumentiDaInviare->hide();
    if (p.FrameDocumenti->isHidden()) {
        p.FrameDocumenti->show();
        MostraBottoniDestra(m_finestra.Barra(), m_globali.Opzioni(), campi.Etichetta);
    }
    m_dialoghi.Clessidra(true);
    m_dialoghi.EseguiEventi();
    FPicRicercaDocumento(p.Documenti, *criteri, m_globali);
    m_dialoghi.Clessidra(false);
    p.LWDocumenti->ApplicaColonne();
    m_finestra.Resize();
}

void VistaDocumenti::FPicRicercaDocumentoDaInviare_Click()
{
    auto& p = P();
    if (p.FrameDocumentiDaInviare->isHidden()) {
        p.FrameDocumentiDaInviare->show();
        MostraBottoniDestraDaInviare(m_finestra.Barra(), m_globali.Opzioni());
    }
    const auto criteri = CriteriDaInviare(OpzioneScelta(p.optDaInviare), LeggiData(p.FCPeriodo[0]),
        LeggiData(p.FCPeriodo[1]), p.FCTipoDoc->currentText(), m_globali.Opzioni());
    m_dialoghi.Clessidra(true);
    m_dialoghi.EseguiEventi();
    FPicRicercaDocumentoDaInviare(p.DocumentiDaInviare, criteri, m_globali, Rubrica);
    m_dialoghi.Clessidra(false);
    p.LWDocumentiDaInviare->ApplicaColonne();
    m_finestra.Resize();
}

void VistaDocumenti::MostraCestino(bool visibile)
{
    P().FrameInviaDocumenti->setVisible(visibile);
    m_finestra.Resize();
}

void VistaDocumenti::FPicAggiungi_Click()
{
    if (FPicAggiungi(P().Documenti, P().InviaDocSel, m_dialoghi))
        MostraCestino(true);
}

void VistaDocumenti::TDocSelCestino_Click()
{
    MostraCestino(TDocSelCestino(P().InviaDocSel));
}

void VistaDocumenti::FPicRimuoviSelezionati_Click()
{
    if (ImpostaDaNonInviare(P().DocumentiDaInviare, m_globali, m_dialoghi))
        FPicRicercaDocumentoDaInviare_Click();
}

void VistaDocumenti::FPicElimina_Click()
{
    auto& p = P();
    FPicElimina(m_globali, p.NomSel);
    p.FrameNomSel->hide();
    m_finestra.Barra().EliminaVisibile = false;
    m_finestra.Resize();
}

void VistaDocumenti::ApplicaSegni(ListaDocumenti lista)
{
    auto& p = P();
    Elenco& elenco = lista == ListaDocumenti::Documenti ? p.Documenti : p.DocumentiDaInviare;
    const SegniTestate& segni
        = lista == ListaDocumenti::Documenti ? m_segniDocumenti : m_segniDaInviare;
    for (int colonna = 0; colonna < elenco.Colonne.size(); ++colonna)
        elenco.Colonne[colonna].IconaIntestazione = segni.value(EtichettaDellaColonna(colonna));
}

void VistaDocumenti::TestataCliccata(ListaDocumenti lista, int colonna)
{
    auto& p = P();
    const int etichetta = EtichettaDellaColonna(colonna);
    if (etichetta == 0)
        return;
    Elenco& elenco = lista == ListaDocumenti::Documenti ? p.Documenti : p.DocumentiDaInviare;
    SegniTestate& segni = lista == ListaDocumenti::Documenti ? m_segniDocumenti : m_segniDaInviare;
    const bool credemtel = Etichette::ECredemtel(p.FCTipoDoc->currentText());
    switch (ClickTestata(elenco, lista, etichetta, credemtel, segni)) {
    case AzioneTestata::SelezionaTutti: SelezionaTuttiDaInviare(elenco, colonna); break;
    case AzioneTestata::SpuntaTutti: CheckTuttiCredemtel(elenco); break;
    case AzioneTestata::Ordinata:
    case AzioneTestata::Nessuna: break;
    }
    ApplicaSegni(lista);
    elenco.Cambiato();
}

void VistaDocumenti::CellaDocumenti(int riga, int colonna)
{
    // The annotation actions arrive with the annotation windows; the selection cells act here.
    ClickCellaDocumento(P().Documenti, riga, colonna, m_globali.Opzioni(), m_dialoghi);
}

void VistaDocumenti::CellaDaInviare(int riga, int colonna)
{
    const EsitoClickCella esito = ClickCellaDocumentoDaInviare(
        P().DocumentiDaInviare, riga, colonna, m_globali.Opzioni(), m_dialoghi);
    // The editors and messages open after the list's own mouse handling has finished.
    if (esito.Azione == AzioneCella::ModificaIndirizzo) {
        QTimer::singleShot(20, this, [this, riga] {
            CambiaParametriInvioDaInviare(
                P().DocumentiDaInviare, riga, m_globali.Opzioni(), Editori);
        });
    } else if (esito.Azione == AzioneCella::SegnalaNonStampato && SegnalaNonStampato) {
        QTimer::singleShot(20, this, [this, riga] { SegnalaNonStampato(riga); });
    }
}

void VistaDocumenti::DoppioClickDocumenti(int riga)
{
    DoppioClickDocumento(
        P().Documenti, riga, P().FCTipoDoc->currentText(), m_globali, m_dialoghi, m_apritore);
}

bool VistaDocumenti::PulsanteDestro(int frame)
{
    const bool daInviare = !P().FrameDocumentiDaInviare->isHidden();
    switch (frame) {
    case StatoBarraDestra::Aggiungi:
        if (daInviare)
            return false;
        FPicAggiungi_Click();
        return true;
    case StatoBarraDestra::Rimuovi:
        if (!daInviare)
            return false;
        FPicRimuoviSelezionati_Click();
        return true;
    default: return false;
    }
}
