#pragma once

#include <QList>
#include <QString>

#include <optional>

// One token of a command line: a word with its quoting removed, or one of the two redirections
// the interpreter knows (">" and "2>").
struct ParolaShell final {
    QString Testo;
    bool Redirezione = false;

    bool operator==(const ParolaShell&) const = default;
};

// Splits a command line by the POSIX quoting rules: single quotes, double quotes with backslash
// escapes, backslash outside quotes. Everything that would make a shell do more than run one
// program (separators, pipes, substitutions, globs, other redirections) is refused with the
// reason in errore.
[[nodiscard]] std::optional<QList<ParolaShell>> DividiRigaComando(
    const QString& riga, QString& errore);
