#pragma once

#include "orbeni/local/ArchivioLocale.h"
#include "orbeni/local/ServizioContatti.h"

#include <QString>

#include <memory>
#include <optional>

// Directory contacts for the company's customers and suppliers, from the addresses of the
// store: an invoices and privacy contact ("fatture@" at the customer's mail domain) and one
// for confirmations and delivery notes (the store's first address); a fax-only subject gets
// one contact with its fax. Subjects that already have contacts are left as they are. The
// number of contacts added, or nothing when the store or the directory failed.
std::optional<int> SeminaRubricaDemo(const DirectoryContatti& directory, const QString& dominio,
    ArchivioLocale& archivio, const QString& azienda);

// The directory of the demo in one step: the contacts web service on a loopback port with its
// address published in the domain entry, the contacts seeded, and the company's options
// switched to the directory (RubricaLdap on, ServerLdap = the directory's host). The service
// must live as long as the program; null when the directory or the store failed.
std::unique_ptr<ServizioContatti> AvviaRubricaDemo(const DirectoryContatti& directory,
    const QString& dominio, ArchivioLocale& archivio, const QString& azienda);
