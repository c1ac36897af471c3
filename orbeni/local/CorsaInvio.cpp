#include "orbeni/local/CorsaInvio.h"

#include "orbeni/local/ArchivioInvii.h"
#include "orbeni/local/CodificheEmail.h"
#include "orbeni/local/LavoroFaxSpool.h"
#include "orbeni/local/MessaggioEmail.h"
#include "orbeni/local/UtentiArchivio.h"
#include "orbeni/local/Windows1252.h"
#include "platform/Orologio.h"

#include <QFileInfo>
#include <QSet>

using namespace Qt::StringLiterals;
namespace T = TracciatoSpool;

namespace {

const QString ModoEmail = u"EMAIL"_s;
const QString ModoFax = u"FAX"_s;
// Privacy notice states: sent by e-mail, sent by fax, fax failed, marked sent by hand.
const QString InformativaEmail = u"E"_s;
const QString InformativaFax = u"F"_s;
const QString InformativaFaxFallito = u"X"_s;
const QString InformativaManuale = u"M"_s;
const QString StatoFaxNumeroErrato = u"Numero_di_fax_non_valido"_s;

bool HaOperazione(const QList<const AllegatoSpool*>& allegati, std::u16string_view operazione)
{
    return std::any_of(allegati.begin(), allegati.end(),
        [&](const AllegatoSpool* a) { return a->Operazione == QStringView(operazione); });
}

// Attachment names unique within one message or job, and never one of the job's own files.
void NomiUnivoci(QList<FileAllegato>& file)
{
    QSet<QString> usati {u"desfile.txt"_s, u"frnmail.txt"_s, u"status"_s};
    for (FileAllegato& allegato : file) {
        QString nome = allegato.NomeFile;
        for (int n = 2; usati.contains(nome.toLower()); ++n)
            nome = QString::number(n) + u'_' + allegato.NomeFile;
        usati.insert(nome.toLower());
        allegato.NomeFile = nome;
    }
}

} // namespace

CorsaInvio::CorsaInvio(
    const ContestoServizio& contesto, MandanteInvio mandante, QByteArray copertina)
    : m_contesto(contesto)
    , m_mandante(std::move(mandante))
    , m_copertina(std::move(copertina))
    , m_adesso(contesto.Ora.Adesso())
{
    // Who sent a document must never be empty, or the document would not count as sent.
    if (m_mandante.Utente.isEmpty())
        m_mandante.Utente = m_mandante.NomePC;
}

bool CorsaInvio::Elabora(const DestinatarioSpool& destinatario,
    const QList<const AllegatoSpool*>& allegati, QString& errore)
{
    if (destinatario.Tipo == QStringView(T::TipoDaInviare)
        || destinatario.Tipo == QStringView(T::TipoInviata))
        return CambiaStatoInformative(destinatario, allegati, errore);
    if (allegati.isEmpty()) {
        errore = u"nessun allegato con il numero progressivo "_s + destinatario.Progressivo;
        return false;
    }
    if (HaOperazione(allegati, T::OperazioneStatoInformativa)) {
        errore = u"un cambio di stato delle informative non accompagna un invio"_s;
        return false;
    }
    return Invia(destinatario, allegati, errore);
}

bool CorsaInvio::CambiaStatoInformative(
    const DestinatarioSpool& d, const QList<const AllegatoSpool*>& allegati, QString& errore)
{
    for (const AllegatoSpool* allegato : allegati)
        if (allegato->Operazione != QStringView(T::OperazioneStatoInformativa)) {
            errore = u"l'operazione "_s + allegato->Operazione
                + u" non accompagna un cambio di stato delle informative"_s;
            return false;
        }
    QSqlDatabase db = m_contesto.Archivio.Database();
    const auto codice
        = TrovaAnagraficaSpool(db, m_mandante.Azienda, d.Codice.trimmed(), false, errore);
    if (!codice)
        return false;
    const bool inviata = d.Tipo == QStringView(T::TipoInviata);
    const StatoInformativa stato = inviata
        ? StatoInformativa {InformativaManuale, m_adesso.date(), u"MANUALE"_s, m_mandante.Utente}
        : StatoInformativa {};
    // The record carries the notice's date, which a subject without a notice gets.
    const QDate creata = d.OraInvio ? d.OraInvio->date() : m_adesso.date();
    return ImpostaStatoInformativa(db, m_mandante.Azienda, *codice, stato, creata, errore)
        && AggiornaRubricaCliente(d, false, errore);
}

