#include "contacts/FormRubricaClienteLDAP.h"

#include "documents/TastiRicerca.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QColor sfondoForm(0xE4, 0xE7, 0xED);

// The typed fields, in the order of the form, with their labels.
const QList<std::pair<QString, QString>> campiDigitati {{u"txtTitolo"_s, u"Titolo"_s},
    {u"txtNome"_s, u"Nome"_s}, {u"txtCognome"_s, u"Cognome"_s},
    {u"txtAnnotazioni"_s, u"Annotazioni"_s}, {u"txtFax"_s, u"FAX"_s},
    {u"txtTelefonoUfficio"_s, u"Telefono ufficio"_s},
    {u"txtTelefonoCasa"_s, u"Telefono abitazione"_s}, {u"txtCellulare"_s, u"Cellulare"_s},
    {u"txtEmail"_s, u"E-mail"_s}, {u"txtSocieta"_s, u"Ragione sociale"_s},
    {u"txtMailingList"_s, u"Mailing list"_s}};

void Colora(QWidget* widget, const QColor& colore)
{
    QPalette tavolozza = widget->palette();
    tavolozza.setColor(QPalette::Window, colore);
    tavolozza.setColor(QPalette::Base, colore);
    tavolozza.setColor(QPalette::Button, colore);
    widget->setAutoFillBackground(true);
    widget->setPalette(tavolozza);
}

QToolButton* PulsanteImmagine(QWidget* genitore, const QString& nome, const QString& testo,
    const QString& suggerimento, QStyle::StandardPixmap icona)
{
    auto* pulsante = new QToolButton(genitore);
    pulsante->setObjectName(nome);
    pulsante->setText(testo);
    pulsante->setToolTip(suggerimento);
    pulsante->setIcon(genitore->style()->standardIcon(icona));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return pulsante;
}

QListWidget* Lista(QWidget* genitore, const QString& nome, const QStringList& voci)
{
    auto* lista = new QListWidget(genitore);
    lista->setObjectName(nome);
    lista->addItems(voci);
    lista->hide();
    return lista;
}

} // namespace

FormRubricaClienteLDAP::FormRubricaClienteLDAP(Invexo_Main& globali, Dialoghi& dialoghi,
    const AccessoLdap& accesso, TempiAggiornamento tempi, QWidget* genitore)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_editor(globali, dialoghi, accesso, tempi)
    , m_picDati(new QFrame(this))
    , m_lblHeader(new QLabel(this))
    , m_lblDescrizioneLingua(new QLabel(m_picDati))
    , m_lblCodiceClienteValue(new QLabel(m_picDati))
    , m_lstLingue(Lista(this, u"lstLingue"_s, ListaLingue()))
    , m_lstFunzioniAziendali(Lista(this, u"lstFunzioniAziendali"_s, ListaFunzioniAziendali()))
    , m_picConferma(PulsanteImmagine(this, u"Pic_Conferma"_s, u"Conferma"_s,
          u"Aggiorna dati contatto"_s, QStyle::SP_DialogApplyButton))
    , m_picChiudi(PulsanteImmagine(
          this, u"Pic_Chiudi"_s, u"Chiudi"_s, u"Annulla modifiche"_s, QStyle::SP_DialogCloseButton))
{
    setObjectName(u"FormRubricaClienteLDAP"_s);
    setWindowTitle(u"Rubrica Contatti"_s);
    setModal(true);
    QFont carattere(u"Verdana"_s);
    carattere.setPointSizeF(8.25);
    setFont(carattere);
    m_picDati->setObjectName(u"picDati"_s);
    m_lblHeader->setObjectName(u"lblHeader"_s);
    m_lblDescrizioneLingua->setObjectName(u"lblDescrizioneLingua"_s);
    m_lblCodiceClienteValue->setObjectName(u"lblCodiceClienteValue"_s);
    QFont intestazione = m_lblHeader->font();
    intestazione.setBold(true);
    m_lblHeader->setFont(intestazione);

    auto* griglia = new QGridLayout(m_picDati);
    int riga = 0;
    const auto aggiungi = [&](const QString& etichetta, QWidget* campo, QWidget* accanto) {
        griglia->addWidget(new QLabel(etichetta, m_picDati), riga, 0);
        griglia->addWidget(campo, riga, 1, 1, accanto ? 1 : 2);
        if (accanto)
            griglia->addWidget(accanto, riga, 2);
        ++riga;
    };
    for (const auto& [nome, etichetta] : campiDigitati) {
        aggiungi(etichetta, Campo(nome), nullptr);
        if (nome == u"txtTitolo"_s)
            aggiungi(u"Lingua"_s, Campo(u"txtLingua"_s, 2), m_lblDescrizioneLingua);
        if (nome == u"txtCognome"_s)
            aggiungi(u"Funzione aziendale"_s, Campo(u"txtFunzioneAziendale"_s), nullptr);
    }
    griglia->addWidget(
        new QLabel(u"Collegamento al gestionale aziendale"_s, m_picDati), riga++, 0, 1, 3);
    aggiungi(u"Codice"_s, m_lblCodiceClienteValue, nullptr);
    for (const auto& [nome, etichetta] : campiDigitati)
        m_campi.value(nome)->installEventFilter(this);
    for (QLineEdit* scelto :
        {m_campi.value(u"txtLingua"_s), m_campi.value(u"txtFunzioneAziendale"_s)})
        scelto->installEventFilter(this);

    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(m_picConferma);
    pulsanti->addWidget(m_picChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblHeader);
    layout->addWidget(m_picDati);
    layout->addLayout(pulsanti);
    m_campi.value(u"txtTitolo"_s)->setMinimumWidth(320);

    connect(m_picConferma, &QToolButton::clicked, this, &FormRubricaClienteLDAP::Conferma);
    connect(m_picChiudi, &QToolButton::clicked, this, &FormRubricaClienteLDAP::Chiudi);
    connect(m_lstLingue, &QListWidget::itemClicked, this, &FormRubricaClienteLDAP::SceltaLingua);
    connect(m_lstFunzioniAziendali, &QListWidget::itemClicked, this,
        &FormRubricaClienteLDAP::SceltaFunzione);
    connect(&m_editor, &EditorRubricaCliente::Chiusura, this, &QDialog::accept);
}

