#pragma once

#include "contacts/CContattoRubrica.h"

#include <QByteArray>
#include <QString>

// The request of the contacts web service that updates a contact.

// The text as its single-byte Windows code page: letters and digits stay, every other byte
// becomes "%" and two upper-case hex digits (a character the code page lacks is "?", "%3F").
[[nodiscard]] QString CodificaUrl(const QString& testo);

// "http://" + host + "/tramavento/VbClientServicesServlet".
[[nodiscard]] QString UrlServizioContatti(const QString& hostServizio);

// The mail domain sent with the update: the login's text after its first "@" (up to a second
// one), or the mail domain of the settings for a login without "@".
[[nodiscard]] QString DominioAggiornamento(
    const QString& loginDirectory, const QString& dominioPosta);

// The form body: the pairs in the service's order, blank fields left out, "complete=true" last.
[[nodiscard]] QByteArray CorpoAggiornamento(
    const CContattoRubrica& contatto, const QString& dominio, const QString& utente);
