#pragma once

#include "orbeni/Cliente.h"

// The contacts directory as the to-send search needs it; the contacts feature implements it.
class RubricaInvio {
public:
    virtual ~RubricaInvio() = default;
    // The shared directory connection; false when there is none (the connection has shown
    // its own message).
    virtual bool Connetti() = 0;
    // Fills the copy's e-mail and fax from the directory for the document's kind and adds the
    // supplier contacts named by its AltriCodici.
    virtual void CompletaIndirizzi(Cliente& copia, const Documento& documento) = 0;
};
