#pragma once

#include <QString>

// The job token that names a job's files on the server: "0" followed by 1 to 6 digits, the
// integer part of the random number (in [0, 1)) times 999999.
[[nodiscard]] QString TokenLavoro(double casuale);

// A token from the program's random generator, seeded once from the clock.
[[nodiscard]] QString TokenLavoro();
