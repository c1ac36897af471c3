#include "app/FSelezionaCliente.h"

#include "app/Etichette.h"
#include "documents/SerieDocumenti.h"
#include "forms/Dialoghi.h"
#include "forms/ElencoView.h"
#include "platform/Orologio.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

constexpr int AltezzaBanda = 84;

int Pixel(int twips)
{
    return twips / TwipsPerPixel;
}

void ImpostaData(const ComboData& data, const QDate& giorno)
{
    if (data.Giorno)
        data.Giorno->setCurrentIndex(giorno.day() - 1);
    if (data.Mese)
        data.Mese->setCurrentIndex(giorno.month() - 1);
    if (data.Anno)
        data.Anno->setCurrentText(QString::number(giorno.year()));
}

} // namespace

FSelezionaCliente::FSelezionaCliente(
    Invexo_Main& globali, Dialoghi& dialoghi, const Orologio& orologio, QWidget* genitore)
    : QWidget(genitore)
    , m_globali(globali)
    , m_dialoghi(dialoghi)
    , m_orologio(orologio)
    , m_pannelli(std::make_unique<PannelliPrincipali>(this))
    , m_barraWidget(new BarraDestra(this))
{
    setObjectName(u"FSelezionaCliente"_s);
    setWindowTitle(u" Tramavento Invexo"_s);
    setMinimumSize(900, 600);
    connect(m_barraWidget, &BarraDestra::Premuto, this, [this](int frame) {
        if (frame == StatoBarraDestra::Rewind)
            FPicRewind_Click();
        else if (Agganci.PulsanteDestro)
            Agganci.PulsanteDestro(frame);
    });
    CollegaCombi();
}

FSelezionaCliente::~FSelezionaCliente() = default;

bool FSelezionaCliente::SchermoStretto()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo && schermo->geometry().width() < 1024;
}

void FSelezionaCliente::Carica(const MittentiPredefiniti& mittenti)
{
    auto& p = *m_pannelli;
    setWindowIcon(QIcon(u":/splash/marchio.png"_s));
    if (SchermoStretto()) {
        for (Elenco* elenco : {&p.NomSel, &p.InviaDocSel})
            if (elenco->Colonne.size() > 1)
                elenco->Colonne[1].LarghezzaTwips = 3000 - elenco->Colonne[0].LarghezzaTwips;
        p.FrameNomSel->setFixedWidth(Pixel(3000) + 24);
        p.FrameInviaDocumenti->setFixedWidth(Pixel(3000) + 24);
        p.LWNomSel->ApplicaColonne();
        p.LWInviaDocSel->ApplicaColonne();
    }
    TogliBottoniDestra(m_barra, m_globali.Opzioni());
    // Report lists here have no icon gutter to hide, so the first column keeps its width.
    MostraSelezionaCliente();
    RiempiAnni();
    PeriodiPredefiniti();
    p.EmailTxtMittenteDaInviare->setText(mittenti.Email);
    p.EmailTxtMittentePrivacy->setText(mittenti.Email);
    p.FaxTxtMittenteDaInviare->setText(mittenti.Nominativo);
    p.FaxTxtMittentePrivacy->setText(mittenti.Nominativo);
    if (Agganci.AzzeraTestiInvio) {
        Agganci.AzzeraTestiInvio(u"PRIVACY"_s);
        Agganci.AzzeraTestiInvio(u"EXPORT"_s);
    }
    Resize();
}

void FSelezionaCliente::RiempiAnni()
{
    const int anno = m_orologio.Oggi().year();
    for (QComboBox* combo : m_pannelli->CombiAnno()) {
        combo->clear();
        for (int delta = -2; delta <= 1; ++delta)
            combo->addItem(QString::number(anno + delta));
        combo->setCurrentIndex(-1);
    }
    m_pannelli->FCPeriodoAAElCliFor->setCurrentIndex(2);
}

