#pragma once

#include <QString>

// A value put into a search filter: "*", "(", ")", "\" and NUL become "\" + two hex digits
// (RFC 4515), so a value can only ever match itself. Other characters stay as they are.
[[nodiscard]] QString ValoreFiltroLdap(const QString& valore);

// A value put into a distinguished name (RFC 4514): the special characters are escaped with
// "\", so a value cannot add a name component.
[[nodiscard]] QString ValoreDnLdap(const QString& valore);
