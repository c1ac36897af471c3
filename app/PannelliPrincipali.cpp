#include "app/PannelliPrincipali.h"

#include "forms/ElencoView.h"
#include "forms/ListaImmagini.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QStringList Mesi {u"gen"_s, u"feb"_s, u"mar"_s, u"apr"_s, u"mag"_s, u"giu"_s, u"lug"_s,
    u"ago"_s, u"set"_s, u"ott"_s, u"nov"_s, u"dic"_s};

template <typename T> T* Nominato(T* controllo, const QString& nome)
{
    controllo->setObjectName(nome);
    return controllo;
}

QFrame* Pannello(QWidget* genitore, const QString& nome, const QString& titolo)
{
    auto* frame = Nominato(new QFrame(genitore), nome);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(10, 6, 10, 8);
    if (!titolo.isEmpty()) {
        auto* intestazione = new QLabel(titolo, frame);
        QFont grassetto = intestazione->font();
        grassetto.setBold(true);
        intestazione->setFont(grassetto);
        layout->addWidget(intestazione);
    }
    frame->hide();
    return frame;
}

QComboBox* Combo(QWidget* genitore, const QString& nome, int larghezza)
{
    auto* combo = Nominato(new QComboBox(genitore), nome);
    combo->setMinimumWidth(larghezza);
    combo->setAccessibleName(nome);
    return combo;
}

QToolButton* Cerca(QWidget* genitore, const QString& nome)
{
    auto* pulsante = Nominato(new QToolButton(genitore), nome);
    pulsante->setText(u"Cerca"_s);
    pulsante->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return pulsante;
}

// "Periodo da" / "a" with day, month and year combos; the names carry the index.
QHBoxLayout* RigaPeriodo(
    QWidget* genitore, const QString& suffisso, ComboData* da, ComboData* a, int indiceDa)
{
    auto* riga = new QHBoxLayout;
    const auto riempi = [&](ComboData* data, int indice, const QString& etichetta) {
        riga->addWidget(new QLabel(etichetta, genitore));
        const QString n = QString::number(indice);
        data->Giorno = Combo(genitore, u"FCPeriodoGG"_s + suffisso + n, 50);
        for (int giorno = 1; giorno <= 31; ++giorno)
            data->Giorno->addItem(QString::number(giorno).rightJustified(2, u'0'));
        data->Mese = Combo(genitore, u"FCPeriodoMM"_s + suffisso + n, 60);
        data->Mese->addItems(Mesi);
        data->Anno = Combo(genitore, u"FCPeriodoAA"_s + suffisso + n, 70);
        riga->addWidget(data->Giorno);
        riga->addWidget(data->Mese);
        riga->addWidget(data->Anno);
    };
    riempi(da, indiceDa, u"Periodo da"_s);
    riempi(a, indiceDa + 1, u"a"_s);
    riga->addStretch();
    return riga;
}

ElencoView* Lista(QWidget* genitore, Elenco& elenco, const QString& nome)
{
    auto* lista = Nominato(new ElencoView(elenco, genitore), nome);
    lista->setAccessibleName(nome);
    return lista;
}

QList<QRadioButton*> Opzioni(
    QWidget* genitore, QVBoxLayout* layout, const QString& nome, const QStringList& testi)
{
    QList<QRadioButton*> opzioni;
    for (int i = 0; i < testi.size(); ++i) {
        auto* opzione = Nominato(new QRadioButton(testi[i], genitore), nome + QString::number(i));
        layout->addWidget(opzione);
        opzioni.append(opzione);
    }
    return opzioni;
}

// The sender's e-mail and name of a sending panel.
QGridLayout* RigheMittente(
    QWidget* genitore, const QString& suffisso, QLineEdit** email, QLineEdit** nome)
{
    auto* griglia = new QGridLayout;
    griglia->addWidget(new QLabel(u"E-mail mittente"_s, genitore), 0, 0);
    *email = Nominato(new QLineEdit(genitore), u"EmailTxtMittente"_s + suffisso);
    griglia->addWidget(*email, 0, 1);
    griglia->addWidget(new QLabel(u"Nominativo mittente"_s, genitore), 1, 0);
    *nome = Nominato(new QLineEdit(genitore), u"FaxTxtMittente"_s + suffisso);
    griglia->addWidget(*nome, 1, 1);
    return griglia;
}

} // namespace

