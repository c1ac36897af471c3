#pragma once

#include <QStringList>

#include <random>

// The demo data's random source: a fixed seed and plain modulo, so the same data comes out
// on every machine and every run.
class CasoDemo final {
public:
    explicit CasoDemo(std::uint32_t seme)
        : m_generatore(seme)
    {
    }

    // A number in [0, n).
    int Numero(int n) { return n > 0 ? static_cast<int>(m_generatore() % std::uint32_t(n)) : 0; }
    // True with the given chance in percent.
    bool Percento(int probabilita) { return Numero(100) < probabilita; }
    const QString& Scegli(const QStringList& elenco)
    {
        return elenco.at(Numero(int(elenco.size())));
    }

private:
    std::mt19937 m_generatore;
};
