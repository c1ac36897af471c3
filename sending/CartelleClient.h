#pragma once

#include <QString>

#include <optional>

// The program folders of the command-line mail clients, from the machine registry's icon
// values. Nothing when the value does not name the client's program file.

// The text before the first "thunderbird.exe" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail\Mozilla Thunderbird\DefaultIcon.
[[nodiscard]] std::optional<QString> CartellaThunderbird();
// The text before the first "outlook.exe" of
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes\Mailto\DefaultIcon.
[[nodiscard]] std::optional<QString> CartellaOutlook();

// The same from the value's text. A leading double quote is dropped for both clients: icon
// values are usually quoted, and the quote would otherwise become the drive letter.
[[nodiscard]] std::optional<QString> CartellaDaIcona(
    const QString& valore, const QString& programma);
