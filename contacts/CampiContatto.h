#pragma once

#include "contacts/CContattoRubrica.h"
#include "contacts/ClientLdap.h"
#include "orbeni/Cliente.h"
#include "orbeni/Risultati.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

// The contact editor's fields as data: what FormRubricaClienteLDAP shows and what the user
// typed. Members carry the names of the form's controls.
struct CampiContatto final {
    QString txtTitolo;
    QString txtLingua;
    QString lblDescrizioneLingua;
    QString txtNome;
    QString txtCognome;
    QString txtFunzioneAziendale;
    QString txtAnnotazioni;
    QString txtFax;
    QString txtTelefonoUfficio;
    QString txtTelefonoCasa;
    QString txtCellulare;
    QString txtEmail;
    QString txtSocieta;
    QString txtMailingList;
    // The selected items of lstLingue and lstFunzioniAziendali (-1 none).
    int IndiceLingua = 0;
    int IndiceFunzione = -1;
    // The function is chosen from lstFunzioniAziendali (privacy notices) or fixed by the kind.
    bool FunzioneModificabile = true;
    // Tag of txtFunzioneAziendale: the contact's functions as read, joined with "|".
    QString FunzioniLette;
    // Tag of picDati: the contact's uid, empty for a new contact.
    QString Uid;
};

// lstLingue: code, a space and the name; lstFunzioniAziendali for privacy notices.
[[nodiscard]] const QStringList& ListaLingue();
[[nodiscard]] const QStringList& ListaFunzioniAziendali();
// The list index of a language code, -1 for another code.
[[nodiscard]] int IndiceLingua(const QString& codice);
// The function a document kind fixes, or nothing ("PRIVACY" and unknown kinds).
[[nodiscard]] std::optional<QString> FunzioneFissa(const QString& sigla);

// The header of the editor: a new contact or an existing one, with the panel's colour.
struct IntestazioneContatto final {
    QString Testo;
    QColor Colore;
};
[[nodiscard]] IntestazioneContatto IntestazioneContattoPer(bool esistente);

// MostraContatto: the fields for the entry found, or for a new contact of the customer.
[[nodiscard]] CampiContatto MostraContatto(
    const VoceLdap* voce, const Cliente& cliente, const QString& sigla);

// The message of the first rule the fields break, or nothing when they are valid.
[[nodiscard]] std::optional<QString> ValidaDatiContatto(const CampiContatto& campi);
inline constexpr QStringView TitoloDatiContatto = u"Dati contatto";

// The contact to send from the fields.
[[nodiscard]] CContattoRubrica CreaContatto(const CampiContatto& campi, const Cliente& cliente,
    const QString& sigla, const QString& codiceDirectory);

// The confirmed addresses go into the customer record at once: the documents can be sent with
// them whatever the web service answers. Gateway mode turns a lone fax into its mail address.
void ScriviIndirizziConfermati(
    Cliente& cliente, const CampiContatto& campi, bool faxViaEmail, const QString& dominioPosta);
