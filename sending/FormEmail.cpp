#include "sending/FormEmail.h"

#include "app/Etichette.h"
#include "app/Impostazioni.h"
#include "forms/Dialoghi.h"
#include "forms/ElencoView.h"
#include "platform/Orologio.h"
#include "sending/BarreScorrimento.h"
#include "sending/FormTestoOggetto.h"
#include "sending/IndirizziInvio.h"
#include "sending/LayoutFormEmail.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int LarghezzaEtichette = 1100;

int Px(int twips)
{
    return twips / TwipsPerPixel;
}

void Colloca(QWidget* widget, const RiquadroTwips& riquadro)
{
    widget->setGeometry(
        Px(riquadro.Sinistra), Px(riquadro.Alto), Px(riquadro.Larghezza), Px(riquadro.Altezza));
}

QFrame* Riquadro(QWidget* genitore, const QString& nome)
{
    auto* frame = new QFrame(genitore);
    frame->setObjectName(nome);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QLineEdit* Campo(QWidget* genitore, const QString& nome)
{
    auto* campo = new QLineEdit(genitore);
    campo->setObjectName(nome);
    return campo;
}

QLabel* Etichetta(QWidget* genitore, const QString& testo, QWidget* compagno = nullptr)
{
    auto* etichetta = new QLabel(testo, genitore);
    if (compagno)
        etichetta->setBuddy(compagno);
    return etichetta;
}

QToolButton* PulsanteImmagine(
    QWidget* genitore, const QString& nome, const QString& testo, QStyle::StandardPixmap icona)
{
    auto* pulsante = new QToolButton(genitore);
    pulsante->setObjectName(nome);
    pulsante->setText(testo);
    pulsante->setIcon(genitore->style()->standardIcon(icona));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return pulsante;
}

// A covering picture that hides a scroll bar while an address is edited.
QLabel* Copertura(QWidget* genitore, const QString& nome)
{
    auto* copertura = new QLabel(genitore);
    copertura->setObjectName(nome);
    copertura->setAutoFillBackground(true);
    copertura->hide();
    return copertura;
}

} // namespace