bool CorsaInvio::Invia(
    const DestinatarioSpool& d, const QList<const AllegatoSpool*>& allegati, QString& errore)
{
    QList<FileAllegato> file;
    for (const AllegatoSpool* allegato : allegati) {
        auto preparato = PreparaAllegato(
            m_contesto, m_mandante.Azienda, m_mandante.NomePC, *allegato, d, errore);
        if (!preparato)
            return false;
        file.append(std::move(*preparato));
    }
    NomiUnivoci(file);

    const bool email = d.Tipo == QStringView(T::TipoEmail);
    const QStringList indirizzi = email ? SeparaIndirizzi(d.Email) : QStringList();
    if (email && indirizzi.isEmpty()) {
        errore = u"indirizzo e-mail mancante"_s;
        return false;
    }
    for (const QString& indirizzo : indirizzi)
        if (!IndirizzoEmailAccettabile(indirizzo)) {
            errore = u"indirizzo e-mail non valido: "_s + indirizzo;
            return false;
        }
    // A fax the server cannot dial is kept as a failed job, so the user can correct and resend it.
    const bool numeroValido = email || NumeroFaxAccettabile(d.Fax);
    const QString estremi = email ? indirizzi.join(u';') : d.Fax;

    const Spedizione spedizione = DatiSpedizione(d, file, email, numeroValido, estremi);
    QSqlDatabase db = m_contesto.Archivio.Database();
    const auto id = InserisciSpedizione(db, spedizione, errore);
    if (!id)
        return false;
    for (int i = 0; i < file.size(); ++i)
        if (!InserisciAllegatoSpedizione(db, *id, i + 1, file.at(i).Operazione, file.at(i).IdServer,
                file.at(i).NomeFile, errore))
            return false;
    const auto messaggio
        = email ? Email(d, indirizzi, file, *id, errore) : Fax(d, file, numeroValido, errore);
    return messaggio && ImpostaMessaggioSpedizione(db, *id, *messaggio, errore)
        && RegistraEsito(file, spedizione.ModoInvio, estremi, d, numeroValido, *id, errore)
        && AggiornaRubricaCliente(
            d, HaOperazione(allegati, T::OperazioneInformativaExport), errore);
}

Spedizione CorsaInvio::DatiSpedizione(const DestinatarioSpool& d, const QList<FileAllegato>& file,
    bool email, bool numeroValido, const QString& estremi) const
{
    Spedizione spedizione;
    spedizione.Azienda = m_mandante.Azienda;
    spedizione.Utente = m_mandante.Utente;
    spedizione.NomePC = m_mandante.NomePC;
    spedizione.ModoInvio = email ? ModoEmail : ModoFax;
    spedizione.Nominativo = d.Nominativo;
    spedizione.Indirizzo = estremi;
    for (const FileAllegato& allegato : file)
        if (spedizione.CodiceAnagrafica.isEmpty())
            spedizione.CodiceAnagrafica = allegato.CodiceAnagrafica;
    spedizione.NominativoMittente = d.NominativoMittente;
    spedizione.EmailMittente = d.EmailMittente;
    spedizione.Oggetto = d.Oggetto;
    spedizione.Tentativi = d.Tentativi;
    spedizione.Programmata = d.OraInvio.value_or(QDateTime());
    spedizione.Momento = m_adesso;
    spedizione.Stato = email ? u"IN USCITA"_s : numeroValido ? u"IN CODA"_s : u"ERRORE"_s;
    return spedizione;
}

std::optional<QString> CorsaInvio::MittenteEmail(const DestinatarioSpool& d) const
{
    if (IndirizzoEmailAccettabile(d.EmailMittente))
        return d.EmailMittente;
    // Without a sender address in the record the message goes out from the user's own.
    const auto utente = CercaUtente(m_contesto.Archivio.Database(), m_mandante.Utente);
    if (utente && IndirizzoEmailAccettabile(utente->LoginDirectory))
        return utente->LoginDirectory;
    return std::nullopt;
}

std::optional<QString> CorsaInvio::Email(const DestinatarioSpool& d, const QStringList& indirizzi,
    const QList<FileAllegato>& file, qint64 idSpedizione, QString& errore)
{
    const auto mittente = MittenteEmail(d);
    if (!mittente) {
        errore = u"indirizzo e-mail del mittente mancante o non valido: "_s + d.EmailMittente;
        return std::nullopt;
    }
    const QString numero = QString::number(idSpedizione).rightJustified(6, u'0');
    MessaggioEmail messaggio;
    messaggio.NomeMittente = d.NominativoMittente;
    messaggio.IndirizzoMittente = *mittente;
    messaggio.NomeDestinatario = d.Nominativo;
    messaggio.IndirizziDestinatario = indirizzi;
    messaggio.Oggetto = d.Oggetto;
    messaggio.Data = m_adesso;
    messaggio.IdentificativoLocale
        = u"invexo."_s + m_adesso.toString(u"yyyyMMddHHmmss"_s) + u'.' + numero;
    messaggio.Testo = TestoDaWindows1252(m_copertina);
    for (const FileAllegato& allegato : file)
        messaggio.Allegati.append({allegato.NomeFile, allegato.TipoMime, allegato.Dati});
    const QString relativo
        = u"outbox/"_s + m_adesso.toString(u"yyyyMMdd-HHmmss"_s) + u'-' + numero + u".eml"_s;
    if (!m_pubblicazione.File(
            m_contesto.Radice.Cartella() + u'/' + relativo, ComponiEmail(messaggio), errore))
        return std::nullopt;
    return relativo;
}

