#pragma once

#include <QString>
#include <QStringView>

// Send addresses. Positions in the rules count from 1; comparisons are exact (case matters).

// Only the first characters of an address or number are examined by the blank and digit rules.
inline constexpr qsizetype FinestraIndirizzo = 100;

// The prefix of a fax gateway address: "fax-" + number + "@" + mail domain.
inline constexpr QStringView PrefissoFaxGateway = u"fax-";

// Empty, or one "@" followed by a "." somewhere after it, with nothing but blanks after the
// first blank (up to position 100).
[[nodiscard]] bool IndirizzoEmailValido(const QString& testo);

// Every character among the first 100 is a digit, ".", "/" or ","; the empty text is valid.
[[nodiscard]] bool NumeroFaxValido(const QString& testo);

// The number of a gateway address: the text after "fax-" up to the first "@" (to the end when
// there is none); empty when the address does not begin with "fax-".
[[nodiscard]] QString EstraiNumeroFax(const QString& indirizzo);

// A gateway address with its number reduced to digits and anything from a second "@" on
// dropped; any other text comes back unchanged.
[[nodiscard]] QString NormalizzaIndirizzoFax(const QString& indirizzo);

// The gateway address of a number.
[[nodiscard]] QString IndirizzoFaxGateway(const QString& numero, const QString& dominio);
