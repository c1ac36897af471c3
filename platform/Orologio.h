#pragma once

#include <QDateTime>

// "Now" for the whole program, so tests can fix the date.
class Orologio {
public:
    virtual ~Orologio() = default;
    [[nodiscard]] virtual QDateTime Adesso() const = 0;
    [[nodiscard]] QDate Oggi() const { return Adesso().date(); }
};

class OrologioSistema final : public Orologio {
public:
    [[nodiscard]] QDateTime Adesso() const override { return QDateTime::currentDateTime(); }
};

class OrologioFisso final : public Orologio {
public:
    explicit OrologioFisso(QDateTime adesso)
        : m_adesso(std::move(adesso))
    {
    }
    [[nodiscard]] QDateTime Adesso() const override { return m_adesso; }
    void Imposta(const QDateTime& adesso) { m_adesso = adesso; }

private:
    QDateTime m_adesso;
};

// The clock of the running program.
Orologio& OrologioPredefinito();