void FSelezionaCliente::PeriodiPredefiniti()
{
    auto& p = *m_pannelli;
    const QDate oggi = m_orologio.Oggi();
    const QDate inizio = oggi.addDays(-15);
    // The document and to-send searches share the first two period sets.
    ImpostaData(p.FCPeriodo[0], inizio);
    ImpostaData(p.FCPeriodo[1], oggi);
    ImpostaData(p.FCPeriodoPrivacy[0], inizio);
    ImpostaData(p.FCPeriodoPrivacy[1], oggi);
    ImpostaData(p.FCPeriodoExport[0], inizio);
    ImpostaData(p.FCPeriodoExport[1], oggi);
}

void FSelezionaCliente::CaricaTipiDocumento()
{
    auto& p = *m_pannelli;
    for (QComboBox* combo : p.CombiTipo())
        combo->clear();
    m_globali.ExportManagerRemoto = false;
    if (!m_globali.Archivio)
        return;
    for (VoceSerie& voce : m_globali.Archivio->VociSerie) {
        if (!voce.Serie.isEmpty())
            continue;
        if (voce.TipoDocumento == Etichette::ExportEstrazioneRemota) {
            voce.TipoDocumento = Etichette::ExportEstrazione;
            m_globali.ExportManagerRemoto = true;
        }
        for (QComboBox* combo : p.CombiTipo())
            combo->addItem(voce.TipoDocumento);
    }
    for (QComboBox* combo : p.CombiTipo())
        combo->setCurrentIndex(-1);
    const int bolle = p.FCTipoDoc->findText(Etichette::BolleDiVendita, Qt::MatchExactly);
    if (bolle >= 0)
        SelezionaTipo(p.FCTipoDoc, bolle);
}

void FSelezionaCliente::CaricaLogo(const QString& cartellaLogo, const QString& azienda)
{
    QPixmap logo(cartellaLogo + u"/logo"_s + azienda + u".gif"_s);
    if (logo.isNull())
        logo.load(cartellaLogo + u"/logoQuorvanel.gif"_s);
    m_pannelli->PLogo->setPixmap(logo);
    m_pannelli->PLogo->adjustSize();
}

void FSelezionaCliente::ApriVistaIniziale()
{
    auto& p = *m_pannelli;
    const QString unico = p.FCTipoDoc->count() == 1 ? p.FCTipoDoc->itemText(0) : QString();
    if (unico == Etichette::Esenzione) {
        p.FrameSelezionaCliente->hide();
        MostraEsenzione();
    } else if (Etichette::EElenchiCliFor(unico)) {
        p.FrameSelezionaCliente->hide();
        MostraElenchiCliFor();
    } else {
        p.FrameSelezionaCliente->show();
    }
    Resize();
}

void FSelezionaCliente::CollegaCombi()
{
    auto& p = *m_pannelli;
    connect(p.FCTipoDoc, &QComboBox::activated, this, [this] { FCTipoDoc_Click(); });
    connect(p.RicCTipoDoc, &QComboBox::activated, this, [this] { RicCTipoDoc_Click(); });
    connect(p.RicCTipoDocDaInviare, &QComboBox::activated, this,
        [this] { RicCTipoDocDaInviare_Click(); });
    connect(p.RicCPrivacy, &QComboBox::activated, this, [this] { MostraPrivacy(); });
    connect(p.FCTipoDocExport, &QComboBox::activated, this, [this] { MostraExport(); });
}

void FSelezionaCliente::SelezionaTipo(QComboBox* combo, int posizione)
{
    auto& p = *m_pannelli;
    combo->setCurrentIndex(posizione);
    if (posizione < 0)
        return;
    if (combo == p.FCTipoDoc)
        FCTipoDoc_Click();
    else if (combo == p.RicCTipoDoc)
        RicCTipoDoc_Click();
    else if (combo == p.RicCTipoDocDaInviare)
        RicCTipoDocDaInviare_Click();
    else if (combo == p.RicCPrivacy)
        MostraPrivacy();
    else if (combo == p.FCTipoDocExport)
        MostraExport();
}

