#pragma once

#include "app/Invexo_Main.h"
#include "orbeni/local/PopolaArchivio.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

// The embedded server on a temporary root holding only the data a test puts in, and a session
// of company "01" on it.
class ServerDocumenti final {
public:
    ServerDocumenti();

    // Types of the document lists with their kind codes, customers C1 "Alfa", C2 "Beta" and
    // supplier F1 "Gamma".
    bool Anagrafiche();
    // A stored document of the customer; its IdServer (0 when it could not be stored).
    qint64 Documento(const QString& cliente, const QString& tipo, const QString& serie, int numero,
        const QDate& data);

    DialoghiScriptati Dialoghi;
    OrologioFisso Ora;
    TempRoot Temp;
    std::shared_ptr<ServerLocale> Server;
    std::unique_ptr<PopolaArchivio> Dati;
    Invexo_Main Sessione;
};
