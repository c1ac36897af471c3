#pragma once

#include "orbeni/local/Password.h"

#include <QSqlDatabase>
#include <QString>

#include <optional>

struct UtenteArchivio final {
    QString Codice;
    QString Nome;
    QString LoginDirectory;
    PasswordCifrata Password;
};

// True for the directory login form: a name, "@" and a domain of two labels.
[[nodiscard]] bool FormaLoginDirectory(const QString& testo);

// The user by id, or by directory login when the text has that form.
[[nodiscard]] std::optional<UtenteArchivio> CercaUtente(QSqlDatabase db, const QString& testo);
