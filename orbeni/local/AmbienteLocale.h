#pragma once

#include "orbeni/AmbienteOrbeni.h"

// The workstation side of the library, every folder under one base folder:
// lavoro/ (working folder), config/<name>/, postazioni/<pc>/, programmi/.
class AmbienteLocale final : public AmbienteOrbeni {
public:
    explicit AmbienteLocale(const QString& cartellaBase);

    [[nodiscard]] QString NomeComputer() const override;
    [[nodiscard]] QString CartellaLavoro() const override;
    [[nodiscard]] QString CartellaConfigurazione(const QString& nome) const override;
    [[nodiscard]] QString CartellaPostazione(const QString& nomePC) const override;
    [[nodiscard]] QString CartellaProgrammi(const QString& nome) const override;
    void RegistraFinestra(quintptr finestra, bool principale) override;

    std::shared_ptr<Sessione> ApriSessione() override;
    void ChiudiSessione(Sessione& sessione) override;
    ContestoAzienda ApriAzienda(const QString& azienda, bool modoShell, const QString& utente,
        const QString& password) override;

    // Copies the logos of the program's resources into the "Logo" folder, when present.
    void CopiaLoghi() const;

private:
    // The folder base + "/" + relativo, created; names are kept to one path component.
    [[nodiscard]] QString Cartella(const QString& relativo) const;

    QString m_base;
};