void FSelezionaCliente::FCTipoDoc_Click()
{
    auto& p = *m_pannelli;
    const QString etichetta = p.FCTipoDoc->currentText();
    const int posizione = p.FCTipoDoc->currentIndex();
    CambioServizio(etichetta);
    if (etichetta == Etichette::DaVisionare) {
        SelezionaTipo(p.RicCTipoDoc, posizione);
    } else if (etichetta == Etichette::DaInviare) {
        SelezionaTipo(p.RicCTipoDocDaInviare, posizione);
    } else if (Etichette::EPrivacy(etichetta) || etichetta == Etichette::ExportInformative) {
        SelezionaTipo(p.RicCPrivacy, posizione);
    } else if (etichetta == Etichette::ExportEstrazione) {
        SelezionaTipo(p.FCTipoDocExport, posizione);
    } else if (etichetta == Etichette::Esenzione) {
        MostraEsenzione();
    } else if (Etichette::EElenchiCliFor(etichetta)) {
        MostraElenchiCliFor();
    } else {
        MostraSelezionaCliente();
        CaricaSerie(etichetta);
        p.FrameDocumenti->hide();
        Resize();
    }
}

void FSelezionaCliente::RicCTipoDoc_Click()
{
    auto& p = *m_pannelli;
    if (p.RicCTipoDoc->currentText() == Etichette::DaVisionare)
        MostraDaVisionare();
    else
        SelezionaTipo(p.FCTipoDoc, p.RicCTipoDoc->currentIndex());
}

void FSelezionaCliente::RicCTipoDocDaInviare_Click()
{
    auto& p = *m_pannelli;
    if (p.RicCTipoDocDaInviare->currentText() == Etichette::DaInviare)
        MostraDaInviare();
    else
        SelezionaTipo(p.FCTipoDoc, p.RicCTipoDocDaInviare->currentIndex());
}

void FSelezionaCliente::CaricaSerie(const QString& etichetta)
{
    QComboBox* serie = m_pannelli->FCSerieDoc;
    serie->clear();
    serie->addItems(m_globali.Archivio ? ::CaricaSerie(*m_globali.Archivio, etichetta)
                                       : QStringList {QString()});
}

void FSelezionaCliente::MostraSoloPannello(QFrame* pannello)
{
    auto& p = *m_pannelli;
    for (QFrame* frame : {p.FrameSelezionaCliente, p.FrameRicercaDocumenti,
             p.FrameRicercaDocumentiDaInviare, p.FramePrivacy, p.FrameExport, p.FrameEsenzione,
             p.FrameElCliFor, p.FrameDocumentiDaInviare})
        frame->setVisible(frame == pannello);
}

void FSelezionaCliente::MostraSelezionaCliente()
{
    MostraSoloPannello(m_pannelli->FrameSelezionaCliente);
    Resize();
}

void FSelezionaCliente::MostraDaVisionare()
{
    MostraSoloPannello(m_pannelli->FrameRicercaDocumenti);
    m_pannelli->FrameDocumenti->hide();
    Resize();
}

void FSelezionaCliente::MostraDaInviare()
{
    MostraSoloPannello(m_pannelli->FrameRicercaDocumentiDaInviare);
    m_pannelli->FrameDocumenti->hide();
    ResizeRigheDaInviare();
    Resize();
}

void FSelezionaCliente::MostraPrivacy()
{
    MostraSoloPannello(m_pannelli->FramePrivacy);
    m_pannelli->FrameDocumenti->hide();
    Resize();
}

void FSelezionaCliente::MostraExport()
{
    MostraSoloPannello(m_pannelli->FrameExport);
    m_pannelli->FrameDocumenti->hide();
    Resize();
}

void FSelezionaCliente::MostraEsenzione()
{
    MostraSoloPannello(m_pannelli->FrameEsenzione);
    m_pannelli->FrameDocumenti->hide();
    TogliBottoniDestra(m_barra, m_globali.Opzioni());
    Resize();
}

void FSelezionaCliente::MostraElenchiCliFor()
{
    MostraSoloPannello(m_pannelli->FrameElCliFor);
    m_pannelli->FrameDocumenti->hide();
    TogliBottoniDestra(m_barra, m_globali.Opzioni());
    Resize();
}

