#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Risultati.h"

#include <QString>

#include <optional>

// The rules of the send-address editor (FormEstremiInvio), over the customer record.

enum class ModalitaEstremi { Email, Fax };

// What the editor shows when it opens on a customer.
struct AperturaEstremi final {
    QString Titolo;
    ModalitaEstremi Modalita = ModalitaEstremi::Email;
    bool OpzioniVisibili = true;
    QString Testo;
};

// Gateway mode shows a "fax-" address as a fax number; without it an e-mail customer cannot
// be switched to fax (the options are hidden).
[[nodiscard]] AperturaEstremi ApriEstremiInvio(const Cliente& cliente, bool faxViaEmail);

// Writes the trimmed text into the one field the mode names (Email, the gateway address in
// Email, or Fax). Nothing, or the error message when the text is not valid; then the record is
// unchanged.
[[nodiscard]] std::optional<QString> ConfermaEstremiInvio(
    Cliente& cliente, ModalitaEstremi modalita, const QString& testo, const ArchivioSerie& opzioni);

// The title of the editor's error messages.
inline constexpr QStringView TitoloErroreEstremi = u"Invio documenti";

// The keys the address box takes: Backspace, Tab, line feed, Enter and the codes 32 to 127.
// The box's own filter; the customer search's FiltraTasto uses it for its fields.
[[nodiscard]] bool TastoAmmessoEstremiInvio(int codice);
