#pragma once

#include "forms/Elenco.h"
#include "orbeni/Cliente.h"
#include "sending/ScriviSpool.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Invexo_Main;

// The rules of the send dialog FormEmail over its recipients list LWEmail: row text the
// customer's name, cell 1 the address, cell 2 "0" as loaded, "M" after a correction to be
// stored in the master data, "" after one not to be stored; the tag the Cliente.

// FormEmail.Tipo: 0 e-mail, 1 fax.
enum class ModoFormEmail { Email = 0, Fax = 1 };

inline constexpr int ColonnaIndirizzoEmail = 1;
inline constexpr int ColonnaRubricaEmail = 2;

// "Invio Fax" or "Invio Email": the dialog's caption and the title of its messages.
[[nodiscard]] QString TitoloFormEmail(ModoFormEmail modo);

// "Nominativo", the address ("Email" or "Fax") and the hidden mark column.
void ColonneLWEmail(Elenco& lista, ModoFormEmail modo);

// CaricaDestinatariEmail / CaricaDestinatariFax: one ticked row per customer; a customer
// without a valid address is bold and red.
void CaricaDestinatari(Elenco& lista, const QList<ClientePtr>& clienti, ModoFormEmail modo);

// Whether the address passes the mode's check and is not empty.
[[nodiscard]] bool IndirizzoCompleto(const QString& indirizzo, ModoFormEmail modo);

// The end of an in-place correction (TogliTextFaxEmail) on the row: a valid text becomes the
// row's address, marked "M" when it is to be stored; an invalid one leaves the address as it
// was and gives the message ("Email non valida" / "Fax non valido"). The row is normal only
// when the correction was accepted and is not empty.
std::optional<QString> ApplicaCorrezione(
    RigaElenco& riga, const QString& testo, bool memorizza, ModoFormEmail modo);

// The check box beside the editor starts ticked for an address as loaded or to be stored.
[[nodiscard]] bool MemorizzaIniziale(const RigaElenco& riga);

// The checks of the send button, in order; the first failing message.
[[nodiscard]] std::optional<QString> ControllaInvioFormEmail(
    const Elenco& lista, const QString& mittente, ModoFormEmail modo);

// What the dialog's fields hold when sending.
struct CampiFormEmail final {
    QString Mittente;
    QString Oggetto;
    QString Testo;
    QString Data;
    QString Ora;
    QString Tentativi;
};

// "dd/mm/yy" (or a four-digit year; two-digit years 30 to 99 are 1930 to 1999) and "hh:mm"
// (seconds allowed). Nothing when the text is not a date or time.
[[nodiscard]] std::optional<QDate> LeggiDataInvio(const QString& testo);
[[nodiscard]] std::optional<QTime> LeggiOraInvio(const QString& testo);
// A whole number from 0 to 99, blanks around it allowed.
[[nodiscard]] std::optional<int> LeggiTentativi(const QString& testo);

struct EsitoMandaFaxEmail final {
    // A field that cannot be read: the message naming it; nothing was written.
    std::optional<QString> Errore;
    EsitoSpool Spool = EsitoSpool::NienteDaInviare;
};

// MandaFaxEmailPrivacy / MandaFaxEmailExport: the ticked rows' customers, with the corrected
// address and the master-data mark, to ScriviSpoolInfoClienti or ScriviSpoolInfoExport, with the
// send time of the date and time fields and, by fax, the attempts (0 by e-mail).
EsitoMandaFaxEmail MandaFaxEmailPrivacy(
    Invexo_Main& globali, const Elenco& lista, const CampiFormEmail& campi, ModoFormEmail modo);
EsitoMandaFaxEmail MandaFaxEmailExport(
    Invexo_Main& globali, const Elenco& lista, const CampiFormEmail& campi, ModoFormEmail modo);
