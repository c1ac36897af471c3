#include "orbeni/Cliente.h"

ClientePtr CopiaCliente(const Cliente& origine)
{
    auto copia = std::make_shared<Cliente>(origine);
    copia->DocumentiCliente.clear();
    copia->CodiceExport.clear();
    return copia;
}
