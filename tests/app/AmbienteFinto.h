#pragma once

#include "orbeni/AmbienteOrbeni.h"

#include <QStringList>

// An environment that answers a fixed computer name and records what is asked of it.
class AmbienteFinto final : public AmbienteOrbeni {
public:
    QString nomeComputer;
    mutable int richiesteNome = 0;
    QStringList chiamate;

    [[nodiscard]] QString NomeComputer() const override { return ++richiesteNome, nomeComputer; }
    [[nodiscard]] QString CartellaLavoro() const override { return {}; }
    [[nodiscard]] QString CartellaConfigurazione(const QString&) const override { return {}; }
    [[nodiscard]] QString CartellaPostazione(const QString&) const override { return {}; }
    [[nodiscard]] QString CartellaProgrammi(const QString&) const override { return {}; }
    void RegistraFinestra(quintptr, bool) override { }
    std::shared_ptr<Sessione> ApriSessione() override { return std::make_shared<Sessione>(); }
    void ChiudiSessione(Sessione& sessione) override
    {
        chiamate.append(QStringLiteral("ChiudiSessione"));
        sessione.Chiudi();
    }
    ContestoAzienda ApriAzienda(
        const QString& azienda, bool modoShell, const QString&, const QString&) override
    {
        return {azienda, modoShell};
    }
};
