#pragma once

#include "orbeni/Documento.h"

#include <QList>

class Dialoghi;
class DriverPosta;
struct Invexo_Main;

// Mailing documents through the workstation's own e-mail client. The driver is the one
// CreaDriverPosta made for the session at start-up.

// Opens the client's session when it keeps one; PostaConnessa then stays set.
void ApriPosta(Invexo_Main& globali, DriverPosta& driver);

// Hands the documents' PDF files to a new message of the client, which the user completes and
// sends. A document without its print image stops everything before the client is touched;
// a document whose file cannot be fetched is left out of the message but still recorded as
// sent from the workstation. A failure of the client is shown as its number and description.
void InviaConClientPosta(const QList<DocumentoPtr>& documenti, Invexo_Main& globali,
    DriverPosta& driver, Dialoghi& dialoghi);

// Closes the client's session at exit: nothing for the command-line clients or when no session
// was opened.
void ChiudiPosta(Invexo_Main& globali, DriverPosta& driver);
