#include "sending/FinestraInvioQt.h"

#include "forms/FormGenericSplash.h"
#include "sending/FormEmail.h"

#include <QWidget>

FinestraInvioQt::FinestraInvioQt(QWidget& principale, FormEmail& formEmail)
    : m_principale(principale)
    , m_formEmail(formEmail)
{
}

FinestraInvioQt::~FinestraInvioQt() = default;

void FinestraInvioQt::NascondiPrincipale()
{
    m_principale.hide();
}

void FinestraInvioQt::MostraPrincipale()
{
    m_principale.show();
    m_principale.raise();
    m_principale.activateWindow();
}

void FinestraInvioQt::MostraAttesa(const QString& messaggio)
{
    // Its own window: the main one is hidden meanwhile.
    if (!m_attesa)
        m_attesa = std::make_unique<FormGenericSplash>();
    m_attesa->display(messaggio);
}

void FinestraInvioQt::ChiudiAttesa()
{
    if (m_attesa)
        m_attesa->hide();
}

void FinestraInvioQt::CercaDaInviare()
{
    if (Cerca)
        Cerca();
}

void FinestraInvioQt::Ridisponi()
{
    if (Disponi)
        Disponi();
}

void FinestraInvioQt::ComponiFax(const QList<DocumentoPtr>& documenti)
{
    if (Fax)
        Fax(documenti);
}

void FinestraInvioQt::MostraFormEmail(const QList<ClientePtr>& clienti, int tipo)
{
    m_formEmail.setClienti(clienti);
    m_formEmail.setTipo(tipo);
    // A second showing while open reloads the list as a new one does.
    m_formEmail.hide();
    m_formEmail.show();
    m_formEmail.raise();
}
