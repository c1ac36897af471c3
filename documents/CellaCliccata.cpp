#include "documents/CellaCliccata.h"

std::optional<CellaCliccata> TrovaCellaCliccata(const Elenco& lista, int riga, int colonna)
{
    if (riga < 0 || riga >= lista.Conta() || colonna <= 0)
        return std::nullopt;
    const RigaElenco& trovata = lista.Riga(riga);
    if (colonna >= trovata.Celle.size())
        return std::nullopt;
    return CellaCliccata {riga, colonna, trovata.Celle[colonna].Chiave};
}
