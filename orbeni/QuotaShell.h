#pragma once

#include <QString>

// The argument as one word of a POSIX shell command line: unchanged when it holds only ASCII
// letters, digits and "._/-", otherwise in single quotes (a quote inside becomes '\'').
// The empty argument becomes ''.
[[nodiscard]] QString QuotaPerShell(const QString& argomento);
