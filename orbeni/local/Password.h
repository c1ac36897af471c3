#pragma once

#include <QString>

// A stored password: random salt and iterated SHA-256, both hex.
struct PasswordCifrata final {
    QString Sale;
    QString Hash;
    int Iterazioni = 0;
};

// Iterations for new passwords; old rows keep the count they were made with.
inline constexpr int IterazioniPassword = 20000;

[[nodiscard]] PasswordCifrata CifraPassword(
    const QString& password, int iterazioni = IterazioniPassword);
[[nodiscard]] QString HashPassword(const QString& password, const QString& saleHex, int iterazioni);
[[nodiscard]] bool VerificaPassword(const QString& password, const PasswordCifrata& cifrata);
