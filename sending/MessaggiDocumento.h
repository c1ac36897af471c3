#pragma once

#include "orbeni/Documento.h"

#include <QString>

// Serie + " " + Numero: how the messages name a document.
[[nodiscard]] QString SerieNumero(const Documento& documento);

// "Il documento " + Serie + " " + Numero + " deve essere stampato".
[[nodiscard]] QString MessaggioDaStampare(const Documento& documento);
