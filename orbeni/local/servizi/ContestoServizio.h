#pragma once

#include "orbeni/local/ArchivioLocale.h"
#include "orbeni/local/RadiceServer.h"

#include <QString>

class Orologio;

// What a service handler works with: the store, the root, the clock and the session's user.
struct ContestoServizio final {
    ArchivioLocale& Archivio;
    const RadiceServer& Radice;
    const Orologio& Ora;
    QString Utente;
};