PannelliPrincipali::PannelliPrincipali(QWidget* finestra)
{
    FrameTop = Nominato(new QFrame(finestra), u"FrameTop"_s);
    FrameTop->setStyleSheet(u"#FrameTop { background: #1a3b6e; }"_s);
    PLogo = Nominato(new QLabel(FrameTop), u"PLogo"_s);
    PLogo->setAlignment(Qt::AlignCenter);

    // Customer selection: customer search, type, series, period, number and year.
    FrameSelezionaCliente
        = Pannello(finestra, u"FrameSelezionaCliente"_s, u"Selezione documenti"_s);
    auto* griglia = new QGridLayout;
    auto* sc = FrameSelezionaCliente;
    griglia->addWidget(new QLabel(u"Cliente"_s, sc), 0, 0);
    FTextCliente = Nominato(new QLineEdit(sc), u"FTextCliente"_s);
    griglia->addWidget(FTextCliente, 0, 1);
    griglia->addWidget(new QLabel(u"Nominativo"_s, sc), 0, 2);
    FTextNominativo = Nominato(new QLineEdit(sc), u"FTextNominativo"_s);
    FTextNominativo->setMinimumWidth(220);
    griglia->addWidget(FTextNominativo, 0, 3);
    FCheckCliente = Nominato(new QCheckBox(u"Iniziale"_s, sc), u"FCheckCliente1"_s);
    FCheckCliente->setChecked(true);
    griglia->addWidget(FCheckCliente, 0, 4);
    FPicRicercaNominativo = Cerca(sc, u"FPicRicercaNominativo"_s);
    griglia->addWidget(FPicRicercaNominativo, 0, 5);

    griglia->addWidget(new QLabel(u"Tipo documento"_s, sc), 1, 0);
    FCTipoDoc = Combo(sc, u"FCTipoDoc"_s, 320);
    griglia->addWidget(FCTipoDoc, 1, 1, 1, 3);
    griglia->addWidget(new QLabel(u"Serie"_s, sc), 2, 0);
    FCSerieDoc = Combo(sc, u"FCSerieDoc"_s, 200);
    griglia->addWidget(FCSerieDoc, 2, 1);
    FSerie = Nominato(new QLineEdit(sc), u"FSerie"_s);
    FSerie->setMaximumWidth(60);
    griglia->addWidget(FSerie, 2, 2);
    auto* numeroAnno = new QHBoxLayout;
    numeroAnno->addWidget(new QLabel(u"Numero"_s, sc));
    FNumero = Nominato(new QLineEdit(sc), u"FNumero"_s);
    FNumero->setMaximumWidth(90);
    numeroAnno->addWidget(FNumero);
    numeroAnno->addWidget(new QLabel(u"Anno"_s, sc));
    FAnno = Combo(sc, u"FAnno"_s, 70);
    FAnno->setEditable(true);
    numeroAnno->addWidget(FAnno);
    numeroAnno->addStretch();
    griglia->addLayout(numeroAnno, 2, 3, 1, 3);
    auto* layoutSc = qobject_cast<QVBoxLayout*>(sc->layout());
    layoutSc->addLayout(griglia);
    auto* periodo = RigaPeriodo(sc, QString(), &FCPeriodo[0], &FCPeriodo[1], 1);
    FPicRicercaDocumento = Cerca(sc, u"FPicRicercaDocumento"_s);
    periodo->addWidget(FPicRicercaDocumento);
    layoutSc->addLayout(periodo);
    // The third year combo belongs to the same period set; its day and month are not used.
    FCPeriodo[2].Anno = Combo(sc, u"FCPeriodoAA3"_s, 70);
    FCPeriodo[2].Anno->hide();
    sc->show();

    FrameRicercaDocumenti
        = Pannello(finestra, u"FrameRicercaDocumenti"_s, u"Documenti da visionare"_s);
    auto* layoutRd = qobject_cast<QVBoxLayout*>(FrameRicercaDocumenti->layout());
    RicCTipoDoc = Combo(FrameRicercaDocumenti, u"RicCTipoDoc"_s, 320);
    layoutRd->addWidget(RicCTipoDoc);
    optDaVisionare = Opzioni(FrameRicercaDocumenti, layoutRd, u"optDaVisionare"_s,
        {u"Tutti i documenti"_s, u"Fatture e NC"_s, u"Conferme"_s, u"Bolle e packing list"_s});
    FPicRicercaTipoDoc = Cerca(FrameRicercaDocumenti, u"FPicRicercaTipoDoc"_s);
    layoutRd->addWidget(FPicRicercaTipoDoc, 0, Qt::AlignRight);

    FrameRicercaDocumentiDaInviare
        = Pannello(finestra, u"FrameRicercaDocumentiDaInviare"_s, u"Documenti da inviare"_s);
    auto* layoutRi = qobject_cast<QVBoxLayout*>(FrameRicercaDocumentiDaInviare->layout());
    RicCTipoDocDaInviare = Combo(FrameRicercaDocumentiDaInviare, u"RicCTipoDocDaInviare"_s, 320);
    layoutRi->addWidget(RicCTipoDocDaInviare);
    optDaInviare = Opzioni(FrameRicercaDocumentiDaInviare, layoutRi, u"optDaInviare"_s,
        {u"Fatture/Conferme"_s, u"Fatture"_s, u"Conferme"_s, u"Bolle"_s, u"Note di credito"_s,
            u"Bolle/Fatture"_s});
    FPicRicercaDocumentoDaInviare
        = Cerca(FrameRicercaDocumentiDaInviare, u"FPicRicercaDocumentoDaInviare"_s);
    layoutRi->addLayout(RigheMittente(FrameRicercaDocumentiDaInviare, u"DaInviare"_s,
        &EmailTxtMittenteDaInviare, &FaxTxtMittenteDaInviare));
    layoutRi->addWidget(FPicRicercaDocumentoDaInviare, 0, Qt::AlignRight);

    FramePrivacy = Pannello(finestra, u"FramePrivacy"_s, u"Informative privacy"_s);
    auto* layoutPr = qobject_cast<QVBoxLayout*>(FramePrivacy->layout());
    RicCPrivacy = Combo(FramePrivacy, u"RicCPrivacy"_s, 320);
    layoutPr->addWidget(RicCPrivacy);
    layoutPr->addLayout(
        RigaPeriodo(FramePrivacy, u"Privacy"_s, &FCPeriodoPrivacy[0], &FCPeriodoPrivacy[1], 1));
    layoutPr->addLayout(RigheMittente(
        FramePrivacy, u"Privacy"_s, &EmailTxtMittentePrivacy, &FaxTxtMittentePrivacy));

    FrameExport = Pannello(finestra, u"FrameExport"_s, u"Export manager"_s);
    auto* layoutEx = qobject_cast<QVBoxLayout*>(FrameExport->layout());
    FCTipoDocExport = Combo(FrameExport, u"FCTipoDocExport"_s, 320);
    layoutEx->addWidget(FCTipoDocExport);
    layoutEx->addLayout(
        RigaPeriodo(FrameExport, u"Export"_s, &FCPeriodoExport[0], &FCPeriodoExport[1], 1));

    FrameEsenzione = Pannello(
        finestra, u"FrameEsenzione"_s, u"Invio telematico dichiarazioni di intento ricevute"_s);
    auto* rigaEs = new QHBoxLayout;
    rigaEs->addWidget(new QLabel(u" Periodo di elaborazione"_s, FrameEsenzione));
    FCPeriodoMMEsenzione = Combo(FrameEsenzione, u"FCPeriodoMMEsenzione"_s, 110);
    FCPeriodoMMEsenzione->addItems(
        {u"gennaio"_s, u"febbraio"_s, u"marzo"_s, u"aprile"_s, u"maggio"_s, u"giugno"_s,
            u"luglio"_s, u"agosto"_s, u"settembre"_s, u"ottobre"_s, u"novembre"_s, u"dicembre"_s});
    FCPeriodoAAEsenzione = Combo(FrameEsenzione, u"FCPeriodoAAEsenzione"_s, 70);
    rigaEs->addWidget(FCPeriodoMMEsenzione);
    rigaEs->addWidget(FCPeriodoAAEsenzione);
    rigaEs->addStretch();
    qobject_cast<QVBoxLayout*>(FrameEsenzione->layout())->addLayout(rigaEs);

    FrameElCliFor
        = Pannello(finestra, u"FrameElCliFor"_s, u"Invio telematico elenco Clienti e Fornitori"_s);
    auto* rigaEl = new QHBoxLayout;
    rigaEl->addWidget(new QLabel(u" Periodo di elaborazione"_s, FrameElCliFor));
    FCPeriodoAAElCliFor = Combo(FrameElCliFor, u"FCPeriodoAAElCliFor"_s, 70);
    rigaEl->addWidget(FCPeriodoAAElCliFor);
    rigaEl->addStretch();
    qobject_cast<QVBoxLayout*>(FrameElCliFor->layout())->addLayout(rigaEl);

    FrameDocumenti = Pannello(finestra, u"FrameDocumenti"_s, QString());
    LWDocumenti = Lista(FrameDocumenti, Documenti, u"LWDocumenti"_s);
    FrameDocumenti->layout()->addWidget(LWDocumenti);
    FrameDocumentiDaInviare = Pannello(finestra, u"FrameDocumentiDaInviare"_s, QString());
    LWDocumentiDaInviare
        = Lista(FrameDocumentiDaInviare, DocumentiDaInviare, u"LWDocumentiDaInviare"_s);
    FrameDocumentiDaInviare->layout()->addWidget(LWDocumentiDaInviare);

    FrameNomSel = Pannello(finestra, u"FrameNomSel"_s, QString());
    TitoloNomSel = Nominato(new QLabel(u"Nominativi Selezionati"_s, FrameNomSel), u"LblNomSel"_s);
    FrameNomSel->layout()->addWidget(TitoloNomSel);
    LWNomSel = Lista(FrameNomSel, NomSel, u"LWNomSel"_s);
    FrameNomSel->layout()->addWidget(LWNomSel);

    FrameInviaDocumenti = Pannello(finestra, u"FrameInviaDocumenti"_s, QString());
    TitoloInviaDocSel = Nominato(
        new QLabel(u"Documenti selezionati"_s, FrameInviaDocumenti), u"LblInviaDocSel"_s);
    FrameInviaDocumenti->layout()->addWidget(TitoloInviaDocSel);
    LWInviaDocSel = Lista(FrameInviaDocumenti, InviaDocSel, u"LWInviaDocSel"_s);
    LWInviaDocSel->ImpostaCaselle(true);
    FrameInviaDocumenti->layout()->addWidget(LWInviaDocSel);
    TDocSelCestino = Nominato(new QToolButton(FrameInviaDocumenti), u"TDocSelCestino"_s);
    TDocSelCestino->setIcon(ListaImmagini::Icona(u"CESTINO"_s));
    TDocSelCestino->setText(u"Togli i documenti spuntati"_s);
    TDocSelCestino->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FrameInviaDocumenti->layout()->addWidget(TDocSelCestino);
}

std::array<QComboBox*, 5> PannelliPrincipali::CombiTipo() const
{
    return {FCTipoDoc, RicCTipoDoc, RicCPrivacy, RicCTipoDocDaInviare, FCTipoDocExport};
}

QList<QComboBox*> PannelliPrincipali::CombiAnno() const
{
    return {FCPeriodo[0].Anno, FCPeriodo[1].Anno, FCPeriodo[2].Anno, FAnno,
        FCPeriodoPrivacy[0].Anno, FCPeriodoPrivacy[1].Anno, FCPeriodoAAEsenzione,
        FCPeriodoAAElCliFor, FCPeriodoExport[0].Anno, FCPeriodoExport[1].Anno};
}

QList<QFrame*> PannelliPrincipali::PannelliRicerca() const
{
    return {FrameSelezionaCliente, FrameRicercaDocumenti, FrameRicercaDocumentiDaInviare,
        FramePrivacy, FrameExport, FrameEsenzione, FrameElCliFor};
}
