#include "app/FineProgramma.h"

#include <cstdio>
#include <cstdlib>

void TerminaProcessoSubito(int codice)
{
    // No static destructors run while the application's windows still exist.
    std::fflush(nullptr);
    std::_Exit(codice);
}

void FineProgramma(Invexo_Main& globali, const TerminaProcesso& termina)
{
    if (globali.SessioneOrbeni && globali.SessioneOrbeni->Aperta() && globali.Ambiente)
        globali.Ambiente->ChiudiSessione(*globali.SessioneOrbeni);
    termina(0);
}
