#include "documents/FormRicercaCliente.h"

#include "documents/RicercaClienti.h"
#include "forms/Dialoghi.h"
#include "forms/ElencoView.h"
#include "forms/ListaImmagini.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

bool SchermoStretto()
{
    const QScreen* schermo = QGuiApplication::primaryScreen();
    return schermo && schermo->geometry().width() < 1024;
}

QToolButton* Pulsante(
    QWidget* genitore, const QString& nome, const QString& testo, const QString& icona)
{
    auto* pulsante = new QToolButton(genitore);
    pulsante->setObjectName(nome);
    pulsante->setText(testo);
    pulsante->setIcon(ListaImmagini::Icona(icona));
    pulsante->setIconSize(QSize(32, 32));
    pulsante->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    pulsante->setMinimumWidth(90);
    return pulsante;
}

} // namespace

FormRicercaCliente::FormRicercaCliente(Elenco& nominativiSelezionati,
    QList<ClientePtr>& clientiSelezionati, Dialoghi& dialoghi, QWidget* genitore)
    : QDialog(genitore)
    , m_nominativiSelezionati(nominativiSelezionati)
    , m_clientiSelezionati(clientiSelezionati)
    , m_dialoghi(dialoghi)
{
    setObjectName(u"FormRicercaCliente"_s);
    setWindowTitle(u"Ricerca clienti"_s);
    const bool stretto = SchermoStretto();
    ColonneLWNominativi(m_nominativi, stretto);
    m_lista = new ElencoView(m_nominativi, this);
    m_lista->setObjectName(u"LWNominativi"_s);
    m_lista->ImpostaCaselle(true);

    auto* barra = new QVBoxLayout;
    auto* conferma = Pulsante(this, u"FPicConferma"_s, u" Conferma"_s, u"AGGIUNGI"_s);
    auto* chiudi = Pulsante(this, u"FPicChiudi"_s, u" Chiudi"_s, u"DISSELEZIONA"_s);
    barra->addWidget(conferma);
    barra->addWidget(chiudi);
    barra->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_lista, 1);
    layout->addLayout(barra);
    connect(conferma, &QToolButton::clicked, this, &FormRicercaCliente::FPicConferma_Click);
    connect(chiudi, &QToolButton::clicked, this, &FormRicercaCliente::FPicChiudi_Click);
    resize((stretto ? 11000 : 14000) / TwipsPerPixel, 480);
}

void FormRicercaCliente::FPicConferma_Click()
{
    m_dialoghi.Clessidra(true);
    AggiungiClientiSelezionati(m_nominativi, m_nominativiSelezionati, m_clientiSelezionati);
    m_dialoghi.Clessidra(false);
    hide();
    accept();
}

void FormRicercaCliente::FPicChiudi_Click()
{
    // Nothing is ticked any more, so confirming only redraws the selected names.
    m_nominativi.Svuota();
    m_nominativi.Cambiato();
    FPicConferma_Click();
}
