#pragma once

#include "orbeni/AmbienteOrbeni.h"
#include "orbeni/ServiziOrbeni.h"

#include <QString>

#include <memory>

class Dialoghi;

// The library as the start-up code gets it: the server operations and the workstation side.
struct LibreriaOrbeni final {
    std::shared_ptr<ServiziOrbeni> Servizi;
    std::shared_ptr<AmbienteOrbeni> Ambiente;
};

// The library for a server address:
// - "local": the embedded server rooted at cartellaBase + "/server", the workstation's
//   folders under cartellaBase (the caller passes the user's application data folder);
// - "local:DIR": the embedded server rooted at DIR, the workstation's folders under
//   DIR + "/workstation", so one folder holds everything (tests use a temporary one);
// - anything else: a remote server this build cannot reach, with the workstation's folders
//   under cartellaBase.
// The dialogs must outlive the library.
[[nodiscard]] std::shared_ptr<LibreriaOrbeni> CreaLibreria(
    const QString& indirizzoServer, Dialoghi& dialoghi, const QString& cartellaBase);