void FSelezionaCliente::ResizeRigheDaInviare()
{
    const ArchivioSerie& archivio = m_globali.Opzioni();
    auto& opzioni = m_pannelli->optDaInviare;
    for (int riga = 0; riga < 5; ++riga)
        opzioni[riga]->hide();
    if (archivio.InvioFatture) {
        for (int riga : {0, 1, 3, 4})
            opzioni[riga]->show();
        opzioni[2]->setVisible(archivio.InvioConferme);
    }
    opzioni[5]->show();
}

void FSelezionaCliente::CambioServizio(const QString& etichetta)
{
    if (etichetta.isEmpty() || etichetta == m_picTrackService)
        return;
    const QString vecchia = m_picTrackService;
    m_picTrackService = etichetta;
    if (Agganci.AzzeraTestiInvio)
        Agganci.AzzeraTestiInvio(u"EXPORT"_s);
    if (etichetta == Etichette::DaInviare && Agganci.AzzeraTestiInvio)
        Agganci.AzzeraTestiInvio(u"PRIVACY"_s);
    if (!Etichette::EPrivacy(etichetta)) {
        if (Agganci.ChiudiConnessioneLdap)
            Agganci.ChiudiConnessioneLdap();
        if (Agganci.AzzeraTestiInvio)
            Agganci.AzzeraTestiInvio(u"PRIVACY"_s);
    }
    SvuotaCestinoSeCredemtel(vecchia, etichetta);
}

void FSelezionaCliente::SvuotaCestinoSeCredemtel(const QString& vecchia, const QString& nuova)
{
    auto& p = *m_pannelli;
    // Each Credemtel label is checked on its own, so the message can come twice.
    for (const QString& credemtel : {Etichette::CredemtelInvio, Etichette::CredemtelInviati}) {
        if (vecchia != credemtel && nuova != credemtel)
            continue;
        if (p.InviaDocSel.Conta() == 0)
            continue;
        m_dialoghi.Avviso(u"La lista dei documenti selezionati verrà cancellata"_s);
        p.InviaDocSel.Svuota();
        p.InviaDocSel.Cambiato();
        p.FrameInviaDocumenti->hide();
    }
}

void FSelezionaCliente::FPicRewind_Click()
{
    auto& p = *m_pannelli;
    for (QFrame* frame : {p.FrameInviaDocumenti, p.FrameNomSel, p.FrameEsenzione, p.FrameElCliFor,
             p.FrameExport, p.FramePrivacy, p.FrameDocumenti, p.FrameDocumentiDaInviare})
        frame->hide();
    m_barra.EliminaVisibile = false;
    const ArchivioSerie& archivio = m_globali.Opzioni();
    TogliBottoniDestra(m_barra, archivio);
    p.RicCTipoDoc->setCurrentIndex(-1);
    p.RicCTipoDocDaInviare->setCurrentIndex(-1);
    MostraSelezionaCliente();
    m_globali.Trovati = std::make_shared<DocumentiTrovati>();
    m_globali.ClientiSelezionati.clear();
    p.NomSel.Svuota();
    p.NomSel.Cambiato();
    p.FTextCliente->clear();
    p.FTextNominativo->clear();
    const int bolle = p.FCTipoDoc->findText(Etichette::BolleDiVendita, Qt::MatchExactly);
    if (bolle >= 0)
        SelezionaTipo(p.FCTipoDoc, bolle);
    p.FCSerieDoc->setCurrentIndex(-1);
    p.FSerie->clear();
    p.FNumero->clear();
    p.FAnno->setCurrentIndex(-1);
    p.FAnno->clearEditText();
    p.RicCPrivacy->setCurrentIndex(-1);
    p.FCTipoDocExport->setCurrentIndex(-1);
    if (p.InviaDocSel.Conta() > 0 && m_dialoghi.Domanda(u"Eliminare i documenti selezionati?"_s)) {
        p.InviaDocSel.Svuota();
        p.InviaDocSel.Cambiato();
    }
    const QString unico = p.FCTipoDoc->count() == 1 ? p.FCTipoDoc->itemText(0) : QString();
    if (unico == Etichette::Esenzione)
        MostraEsenzione();
    else if (Etichette::EElenchiCliFor(unico))
        MostraElenchiCliFor();
    Resize();
}

void FSelezionaCliente::AggiornaBarra()
{
    m_barraWidget->Applica(m_barra, SchermoStretto());
}

