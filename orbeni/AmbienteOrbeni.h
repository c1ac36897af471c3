#pragma once

#include "orbeni/Sessione.h"

#include <QString>

#include <memory>

// The workstation environment of the client library: folders, computer name, sessions.
class AmbienteOrbeni {
public:
    virtual ~AmbienteOrbeni() = default;

    [[nodiscard]] virtual QString NomeComputer() const = 0;
    // Local working folder, without a trailing separator.
    [[nodiscard]] virtual QString CartellaLavoro() const = 0;
    // Local folder of the named files ("Logo", or the product name).
    [[nodiscard]] virtual QString CartellaConfigurazione(const QString& nome) const = 0;
    [[nodiscard]] virtual QString CartellaPostazione(const QString& nomePC) const = 0;
    [[nodiscard]] virtual QString CartellaProgrammi(const QString& nome) const = 0;
    virtual void RegistraFinestra(quintptr finestra, bool principale) = 0;

    // GestoreSessioni.
    virtual std::shared_ptr<Sessione> ApriSessione() = 0;
    virtual void ChiudiSessione(Sessione& sessione) = 0;
    // Aziende.Apri.
    virtual ContestoAzienda ApriAzienda(
        const QString& azienda, bool modoShell, const QString& utente, const QString& password)
        = 0;
};