FormEmail::FormEmail(Invexo_Main& globali, Dialoghi& dialoghi, Impostazioni& impostazioni,
    const Orologio& ora, QWidget* principale)
    : QDialog(principale, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
    , m_globali(globali)
    , m_dialoghi(dialoghi)
    , m_impostazioni(impostazioni)
    , m_ora(ora)
    , m_barraAlto(new QLabel(this))
    , m_frameOggetto(Riquadro(this, u"FrameEmailOggetto"_s))
    , m_txtMittente(Campo(m_frameOggetto, u"EmailTxtMittente"_s))
    , m_txtOggetto(Campo(m_frameOggetto, u"EmailTxtOggetto"_s))
    , m_frameDestinatari(Riquadro(this, u"FrameEmailDestinatari"_s))
    , m_etichettaDestinatari(new QLabel(m_frameDestinatari))
    , m_lista(new ElencoView(m_destinatari, m_frameDestinatari))
    , m_frameTesto(Riquadro(this, u"FrameEmailTesto"_s))
    , m_etichettaTesto(new QLabel(m_frameTesto))
    , m_txtFrontespizio(new QPlainTextEdit(m_frameTesto))
    , m_frameTentativi(Riquadro(this, u"FrameEmailTentativi"_s))
    , m_txtData(Campo(m_frameTentativi, u"EmailTxtDataInvio"_s))
    , m_txtOra(Campo(m_frameTentativi, u"EmailTxtOraInvio"_s))
    , m_txtTentativi(Campo(m_frameTentativi, u"EmailTxtTentativi"_s))
    , m_textFaxEmail(Campo(this, u"TextFaxEmail"_s))
    , m_checkFaxEmail(new QCheckBox(this))
    , m_coperturaVerticale(Copertura(this, u"PicScrollVerticale"_s))
    , m_coperturaOrizzontale(Copertura(this, u"PicScrollOrizzontale"_s))
    , m_barraDestra(new QFrame(this))
    , m_invia(PulsanteImmagine(
          m_barraDestra, u"ImgBottoniInvia"_s, u"Invia"_s, QStyle::SP_DialogApplyButton))
    , m_chiudi(PulsanteImmagine(
          m_barraDestra, u"ImgBottoniChiudi"_s, u"Chiudi"_s, QStyle::SP_DialogCloseButton))
{
    setObjectName(u"FormEmail"_s);
    setWindowTitle(u"Invio"_s);
    setModal(false);
    m_barraAlto->setObjectName(u"BarraAlto"_s);
    m_barraAlto->setAlignment(Qt::AlignCenter);
    QFont grassetto = m_barraAlto->font();
    grassetto.setBold(true);
    m_barraAlto->setFont(grassetto);

    Etichetta(m_frameOggetto, u"&Mittente"_s, m_txtMittente)->setGeometry(4, 6, 70, 20);
    Etichetta(m_frameOggetto, u"&Oggetto"_s, m_txtOggetto)->setGeometry(4, 34, 70, 20);
    m_txtOggetto->setMaxLength(200);
    m_etichettaDestinatari->setObjectName(u"EtichettaDestinatari"_s);
    m_etichettaDestinatari->setBuddy(m_lista);
    m_lista->setObjectName(u"LWEmail"_s);
    m_lista->ImpostaCaselle(true);
    m_lista->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_etichettaTesto->setBuddy(m_txtFrontespizio);
    m_txtFrontespizio->setObjectName(u"EmailTxtFrontespizio"_s);
    m_txtFrontespizio->setFont(QFont(u"Courier New"_s, 9.75));
    Etichetta(m_frameTentativi, u"Data invio"_s, m_txtData)->setGeometry(4, 6, 70, 20);
    m_txtData->setGeometry(76, 4, 70, 22);
    Etichetta(m_frameTentativi, u"Ora invio"_s, m_txtOra)->setGeometry(160, 6, 60, 20);
    m_txtOra->setGeometry(222, 4, 50, 22);
    Etichetta(m_frameTentativi, u"Tentativi"_s, m_txtTentativi)->setGeometry(286, 6, 60, 20);
    m_txtTentativi->setGeometry(348, 4, 30, 22);
    m_textFaxEmail->hide();
    m_checkFaxEmail->setObjectName(u"EmailFaxCheck"_s);
    m_checkFaxEmail->setToolTip(u"Memorizza in rubrica"_s);
    m_checkFaxEmail->setAccessibleName(u"Memorizza in rubrica"_s);
    // Clicking it must not take the focus from the editor, which would end the correction.
    m_checkFaxEmail->setFocusPolicy(Qt::NoFocus);
    m_checkFaxEmail->hide();
    m_barraDestra->setObjectName(u"BarraDestra"_s);
    m_invia->setGeometry(10, 10, 80, 60);
    m_chiudi->setGeometry(10, 80, 80, 60);

    ColonneLWEmail(m_destinatari, m_modo);
    m_numeroMaxElementi = NumeroMaxElementi(QGuiApplication::primaryScreen()
            ? QGuiApplication::primaryScreen()->geometry().width()
            : 1024);

    m_textFaxEmail->installEventFilter(this);
    connect(m_textFaxEmail, &QLineEdit::returnPressed, this, &FormEmail::TogliTextFaxEmail);
    connect(m_lista, &ElencoView::RigaDoppioClic, this, &FormEmail::DoppioClic);
    connect(m_lista, &ElencoView::CellaPremuta, this, [this] { TogliTextFaxEmail(); });
    connect(m_lista->model(), &QAbstractItemModel::dataChanged, this,
        [this](const QModelIndex& indice, const QModelIndex&, const QList<int>& ruoli) {
            if (ruoli.contains(Qt::CheckStateRole))
                m_lista->setCurrentIndex(indice);
        });
    connect(m_txtMittente, &QLineEdit::editingFinished, this, &FormEmail::LasciaMittente);
    connect(m_invia, &QToolButton::clicked, this, &FormEmail::Invia);
    connect(m_chiudi, &QToolButton::clicked, this, &QWidget::hide);
}

FormEmail::~FormEmail()
{
    // The list's view reads the recipients until it goes: before them, not with the children.
    delete m_lista;
}

void FormEmail::setTipo(int tipo)
{
    m_modo = tipo == 1 ? ModoFormEmail::Fax : ModoFormEmail::Email;
}

void FormEmail::showEvent(QShowEvent* evento)
{
    QDialog::showEvent(evento);
    if (!evento->spontaneous())
        Attiva();
}

void FormEmail::Attiva()
{
    const bool fax = m_modo == ModoFormEmail::Fax;
    m_textFaxEmail->hide();
    m_checkFaxEmail->hide();
    m_coperturaVerticale->hide();
    m_coperturaOrizzontale->hide();
    m_lista->show();
    m_etichettaDestinatari->setText(u"&Destinatari"_s);
    m_frameTentativi->setVisible(fax);
    setWindowTitle(TitoloFormEmail(m_modo));
    m_barraAlto->setText(fax ? u"Invio informative per FAX"_s : u"Invio informative per E-Mail"_s);
    m_etichettaTesto->setText(fax ? u"Frontespizio"_s : u"Messaggio"_s);

    const QDateTime adesso = m_ora.Adesso();
    m_txtData->setText(adesso.toString(u"dd/MM/yy"_s));
    m_txtOra->setText(adesso.toString(u"HH:mm"_s));
    if (fax && m_txtTentativi->text().isEmpty())
        m_txtTentativi->setText(u"3"_s);
    m_txtMittente->setText(m_impostazioni.Leggi(
        fax ? ChiaviImpostazioni::MittenteFax : ChiaviImpostazioni::MittenteEmail));
    m_txtMittente->setModified(false);

    m_rigaSelezionata = -1;
    ColonneLWEmail(m_destinatari, m_modo);
    CaricaDestinatari(m_destinatari, m_clienti, m_modo);
    ResizeTutto();
    m_txtOggetto->setFocus();
}

void FormEmail::ResizeLWEmail()
{
    MisureFormEmail misure;
    const QWidget* principale = parentWidget();
    const int altezzaPrincipale = principale
        ? principale->height()
        : (QGuiApplication::primaryScreen()
                ? QGuiApplication::primaryScreen()->availableGeometry().height()
                : 768);
    misure.AltezzaPrincipale = altezzaPrincipale * TwipsPerPixel;
    misure.LarghezzaLista = m_destinatari.Colonne.value(0).LarghezzaTwips
        + m_destinatari.Colonne.value(1).LarghezzaTwips + LarghezzaBarraVerticale();
    misure.LarghezzaEtichetta = LarghezzaEtichette;
    misure.Righe = m_destinatari.Conta();
    misure.MaxElementi = m_numeroMaxElementi;
    misure.Fax = m_modo == ModoFormEmail::Fax;
    const LayoutFormEmail layout = CalcolaLayoutFormEmail(misure);
    Disponi(layout);

    setFixedSize(Px(layout.Larghezza), Px(layout.Altezza));
    const QRect area = principale
        ? QRect(principale->mapToGlobal(QPoint(0, 0)), principale->size())
        : (QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                            : QRect());
    if (area.isValid())
        move(area.center() - QPoint(width() / 2, height() / 2));
}

void FormEmail::Disponi(const LayoutFormEmail& layout)
{
    Colloca(m_barraAlto, layout.BarraAlto);
    Colloca(m_frameOggetto, layout.Oggetto);
    const int larghezzaCampi = Px(layout.Oggetto.Larghezza - LarghezzaEtichette) - 10;
    m_txtMittente->setGeometry(Px(LarghezzaEtichette), 4, larghezzaCampi, 22);
    m_txtOggetto->setGeometry(Px(LarghezzaEtichette), 32, larghezzaCampi, 22);

    Colloca(m_frameDestinatari, layout.Destinatari);
    m_etichettaDestinatari->setGeometry(4, 2, Px(LarghezzaEtichette) - 8, 20);
    Colloca(m_lista, layout.Lista);

    Colloca(m_frameTesto, layout.Testo);
    m_etichettaTesto->setGeometry(4, 6, Px(LarghezzaEtichette) - 8, 20);
    m_txtFrontespizio->setGeometry(
        Px(LarghezzaEtichette), 4, larghezzaCampi, Px(layout.Testo.Altezza) - 8);
    Colloca(m_frameTentativi, layout.Tentativi);
    Colloca(m_barraDestra, layout.BarraDestra);
}

void FormEmail::ResizeTutto()
{
    ResizeLWEmail();
    m_destinatari.Cambiato();
}

void FormEmail::DoppioClic(int riga)
{
    if (riga < 0 || riga >= m_destinatari.Conta())
        return;
    const QModelIndex indice = m_lista->model()->index(riga, ColonnaIndirizzoEmail);
    m_lista->setCurrentIndex(indice);
    const QRect cella = m_lista->visualRect(indice);
    const QPoint inAlto = m_lista->viewport()->mapTo(this, cella.topLeft());
    const QString testo = InserisciFaxEmail(inAlto.y() * TwipsPerPixel,
        inAlto.x() * TwipsPerPixel + 60, cella.width() * TwipsPerPixel - 60);
    m_destinatari.Riga(riga).CellaA(ColonnaIndirizzoEmail).Testo = testo;
    m_rigaSelezionata = riga;
    m_destinatari.Cambiato();
}

QString FormEmail::InserisciFaxEmail(int riga, int colonna, int lunghezza)
{
    const QRect lista(m_lista->mapTo(this, QPoint(0, 0)), m_lista->size());
    const bool conVerticale = m_destinatari.Conta() > m_numeroMaxElementi;
    const int barra = Px(LarghezzaBarraVerticale());
    m_coperturaVerticale->setGeometry(lista.right() - barra, lista.top(), barra, lista.height());
    m_coperturaVerticale->setVisible(conVerticale);
    const int altezzaBarra = Px(AltezzaBarraOrizzontale());
    m_coperturaOrizzontale->setGeometry(
        lista.left(), lista.bottom() - altezzaBarra, lista.width(), altezzaBarra);
    m_coperturaOrizzontale->setVisible(m_lista->horizontalScrollBar()->isVisible());
    m_coperturaVerticale->raise();
    m_coperturaOrizzontale->raise();

    const PosizioneEditore posizione = PosizionaEditore(riga, colonna, lunghezza,
        m_checkFaxEmail->sizeHint().width() * TwipsPerPixel, conVerticale,
        LarghezzaBarraVerticale());
    const int altezzaRiga = std::max(m_lista->sizeHintForRow(0), 20);
    m_textFaxEmail->setGeometry(Px(posizione.Testo.Sinistra), Px(posizione.Testo.Alto),
        Px(posizione.Testo.Larghezza), altezzaRiga);
    m_checkFaxEmail->move(Px(posizione.SinistraCheck), Px(posizione.AltoCheck));

    const int corrente = m_lista->currentIndex().row();
    const bool valida = corrente >= 0 && corrente < m_destinatari.Conta();
    m_checkFaxEmail->setChecked(valida && MemorizzaIniziale(m_destinatari.Riga(corrente)));
    m_textFaxEmail->setText(
        valida ? m_destinatari.Riga(corrente).TestoColonna(ColonnaIndirizzoEmail) : QString());
    m_textFaxEmail->show();
    m_checkFaxEmail->show();
    m_textFaxEmail->raise();
    m_checkFaxEmail->raise();
    m_textFaxEmail->setFocus();
    return m_textFaxEmail->text();
}

int FormEmail::RigaInCorrezione() const
{
    if (m_rigaSelezionata >= 0 && m_rigaSelezionata < m_destinatari.Conta())
        return m_rigaSelezionata;
    return m_lista->currentIndex().row();
}

void FormEmail::TogliTextFaxEmail()
{
    if (m_textFaxEmail->isHidden())
        return;
    m_textFaxEmail->hide();
    m_checkFaxEmail->hide();
    m_coperturaVerticale->hide();
    m_coperturaOrizzontale->hide();

    const int riga = RigaInCorrezione();
    if (riga >= 0 && riga < m_destinatari.Conta()) {
        if (const auto errore = ApplicaCorrezione(m_destinatari.Riga(riga), m_textFaxEmail->text(),
                m_checkFaxEmail->isChecked(), m_modo))
            m_dialoghi.Avviso(*errore, IconaMessaggio::Critica, TitoloFormEmail(m_modo));
        else
            m_rigaSelezionata = -1;
    }
    m_checkFaxEmail->setChecked(false);
    m_destinatari.Cambiato();
}

bool FormEmail::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (oggetto == m_textFaxEmail && evento->type() == QEvent::FocusOut)
        TogliTextFaxEmail();
    return QDialog::eventFilter(oggetto, evento);
}

