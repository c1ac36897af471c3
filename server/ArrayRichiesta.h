#pragma once

#include "orbeni/Cliente.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Sizes of the request arrays: the documents service, the customer-name search, the file jobs.
namespace DimensioneRichiesta {
inline constexpr int Documenti = 111;
inline constexpr int Nominativi = 113;
inline constexpr int LavoroExpman = 4;
inline constexpr int LavoroCredem = 4;
inline constexpr int LavoroEsenzioni = 5;
inline constexpr int LavoroElenchi = 7;
} // namespace DimensioneRichiesta

// At most this many customer codes travel in one request; the others are left out.
inline constexpr int MassimoClientiRichiesta = 39;

// The array of strings a request sends: every position empty until set, index 0 the company.
class ArrayRichiesta final {
public:
    ArrayRichiesta(const QString& azienda, int dimensione);

    // Out-of-range indices are ignored: the array never grows.
    ArrayRichiesta& Imposta(int indice, const QString& valore);
    ArrayRichiesta& ImpostaData(int indice, const QDate& data);
    ArrayRichiesta& ImpostaNumero(int indice, int numero);
    // The codes of the customers at 4 to 12, then 28 to 57, in order; empty records are skipped.
    ArrayRichiesta& ImpostaClienti(const QList<ClientePtr>& clienti);
    ArrayRichiesta& ImpostaElenco(int indice, const QStringList& elementi);

    [[nodiscard]] const QStringList& Valori() const { return m_valori; }

private:
    QStringList m_valori;
};

// "yyyyMMdd", or empty for a date that is not set.
[[nodiscard]] QString TestoData(const QDate& data);
// The number in decimal, or empty for -1 (not set).
[[nodiscard]] QString TestoNumero(int numero);
// Each element followed by ":", then "@END@".
[[nodiscard]] QString ElencoConFine(const QStringList& elementi);
// The request index of the n-th customer code (0-based), or -1 past the last slot.
[[nodiscard]] int IndiceCliente(int posizione);
