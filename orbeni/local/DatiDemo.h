#pragma once

#include "orbeni/local/ArchivioLocale.h"
#include "orbeni/local/RadiceServer.h"

#include <QDate>
#include <QString>

// The demo company "01" and everything every view needs: users, document types with their
// series and options, customers and suppliers, some thousand documents with their PDFs over the
// two years before oggi, privacy notices, export data, fax address books and failed faxes.
// The same oggi gives the same data.
bool SeminaDatiDemo(
    ArchivioLocale& archivio, const RadiceServer& radice, const QDate& oggi, QString& errore);

// The demo company and its users.
inline constexpr char16_t AziendaDemo[] = u"01";
inline constexpr char16_t UtenteDemo[] = u"demo";
inline constexpr char16_t PasswordDemo[] = u"demo";
