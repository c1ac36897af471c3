#include "app/Avvio.h"

#include "app/FSelezionaCliente.h"
#include "app/IstanzaUnica.h"
#include "app/NomePC.h"
#include "forms/Dialoghi.h"
#include "forms/FormSplash.h"

#include <QApplication>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// Without a window manager a maximised window keeps its size, so it takes the screen first.
void MostraMassimizzata(QWidget& finestra)
{
    if (const QScreen* schermo = finestra.screen())
        finestra.setGeometry(schermo->availableGeometry());
    finestra.showMaximized();
}

} // namespace

Avvio::Avvio(Invexo_Main& globali, DipendenzeAvvio dipendenze)
    : m_globali(globali)
    , m_dipendenze(std::move(dipendenze))
{
}

Avvio::~Avvio() = default;

bool Avvio::Termina()
{
    FineProgramma(m_globali, m_dipendenze.termina);
    return false;
}

bool Avvio::Main(const QStringList& argomenti)
{
    Dialoghi& dialoghi = m_dipendenze.dialoghi;

    // The workstation's name comes before the command line, as it always has. A stored name
    // is enough; otherwise the computer name, which does not depend on the server, comes from
    // the default environment.
    m_globali.NomePC = m_dipendenze.impostazioni.Leggi(ChiaviImpostazioni::NomeComputer);
    if (m_globali.NomePC.isEmpty()) {
        const LibreriaOrbeni postazione = m_dipendenze.creaLibreria(QString());
        if (postazione.Ambiente)
            LeggiNomePC(m_globali, *postazione.Ambiente, m_dipendenze.impostazioni, dialoghi);
    }

    if (!LeggiParametri(m_globali, RigaComandoDaArgomenti(argomenti), m_dipendenze.impostazioni,
            dialoghi, m_dipendenze.leggiRegistro)) {
        dialoghi.Avviso(MessaggioParametriNonValidi(), IconaMessaggio::Critica);
        return Termina();
    }

    const LibreriaOrbeni libreria = m_dipendenze.creaLibreria(m_globali.IndirizzoServer);
    m_globali.Servizi = libreria.Servizi;
    m_globali.Ambiente = libreria.Ambiente;
    if (!ApriSessione(m_globali, dialoghi))
        return Termina();

    m_splash = std::make_unique<FormSplash>();
    const QString argomento = IstanzaUnica::Argomento(m_globali.CodiceAzienda, m_globali.ModoShell);
    m_globali.SessioneOrbeni->ImpostaArgomentoDde(argomento);
    if (m_globali.ModoShell && IstanzaUnica::Invia(m_globali.CodiceAzienda, u"show"_s))
        return Termina();
    m_istanza = std::make_unique<IstanzaUnica>();
    m_istanza->Ascolta(argomento);
    connect(m_istanza.get(), &IstanzaUnica::Mostra, this, &Avvio::MostraFinestra);
    connect(m_istanza.get(), &IstanzaUnica::Chiudi, this, &Avvio::ChiudiPerComando);
    dialoghi.EseguiEventi();

    if (const auto errore = VerificaSessione(m_globali)) {
        dialoghi.Avviso(*errore, IconaMessaggio::Critica);
        return Termina();
    }
    m_splash->show();
    m_finestra = std::make_unique<FSelezionaCliente>(m_globali, dialoghi, m_dipendenze.orologio);
    if (m_dipendenze.installaViste)
        m_dipendenze.installaViste(*m_finestra);
    m_finestra->Carica(LeggiMittenti(m_dipendenze.impostazioni));
    if (const auto errore = CaricaArchivioSerie(m_globali)) {
        dialoghi.Avviso(*errore, IconaMessaggio::Critica);
        return Termina();
    }

    m_finestra->CaricaTipiDocumento();
    m_splash->hide();
    const ArchivioSerie& archivio = *m_globali.Archivio;
    if (archivio.FaxDocumenti && !archivio.FaxViaEmail) {
        m_finestra->Barra().Bottoni[StatoBarraDestra::Preferenze].Visibile = true;
        m_finestra->AggiornaBarra();
    }
    if (m_globali.Ambiente)
        m_finestra->CaricaLogo(
            m_globali.Ambiente->CartellaConfigurazione(u"Logo"_s), m_globali.CodiceAzienda);
    m_finestra->ApriVistaIniziale();
    MostraMassimizzata(*m_finestra);
    return true;
}

void Avvio::MostraFinestra()
{
    if (!m_finestra)
        return;
    MostraMassimizzata(*m_finestra);
    m_finestra->Resize();
    m_finestra->raise();
    m_finestra->activateWindow();
}

void Avvio::ChiudiPerComando()
{
    if (m_finestra)
        m_finestra->ChiudiDaCodice();
    FineProgramma(m_globali, m_dipendenze.termina);
}
