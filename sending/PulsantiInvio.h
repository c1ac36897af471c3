#pragma once

#include "sending/ContestoInvio.h"

// The send, print and fax buttons of the right-hand bar. Each click runs the first case of its
// button whose view matches (see the tables in PulsantiInvio.cpp).

// Click of FPicInviaSelezionati.
void FPicInviaSelezionati_Click(ContestoInvio& contesto);
// Click of FPicStampa.
void FPicStampa_Click(ContestoInvio& contesto);
// Click of FPicFAXSelezionati.
void FPicFAXSelezionati_Click(ContestoInvio& contesto);

// The click of a frame of the right-hand bar (StatoBarraDestra::Invia, Fax, Stampa) to the
// button's click; false for the other frames.
bool PremiPulsanteInvio(int frame, ContestoInvio& contesto);

// The cases of the document views (not the to-send list).

// Send: the marked and basket documents to the workstation's mail client.
void InviaDocumentiConClientPosta(ContestoInvio& contesto);
// Print: the marked documents of the list (the selection rule) and the basket, StampaElenco.
void StampaDocumentiSelezionati(ContestoInvio& contesto);
// Fax: the marked and basket documents to the fax composition, all printed in every form.
void FaxDocumentiSelezionati(ContestoInvio& contesto);

// The cases of the to-send list.

// Send: the send run (InvioDaInviare.h).
void InviaDocumentiDaInviare(ContestoInvio& contesto);
// Print: the marked rows with StampaDocumenti, not recorded as done.
void StampaDocumentiDaInviare(ContestoInvio& contesto);
