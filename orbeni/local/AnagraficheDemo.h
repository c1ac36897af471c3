#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/local/CasoDemo.h"

#include <QList>

// Customers (foreign ones last), suppliers and other subjects of the demo company, with
// Italian-looking names; some have e-mail, some fax, some both, some neither.
struct AnagraficheDemo final {
    QList<Cliente> Clienti;
    QList<Cliente> Esteri;
    QList<Cliente> Fornitori;
    QList<Cliente> Altri;
};

[[nodiscard]] AnagraficheDemo CreaAnagraficheDemo(CasoDemo& caso);