std::optional<QString> CorsaInvio::Fax(
    const DestinatarioSpool& d, const QList<FileAllegato>& file, bool numeroValido, QString& errore)
{
    if (!RadiceServer::NomeSemplice(m_mandante.Utente)) {
        errore = u"utente non valido per i fax: "_s + m_mandante.Utente;
        return std::nullopt;
    }
    QSqlDatabase db = m_contesto.Archivio.Database();
    if (!m_prossimoLavoro && !(m_prossimoLavoro = ProssimoIdLavoroFax(db, errore)))
        return std::nullopt;
    const QString cartellaUtente = u"/usr/orbeni/hylafax/"_s + m_mandante.Utente + u'/';
    QString idLavoro;
    std::optional<QString> locale;
    // A folder left by hand under a number the store does not know is skipped, not reused.
    do {
        idLavoro = QString::number((*m_prossimoLavoro)++);
        locale = m_contesto.Radice.Locale(cartellaUtente + idLavoro, errore);
    } while (locale && QFileInfo::exists(*locale));
    if (!locale)
        return std::nullopt;
    const QString cartella = m_pubblicazione.Cartella(*locale, errore);
    const QDateTime quando = d.OraInvio.value_or(m_adesso);
    const QString stato = numeroValido ? QString() : StatoFaxNumeroErrato;
    if (cartella.isEmpty()
        || !ScriviCartellaLavoroFax(cartella,
            DescrizioneLavoroFax(idLavoro, m_mandante.Utente, quando, d), m_copertina, file, stato,
            errore))
        return std::nullopt;
    LavoroFaxSpool lavoro;
    lavoro.Azienda = m_mandante.Azienda;
    lavoro.Utente = m_mandante.Utente;
    lavoro.NomePC = m_mandante.NomePC;
    lavoro.IdLavoro = idLavoro;
    lavoro.Destinatario = d.Nominativo;
    lavoro.NumeroFax = d.Fax;
    lavoro.Oggetto = d.Oggetto;
    lavoro.Pagine = std::max(1, int(file.size()));
    lavoro.Stato = numeroValido ? u"IN CODA"_s : u"ERRORE"_s;
    lavoro.Momento = m_adesso;
    if (!InserisciLavoroFax(db, lavoro, errore))
        return std::nullopt;
    return cartellaUtente + idLavoro;
}

bool CorsaInvio::RegistraEsito(const QList<FileAllegato>& file, const QString& modo,
    const QString& estremi, const DestinatarioSpool& d, bool riuscito, qint64 idSpedizione,
    QString& errore)
{
    QSqlDatabase db = m_contesto.Archivio.Database();
    const QString& azienda = m_mandante.Azienda;
    Documento invio;
    invio.InviatoDa = m_mandante.Utente;
    invio.ModoInvio = modo;
    invio.DataInvio = m_adesso.toString(u"dd/MM/yyyy"_s);
    invio.EstremiInvio = estremi;
    invio.MittenteInvio = d.NominativoMittente;
    for (const FileAllegato& allegato : file) {
        bool ok = true;
        if (allegato.IdServer && riuscito)
            ok = RegistraInvioSpedito(
                db, *allegato.IdServer, idSpedizione, invio, m_adesso, errore);
        else if (allegato.Operazione == QStringView(T::OperazioneInformativa)) {
            const QString stato = !riuscito ? InformativaFaxFallito
                : modo == ModoEmail         ? InformativaEmail
                                            : InformativaFax;
            ok = ImpostaStatoInformativa(db, azienda, allegato.CodiceAnagrafica,
                {stato, m_adesso.date(), modo, estremi}, m_adesso.date(), errore);
        } else if (allegato.Operazione == QStringView(T::OperazioneInformativaExport) && riuscito)
            ok = RegistraExportInviato(db, azienda, allegato.CodiceAnagrafica, m_adesso.date(),
                modo, m_mandante.Utente, errore);
        if (!ok)
            return false;
    }
    return true;
}

bool CorsaInvio::AggiornaRubricaCliente(
    const DestinatarioSpool& d, bool conCodiceExport, QString& errore)
{
    if (!d.AggiornaRubrica)
        return true;
    const bool email = d.Tipo == QStringView(T::TipoEmail);
    const QString indirizzo = email         ? d.Email
        : d.Tipo == QStringView(T::TipoFax) ? d.Fax
                                            : QString();
    // Markings carry no address: there is nothing to store.
    if (indirizzo.isEmpty())
        return true;
    QSqlDatabase db = m_contesto.Archivio.Database();
    const auto codice
        = TrovaAnagraficaSpool(db, m_mandante.Azienda, d.Codice.trimmed(), conCodiceExport, errore);
    return codice
        && AggiornaRubrica(db, m_mandante.Azienda, *codice,
            email ? CampoRubrica::Email : CampoRubrica::Fax, indirizzo, errore);
}
