#include "sending/FormEstremiInvio.h"

#include "forms/Dialoghi.h"
#include "sending/EstremiInvio.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Drops, with a beep, the typed characters the address box does not take.
class FiltroTastiEstremiInvio final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::KeyPress) {
            const QString testo = static_cast<QKeyEvent*>(evento)->text();
            if (!std::all_of(testo.begin(), testo.end(),
                    [](QChar c) { return TastoAmmessoEstremiInvio(c.unicode()); })) {
                QApplication::beep();
                return true;
            }
        }
        return QObject::eventFilter(oggetto, evento);
    }
};

QToolButton* PulsanteImmagine(
    QWidget* genitore, const QString& nome, const QString& testo, QStyle::StandardPixmap icona)
{
    auto* pulsante = new QToolButton(genitore);
    pulsante->setObjectName(nome);
    pulsante->setText(testo);
    pulsante->setToolTip(testo);
    pulsante->setIcon(genitore->style()->standardIcon(icona));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    return pulsante;
}

} // namespace

FormEstremiInvio::FormEstremiInvio(
    const ArchivioSerie& opzioni, Dialoghi& dialoghi, QWidget* genitore)
    : QDialog(genitore, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_opzioni(opzioni)
    , m_dialoghi(dialoghi)
    , m_optEmail(new QRadioButton(u"Email"_s, this))
    , m_optFax(new QRadioButton(u"Fax"_s, this))
    , m_txtEstremiInvio(new QLineEdit(this))
    , m_chkModificaCliente(new QCheckBox(u"Aggiorna rubrica"_s, this))
    , m_picConferma(
          PulsanteImmagine(this, u"Pic_Conferma"_s, u"Conferma"_s, QStyle::SP_DialogApplyButton))
    , m_picChiudi(
          PulsanteImmagine(this, u"Pic_Chiudi"_s, u"Chiudi"_s, QStyle::SP_DialogCloseButton))
{
    setObjectName(u"FormEstremiInvio"_s);
    setWindowTitle(u"Parametri invio"_s);
    setModal(true);
    m_optEmail->setObjectName(u"optModalita0"_s);
    m_optFax->setObjectName(u"optModalita1"_s);
    m_txtEstremiInvio->setObjectName(u"txtEstremiInvio"_s);
    m_chkModificaCliente->setObjectName(u"chkModificaCliente"_s);
    m_txtEstremiInvio->installEventFilter(new FiltroTastiEstremiInvio(m_txtEstremiInvio));
    m_txtEstremiInvio->setMinimumWidth(320);

    auto* opzioniModalita = new QHBoxLayout;
    opzioniModalita->addWidget(m_optEmail);
    opzioniModalita->addWidget(m_optFax);
    opzioniModalita->addStretch();
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(m_picConferma);
    pulsanti->addWidget(m_picChiudi);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(opzioniModalita);
    layout->addWidget(m_txtEstremiInvio);
    layout->addWidget(m_chkModificaCliente);
    layout->addLayout(pulsanti);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_picConferma, &QToolButton::clicked, this, &FormEstremiInvio::Conferma);
    connect(m_picChiudi, &QToolButton::clicked, this, &FormEstremiInvio::Chiudi);
}

bool FormEstremiInvio::changeParametriInvioCliente(const ClientePtr& cliente)
{
    m_risultato = false;
    if (!cliente)
        return false;
    m_cliente = cliente;

    // Every opening starts from the form as designed.
    const AperturaEstremi apertura = ApriEstremiInvio(*cliente, m_opzioni.FaxViaEmail);
    setWindowTitle(apertura.Titolo);
    m_optEmail->setVisible(apertura.OpzioniVisibili);
    m_optFax->setVisible(apertura.OpzioniVisibili);
    (apertura.Modalita == ModalitaEstremi::Fax ? m_optFax : m_optEmail)->setChecked(true);
    m_txtEstremiInvio->setText(apertura.Testo);
    m_chkModificaCliente->setChecked(false);
    m_txtEstremiInvio->setFocus();

    exec();
    m_cliente.reset();
    return m_risultato;
}

void FormEstremiInvio::Conferma()
{
    if (!m_cliente)
        return;
    const auto modalita = m_optFax->isChecked() ? ModalitaEstremi::Fax : ModalitaEstremi::Email;
    if (const auto errore
        = ConfermaEstremiInvio(*m_cliente, modalita, m_txtEstremiInvio->text(), m_opzioni)) {
        m_dialoghi.Avviso(*errore, IconaMessaggio::Critica, TitoloErroreEstremi.toString());
        return;
    }
    m_risultato = m_chkModificaCliente->isChecked();
    accept();
}

void FormEstremiInvio::Chiudi()
{
    m_risultato = false;
    reject();
}
