#pragma once

#include <QString>

// The names of the server's services, the second argument of Richiesta.
namespace NomiServizi {
inline const QString Documenti = QStringLiteral("DOCUME");
inline const QString Nominativi = QStringLiteral("NOMECL");
inline const QString Export = QStringLiteral("EXPMAN");
inline const QString Esenzioni = QStringLiteral("VBESEN");
inline const QString Elenchi = QStringLiteral("VBELEN");
inline const QString Credemtel = QStringLiteral("CREDEM");
} // namespace NomiServizi
