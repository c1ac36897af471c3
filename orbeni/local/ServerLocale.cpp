#include "orbeni/local/ServerLocale.h"

#include "orbeni/local/ValoriSql.h"

#include "forms/Dialoghi.h"
#include "orbeni/local/DatiDemo.h"
#include "orbeni/local/UtentiArchivio.h"
#include "orbeni/local/servizi/TabellaServizi.h"
#include "platform/Orologio.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

namespace {

const QString avvisoCredenziali = u"Nome utente o password non corretti. Riprovare."_s;
constexpr int tentativiAccesso = 3;

} // namespace

ServerLocale::ServerLocale(const QString& cartellaRadice, std::shared_ptr<AmbienteOrbeni> ambiente,
    Dialoghi& dialoghi, OpzioniServerLocale opzioni)
    : m_radice(cartellaRadice)
    , m_ambiente(std::move(ambiente))
    , m_dialoghi(dialoghi)
    , m_ora(opzioni.Ora ? *opzioni.Ora : OrologioPredefinito())
    , m_interprete(m_radice, m_ora)
{
    if (!m_radice.Valida()) {
        m_erroreAvvio = u"Impossibile creare la cartella del server "_s + cartellaRadice;
    } else {
        m_archivio = std::make_unique<ArchivioLocale>(m_radice.FileArchivio());
        if (!m_archivio->Valido())
            m_erroreAvvio = m_archivio->Errore();
        else if (opzioni.SeminaDemo && m_archivio->Vuoto())
            SeminaDatiDemo(*m_archivio, m_radice, m_ora.Oggi(), m_erroreAvvio);
    }
    m_errore = m_erroreAvvio;
}

ServerLocale::~ServerLocale() = default;

bool ServerLocale::Inizia()
{
    m_errore = m_erroreAvvio;
    return m_erroreAvvio.isEmpty();
}

bool ServerLocale::Fallisci(const QString& errore)
{
    m_errore = errore;
    return false;
}

QString ServerLocale::UtenteOPostazione() const
{
    return m_utente.isEmpty() ? m_ambiente->NomeComputer() : m_utente;
}

bool ServerLocale::Autentica(
    const QString& azienda, const QString& host, QString& utente, QString& password)
{
    if (!Inizia())
        return false;
    QString avviso;
    for (int tentativo = 0; tentativo < tentativiAccesso; ++tentativo) {
        const auto credenziali = m_dialoghi.ChiediCredenziali(azienda, host, avviso);
        if (!credenziali)
            return false;
        const QString nome = credenziali->Utente.trimmed();
        const auto trovato = CercaUtente(m_archivio->Database(), nome);
        if (trovato && VerificaPassword(credenziali->Password, trovato->Password)) {
            utente = nome;
            password = credenziali->Password;
            m_utente = trovato->Codice;
            return true;
        }
        avviso = avvisoCredenziali;
    }
    m_dialoghi.Avviso(u"Accesso non consentito: nome utente o password non corretti."_s,
        IconaMessaggio::Critica, u"Autenticazione"_s);
    return false;
}

bool ServerLocale::VerificaUtente(
    const QString&, const QString&, QString& utente, QString&, QString& loginDirectory)
{
    if (!Inizia())
        return false;
    const QString nome = utente.trimmed();
    const auto trovato = CercaUtente(m_archivio->Database(), nome);
    if (!trovato)
        return Fallisci(u"Utente sconosciuto: "_s + nome);
    loginDirectory = trovato->LoginDirectory;
    if (FormaLoginDirectory(nome))
        utente = trovato->Codice;
    m_utente = trovato->Codice;
    return true;
}

QString ServerLocale::NomeUtente(const QString&, QString& utente)
{
    if (!Inizia())
        return {};
    const auto trovato = CercaUtente(m_archivio->Database(), utente.trimmed());
    if (!trovato) {
        Fallisci(u"Utente sconosciuto: "_s + utente);
        return {};
    }
    if (FormaLoginDirectory(utente.trimmed()))
        utente = trovato->Codice;
    return trovato->Nome;
}

bool ServerLocale::Richiesta(const QString&, const QString& servizio, const QStringList& richiesta,
    RisultatoRichiesta& risultato)
{
    if (!Inizia())
        return false;
    const QString comando = richiesta.value(1);
    const VoceServizio* voce = CercaServizio(servizio, comando);
    if (!voce)
        return Fallisci(u"Il servizio "_s + servizio + u" non conosce il comando "_s + comando);
    if (richiesta.size() != voce->Elementi)
        return Fallisci(u"La richiesta "_s + servizio + u' ' + comando + u" deve avere "_s
            + QString::number(voce->Elementi) + u" elementi, ne ha "_s
            + QString::number(richiesta.size()));
    ContestoServizio contesto {*m_archivio, m_radice, m_ora, m_utente};
    QString errore;
    return voce->Gestore(contesto, richiesta, risultato, errore) || Fallisci(errore);
}

bool ServerLocale::ComandoRemoto(const QString&, const QString& rigaComando)
{
    if (!Inizia())
        return false;
    QString errore;
    return m_interprete.Esegui(rigaComando, errore)
        || Fallisci(u"Comando non eseguito: "_s + rigaComando + u" ("_s + errore + u')');
}

QString ServerLocale::CopiaDalServer(
    const QString&, const QString& percorsoServer, const QString& percorsoLocale)
{
    if (!Inizia())
        return {};
    QString errore;
    const auto contenuto = m_radice.Leggi(percorsoServer, errore);
    if (!contenuto || !ScriviFileIntero(percorsoLocale, *contenuto, errore)) {
        Fallisci(errore);
        return {};
    }
    return percorsoLocale;
}

bool ServerLocale::CopiaSulServer(
    const QString&, const QString& percorsoLocale, const QString& percorsoServer)
{
    if (!Inizia())
        return false;
    QFile file(percorsoLocale);
    if (!QFileInfo(percorsoLocale).isFile() || !file.open(QIODevice::ReadOnly))
        return Fallisci(u"File locale non trovato: "_s + percorsoLocale);
    QString errore;
    return m_radice.Scrivi(percorsoServer, file.readAll(), errore) || Fallisci(errore);
}

bool ServerLocale::PreparaFileTesto(const QString&, const QString& percorsoServer)
{
    if (!Inizia())
        return false;
    QString errore;
    const auto locale = m_radice.Locale(percorsoServer, errore);
    if (!locale)
        return Fallisci(errore);
    return QFileInfo(*locale).isFile()
        || Fallisci(u"File del server non trovato: "_s + percorsoServer);
}

QStringList ServerLocale::ElencoCodiciRicerca(const QString&, const QString& azienda, bool modo)
{
    if (!Inizia())
        return {};
    QSqlQuery query(m_archivio->Database());
    query.prepare(u"SELECT Codice FROM codici_ricerca WHERE Azienda = ? AND Modo = ? "
                  "ORDER BY Ordine"_s);
    query.addBindValue(ValoreSql(azienda));
    query.addBindValue(ValoreSql(modo ? 1 : 0));
    QStringList codici;
    if (query.exec())
        while (query.next())
            codici.append(query.value(0).toString());
    return codici;
}