void FormEmail::LasciaMittente()
{
    if (!m_txtMittente->isModified())
        return;
    m_txtMittente->setModified(false);
    // In both modes: a fax sender that is a plain name is still said to be no address.
    if (!IndirizzoEmailValido(m_txtMittente->text()))
        m_dialoghi.Avviso(u"Indirizzo email del mittente non valido"_s, IconaMessaggio::Critica,
            u"Invio Email"_s);
}

CampiFormEmail FormEmail::Campi() const
{
    return {m_txtMittente->text(), m_txtOggetto->text(),
        TestoConRitorni(m_txtFrontespizio->toPlainText()), m_txtData->text(), m_txtOra->text(),
        m_txtTentativi->text()};
}

bool FormEmail::Manda(bool export_)
{
    const EsitoMandaFaxEmail esito = export_
        ? ::MandaFaxEmailExport(m_globali, m_destinatari, Campi(), m_modo)
        : ::MandaFaxEmailPrivacy(m_globali, m_destinatari, Campi(), m_modo);
    std::optional<QString> errore = esito.Errore;
    if (!errore && esito.Spool == EsitoSpool::ErroreFile)
        errore = u"Impossibile scrivere i file di invio: nulla è stato inviato"_s;
    else if (!errore && esito.Spool == EsitoSpool::ErroreServer)
        errore = u"Il server non ha avviato l'invio"_s;
    if (errore) {
        m_dialoghi.Avviso(*errore, IconaMessaggio::Critica, TitoloFormEmail(m_modo));
        return false;
    }
    m_txtMittente->clear();
    m_txtOggetto->clear();
    m_textFaxEmail->clear();
    m_txtFrontespizio->clear();
    return true;
}

bool FormEmail::MandaFaxEmailPrivacy()
{
    return Manda(false);
}

bool FormEmail::MandaFaxEmailExport()
{
    return Manda(true);
}

void FormEmail::Invia()
{
    TogliTextFaxEmail();
    const QString titolo = TitoloFormEmail(m_modo);
    const QString mittente = m_txtMittente->text();
    m_impostazioni.Scrivi(m_modo == ModoFormEmail::Fax ? ChiaviImpostazioni::MittenteFax
                                                       : ChiaviImpostazioni::MittenteEmail,
        mittente);
    if (const auto errore = ControllaInvioFormEmail(m_destinatari, mittente, m_modo)) {
        m_dialoghi.Avviso(*errore, IconaMessaggio::Critica, titolo);
        return;
    }
    // The writer follows the main window's list at this moment.
    const QString lista = ListaPrincipale ? ListaPrincipale() : QString();
    m_dialoghi.Clessidra(true);
    const bool inviato
        = lista == Etichette::ExportInformative ? MandaFaxEmailExport() : MandaFaxEmailPrivacy();
    m_dialoghi.Clessidra(false);
    if (!inviato)
        return;
    hide();
    if (AggiornaPrincipale)
        AggiornaPrincipale(lista);
}
