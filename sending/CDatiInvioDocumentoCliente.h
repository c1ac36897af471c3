#pragma once

#include "orbeni/Cliente.h"
#include "orbeni/Documento.h"

#include <QString>
#include <QStringView>

// One entry of a send run: a document and the customer it goes to.
class CDatiInvioDocumentoCliente final {
public:
    ClientePtr Cliente;
    // For a privacy notice, the notice's record.
    DocumentoPtr Documento;
    bool DaStampare = false;

    // "STAMPA", "EMAIL", "FAX" or "", from the customer's addresses at the moment of reading.
    [[nodiscard]] QString TipoInvio() const;
};

inline constexpr QStringView TipoInvioStampa = u"STAMPA";
inline constexpr QStringView TipoInvioEmail = u"EMAIL";
inline constexpr QStringView TipoInvioFax = u"FAX";