QLineEdit* FormRubricaClienteLDAP::Campo(const QString& nome, int maxLunghezza)
{
    auto* campo = new QLineEdit(m_picDati);
    campo->setObjectName(nome);
    if (maxLunghezza > 0)
        campo->setMaxLength(maxLunghezza);
    m_campi.insert(nome, campo);
    return campo;
}

bool FormRubricaClienteLDAP::AggiornaDatiRubricaCliente(
    const ClientePtr& cliente, const DocumentoPtr& documento)
{
    if (!m_editor.Apri(cliente, documento))
        return false;
    MostraCampi(m_editor.Campi());
    const IntestazioneContatto& intestazione = m_editor.Intestazione();
    m_lblHeader->setText(intestazione.Testo);
    for (QWidget* pannello : {static_cast<QWidget*>(m_picDati),
             static_cast<QWidget*>(m_picConferma), static_cast<QWidget*>(m_picChiudi)})
        Colora(pannello, intestazione.Colore);
    m_lblCodiceClienteValue->setText(m_editor.CodiceCliente());
    ChiudiListe();
    exec();
    return m_editor.Confermato();
}

void FormRubricaClienteLDAP::MostraCampi(const CampiContatto& campi)
{
    const auto scrivi = [this](const QString& nome, const QString& testo) {
        m_campi.value(nome)->setText(testo);
    };
    scrivi(u"txtTitolo"_s, campi.txtTitolo);
    scrivi(u"txtLingua"_s, campi.txtLingua);
    scrivi(u"txtNome"_s, campi.txtNome);
    scrivi(u"txtCognome"_s, campi.txtCognome);
    scrivi(u"txtFunzioneAziendale"_s, campi.txtFunzioneAziendale);
    scrivi(u"txtAnnotazioni"_s, campi.txtAnnotazioni);
    scrivi(u"txtFax"_s, campi.txtFax);
    scrivi(u"txtTelefonoUfficio"_s, campi.txtTelefonoUfficio);
    scrivi(u"txtTelefonoCasa"_s, campi.txtTelefonoCasa);
    scrivi(u"txtCellulare"_s, campi.txtCellulare);
    scrivi(u"txtEmail"_s, campi.txtEmail);
    scrivi(u"txtSocieta"_s, campi.txtSocieta);
    scrivi(u"txtMailingList"_s, campi.txtMailingList);
    m_lblDescrizioneLingua->setText(campi.lblDescrizioneLingua);
    m_campi.value(u"txtFunzioneAziendale"_s)->setEnabled(campi.FunzioneModificabile);
    m_lstLingue->setCurrentRow(campi.IndiceLingua);
    m_lstFunzioniAziendali->setCurrentRow(campi.IndiceFunzione);
}

CampiContatto FormRubricaClienteLDAP::CampiDigitati() const
{
    // The tags (functions read, uid) and list choices stay as the editor showed them.
    CampiContatto campi = m_editor.Campi();
    const auto testo = [this](const QString& nome) { return m_campi.value(nome)->text(); };
    campi.txtTitolo = testo(u"txtTitolo"_s);
    campi.txtLingua = testo(u"txtLingua"_s);
    campi.lblDescrizioneLingua = m_lblDescrizioneLingua->text();
    campi.txtNome = testo(u"txtNome"_s);
    campi.txtCognome = testo(u"txtCognome"_s);
    campi.txtFunzioneAziendale = testo(u"txtFunzioneAziendale"_s);
    campi.txtAnnotazioni = testo(u"txtAnnotazioni"_s);
    campi.txtFax = testo(u"txtFax"_s);
    campi.txtTelefonoUfficio = testo(u"txtTelefonoUfficio"_s);
    campi.txtTelefonoCasa = testo(u"txtTelefonoCasa"_s);
    campi.txtCellulare = testo(u"txtCellulare"_s);
    campi.txtEmail = testo(u"txtEmail"_s);
    campi.txtSocieta = testo(u"txtSocieta"_s);
    campi.txtMailingList = testo(u"txtMailingList"_s);
    return campi;
}

