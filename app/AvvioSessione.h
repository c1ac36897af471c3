#pragma once

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "orbeni/local/CreaLibreria.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Dialoghi;

using CreatoreLibreria = std::function<LibreriaOrbeni(const QString& indirizzoServer)>;

// Sender defaults of the sending panels.
struct MittentiPredefiniti final {
    QString Email;
    QString Nominativo;
};

// Opens the session on the company and authenticates the user unless the command line named
// one. False when the program must end; the failure message has been shown.
bool ApriSessione(Invexo_Main& globali, Dialoghi& dialoghi);

// The user's name for annotations and the directory login; the library may replace the user id,
// and then the check runs once more with the new one. The library's error, if any.
std::optional<QString> VerificaSessione(Invexo_Main& globali);

// Asks the documents service for the series archive. The library's error, if any.
std::optional<QString> CaricaArchivioSerie(Invexo_Main& globali);

// The sender e-mail and name of documents and notices, from the first setting that has one.
[[nodiscard]] MittentiPredefiniti LeggiMittenti(const Impostazioni& impostazioni);
