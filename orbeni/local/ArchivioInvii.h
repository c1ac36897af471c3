#pragma once

#include "orbeni/Documento.h"
#include "orbeni/local/DocumentiArchivio.h"
#include "orbeni/local/SpoolLetto.h"

#include <QDate>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>

// What the sending of a spool run writes into the store. Every function is one statement of
// the caller's transaction; none commits.

// One message or fax job (table spedizioni).
struct Spedizione final {
    QString Azienda;
    QString Utente;
    QString NomePC;
    QString ModoInvio; // "EMAIL" or "FAX"
    QString Nominativo;
    QString Indirizzo;
    QString CodiceAnagrafica;
    QString NominativoMittente;
    QString EmailMittente;
    QString Oggetto;
    int Tentativi = 0;
    QDateTime Programmata;
    QDateTime Momento;
    QString Stato;
};
[[nodiscard]] std::optional<qint64> InserisciSpedizione(
    QSqlDatabase db, const Spedizione& spedizione, QString& errore);
bool ImpostaMessaggioSpedizione(
    QSqlDatabase db, qint64 idSpedizione, const QString& messaggio, QString& errore);
bool InserisciAllegatoSpedizione(QSqlDatabase db, qint64 idSpedizione, int ordine,
    const QString& operazione, std::optional<qint64> idServer, const QString& nomeFile,
    QString& errore);

// The document's send record, linked to the send.
bool RegistraInvioSpedito(QSqlDatabase db, qint64 idServer, qint64 idSpedizione,
    const Documento& invio, const QDateTime& momento, QString& errore);

// The stored document an attachments record names: by series, number, sub-number and the
// year's last two digits, told apart by the description when several match.
[[nodiscard]] std::optional<DocumentoArchivio> TrovaDocumentoSpool(
    QSqlDatabase db, const QString& azienda, const AllegatoSpool& allegato, QString& errore);

// The subject a recipients record names by its code; export mailings write the code
// followed by the export code.
[[nodiscard]] std::optional<QString> TrovaAnagraficaSpool(QSqlDatabase db, const QString& azienda,
    const QString& codice, bool conCodiceExport, QString& errore);

// Stores the address in the subject's master data ("Email" or "Fax").
enum class CampoRubrica { Email, Fax };
bool AggiornaRubrica(QSqlDatabase db, const QString& azienda, const QString& codice,
    CampoRubrica campo, const QString& valore, QString& errore);

// The state of the subject's privacy notice; a subject without one gets it, made on `creata`.
struct StatoInformativa final {
    QString Stato;
    QDate DataInvio;
    QString ModoInvio;
    QString EstremiInvio;
};
bool ImpostaStatoInformativa(QSqlDatabase db, const QString& azienda, const QString& codice,
    const StatoInformativa& stato, const QDate& creata, QString& errore);

bool RegistraExportInviato(QSqlDatabase db, const QString& azienda, const QString& codice,
    const QDate& data, const QString& modoInvio, const QString& utente, QString& errore);

// A fax job row (table lavori_fax).
struct LavoroFaxSpool final {
    QString Azienda;
    QString Utente;
    QString NomePC;
    QString IdLavoro;
    QString Destinatario;
    QString NumeroFax;
    QString Oggetto;
    int Pagine = 1;
    QString Stato;
    QDateTime Momento;
};
bool InserisciLavoroFax(QSqlDatabase db, const LavoroFaxSpool& lavoro, QString& errore);
// The number after the highest job id of the store, or 1001 for the first.
[[nodiscard]] std::optional<qint64> ProssimoIdLavoroFax(QSqlDatabase db, QString& errore);
