#pragma once

#include "orbeni/local/RadiceServer.h"

#include <QString>

// What the server's "/usr/orbeni/hylafaxERR.sh" does: writes "/usr/tmp/ERR_HYLA_" + nomePC with,
// for every job folder of the user that has a "status" file, the lines of its "desfile.txt"
// and then its status lines prefixed "STATUS=", carriage returns removed.
bool ScriviElencoFaxInErrore(
    const RadiceServer& radice, const QString& nomePC, const QString& utente, QString& errore);