void FSelezionaCliente::Resize()
{
    auto& p = *m_pannelli;
    const bool stretto = SchermoStretto();
    const int spazio = Pixel(stretto ? 50 : 200);
    const int larghezza = width();
    const int altezza = height();

    p.FrameTop->setGeometry(0, 0, larghezza, AltezzaBanda);
    const int sinistraBarra = larghezza - BarraDestra::Larghezza;
    m_barraWidget->setGeometry(
        sinistraBarra, AltezzaBanda, BarraDestra::Larghezza, altezza - AltezzaBanda);
    AggiornaBarra();
    const QSize logo = p.PLogo->sizeHint();
    p.PLogo->setGeometry((sinistraBarra - logo.width()) / 2, (AltezzaBanda - logo.height()) / 2,
        logo.width(), logo.height());

    // Side panels stand left of the bar, one under the other.
    int destraContenuto = sinistraBarra - spazio;
    int altoLaterale = AltezzaBanda + spazio;
    int larghezzaLaterali = 0;
    for (QFrame* laterale : {p.FrameNomSel, p.FrameInviaDocumenti}) {
        if (laterale->isHidden())
            continue;
        larghezzaLaterali = std::max(larghezzaLaterali, laterale->sizeHint().width());
    }
    if (larghezzaLaterali > 0) {
        larghezzaLaterali = std::max(larghezzaLaterali, Pixel(3400));
        destraContenuto -= larghezzaLaterali + spazio;
        const int altezzaLaterale = (altezza - AltezzaBanda - 3 * spazio) / 2;
        for (QFrame* laterale : {p.FrameNomSel, p.FrameInviaDocumenti}) {
            if (laterale->isHidden())
                continue;
            laterale->setGeometry(
                destraContenuto + spazio, altoLaterale, larghezzaLaterali, altezzaLaterale);
            altoLaterale += altezzaLaterale + spazio;
        }
    }

    // Search panels, then the visible result list, centred in what is left.
    int alto = AltezzaBanda + spazio;
    for (QFrame* pannello : p.PannelliRicerca()) {
        if (pannello->isHidden())
            continue;
        const QSize misura = pannello->sizeHint();
        const int larghezzaPannello = std::min(misura.width(), destraContenuto - spazio);
        pannello->setGeometry(
            (destraContenuto - larghezzaPannello) / 2, alto, larghezzaPannello, misura.height());
        alto += misura.height() + spazio;
    }
    for (QFrame* lista : {p.FrameDocumenti, p.FrameDocumentiDaInviare}) {
        if (lista->isHidden())
            continue;
        lista->setGeometry(spazio, alto, std::max(0, destraContenuto - spazio),
            std::max(80, altezza - alto - spazio));
    }
}

void FSelezionaCliente::resizeEvent(QResizeEvent* evento)
{
    QWidget::resizeEvent(evento);
    Resize();
}

void FSelezionaCliente::closeEvent(QCloseEvent* evento)
{
    // Only the user's close box is subject to the debug and shell rules.
    if (!m_chiusuraDaCodice) {
        if (m_globali.ModoDebug) {
            m_dialoghi.Avviso(
                u"DEBUG MODE - Il programma viene chiuso!"_s, IconaMessaggio::Informazione);
        } else if (m_globali.ModoShell) {
            hide();
            evento->ignore();
            return;
        }
    }
    evento->accept();
    Scarica();
}

void FSelezionaCliente::ChiudiDaCodice()
{
    m_chiusuraDaCodice = true;
    close();
}

void FSelezionaCliente::Scarica()
{
    if (m_scaricata)
        return;
    m_scaricata = true;
    for (QWidget* finestra : QApplication::topLevelWidgets())
        if (finestra != this && finestra->isVisible())
            finestra->close();
    if (Agganci.ChiudiPosta)
        Agganci.ChiudiPosta();
    CancellaFileTemporanei(m_globali);
    if (m_globali.Ambiente && m_globali.SessioneOrbeni)
        m_globali.Ambiente->ChiudiSessione(*m_globali.SessioneOrbeni);
    Q_EMIT Scaricata();
}
