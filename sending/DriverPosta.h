#pragma once

#include "orbeni/Documento.h"

#include <QString>

#include <memory>
#include <optional>

class Avviatore;
class Dialoghi;
struct Invexo_Main;

// A failure while mailing: shown as the number, ": " and the description.
struct ErrorePosta final {
    int Numero = 0;
    QString Descrizione;
};

// Nothing when the step worked.
using EsitoPosta = std::optional<ErrorePosta>;

// The error numbers the drivers report.
namespace NumeriErrorePosta {
// The client's program folder is not where the registry should name it.
inline constexpr int CartellaClient = 5;
// The client's program could not be started.
inline constexpr int ProgrammaNonAvviato = 53;
// The client cannot be driven on this system (its automation is not available).
inline constexpr int ClientNonDisponibile = 429;
} // namespace NumeriErrorePosta

// One workstation e-mail client, as the mailing drives it: open a session, prepare a message,
// attach the documents' files, hand the message over to the user.
class DriverPosta {
public:
    virtual ~DriverPosta() = default;

    // Opens the session of a client that keeps one; failures are ignored.
    virtual void Apri() = 0;
    // Closes the session at exit; failures are ignored.
    virtual void Chiudi() = 0;

    virtual EsitoPosta NuovoMessaggio() = 0;
    virtual EsitoPosta Allega(const QString& percorso, const Documento& documento) = 0;
    virtual EsitoPosta Consegna() = 0;
};

// The driver of the client the session's Posta* flags name, on this system. The launcher and
// the dialogs must outlive it; the session gives the working folder of the batch runner.
[[nodiscard]] std::unique_ptr<DriverPosta> CreaDriverPosta(
    Invexo_Main& globali, Dialoghi& dialoghi, Avviatore& avviatore);
