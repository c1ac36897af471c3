#pragma once

#include "app/Invexo_Main.h"

#include <functional>

// Ends the process with the exit code; start-up tests give one that only records the call.
using TerminaProcesso = std::function<void(int codice)>;

// Ends the process at once, without unwinding: pending output is flushed first.
[[noreturn]] void TerminaProcessoSubito(int codice);

// Closes the library session through the environment when one is open, then ends the program
// at once. Returns only when `termina` does, so a caller goes no further after it.
void FineProgramma(Invexo_Main& globali, const TerminaProcesso& termina = TerminaProcessoSubito);