bool FormRubricaClienteLDAP::eventFilter(QObject* oggetto, QEvent* evento)
{
    auto* campo = qobject_cast<QLineEdit*>(oggetto);
    if (!campo)
        return QDialog::eventFilter(oggetto, evento);
    const bool sceltoDaLista = campo == m_campi.value(u"txtLingua"_s)
        || campo == m_campi.value(u"txtFunzioneAziendale"_s);
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        if (sceltoDaLista)
            return tasto->key() != Qt::Key_Tab && tasto->key() != Qt::Key_Backtab;
        const QString testo = tasto->text();
        if (!std::all_of(
                testo.begin(), testo.end(), [](QChar c) { return FiltraTasto(c.unicode()); })) {
            QApplication::beep();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        PaintFocusOnFocusOff(campo, true);
        if (campo == m_campi.value(u"txtLingua"_s))
            ApriLista(m_lstLingue, campo, IndiceLingua(campo->text()));
        else if (campo == m_campi.value(u"txtFunzioneAziendale"_s))
            ApriLista(m_lstFunzioniAziendali, campo,
                static_cast<int>(ListaFunzioniAziendali().indexOf(campo->text())));
        break;
    case QEvent::FocusOut:
        if (!sceltoDaLista)
            PaintFocusOnFocusOff(campo, false);
        break;
    default: break;
    }
    return QDialog::eventFilter(oggetto, evento);
}

void FormRubricaClienteLDAP::PaintFocusOnFocusOff(QLineEdit* parControl, bool focusOn)
{
    Colora(parControl, focusOn ? sfondoForm : QColor(Qt::white));
    ChiudiListe();
}

void FormRubricaClienteLDAP::ApriLista(QListWidget* lista, QLineEdit* campo, int indice)
{
    // Only privacy notices choose the function; other kinds have none to offer.
    if (lista == m_lstFunzioniAziendali && m_editor.Sigla() != u"PRIVACY"_s)
        lista->clear();
    else if (lista == m_lstFunzioniAziendali && lista->count() == 0)
        lista->addItems(ListaFunzioniAziendali());
    const QPoint sotto = campo->mapTo(this, QPoint(0, campo->height() * 11 / 10));
    lista->move(sotto);
    lista->resize(campo->width(), std::max(1, lista->count()) * lista->sizeHintForRow(0) + 4);
    lista->setCurrentRow(indice);
    lista->show();
    lista->raise();
    lista->setFocus();
}

void FormRubricaClienteLDAP::ChiudiLista(QListWidget* lista, QLineEdit* campo)
{
    lista->hide();
    Colora(campo, Qt::white);
}

void FormRubricaClienteLDAP::ChiudiListe()
{
    ChiudiLista(m_lstLingue, m_campi.value(u"txtLingua"_s));
    ChiudiLista(m_lstFunzioniAziendali, m_campi.value(u"txtFunzioneAziendale"_s));
}

void FormRubricaClienteLDAP::SceltaLingua()
{
    ChiudiLista(m_lstLingue, m_campi.value(u"txtLingua"_s));
    const QListWidgetItem* voce = m_lstLingue->currentItem();
    const QString testo = voce ? voce->text() : QString();
    m_campi.value(u"txtLingua"_s)->setText(testo.section(u' ', 0, 0).trimmed());
    m_lblDescrizioneLingua->setText(testo.section(u' ', 1));
}

void FormRubricaClienteLDAP::SceltaFunzione()
{
    ChiudiLista(m_lstFunzioniAziendali, m_campi.value(u"txtFunzioneAziendale"_s));
    const QListWidgetItem* voce = m_lstFunzioniAziendali->currentItem();
    m_campi.value(u"txtFunzioneAziendale"_s)->setText(voce ? voce->text().trimmed() : QString());
}

void FormRubricaClienteLDAP::Conferma()
{
    m_editor.Conferma(CampiDigitati());
}

void FormRubricaClienteLDAP::Chiudi()
{
    m_editor.Chiudi();
    reject();
}

void FormRubricaClienteLDAP::done(int risultato)
{
    // Closing by any means ends the request under way.
    m_editor.Annulla();
    QDialog::done(risultato);
}

bool AggiornaDatiRubricaCliente(Invexo_Main& globali, Dialoghi& dialoghi,
    const AccessoLdap& accesso, const ClientePtr& cliente, const DocumentoPtr& documento,
    QWidget* genitore)
{
    FormRubricaClienteLDAP form(globali, dialoghi, accesso, {}, genitore);
    return form.AggiornaDatiRubricaCliente(cliente, documento);
}
