#pragma once

#include "forms/Elenco.h"

class Dialoghi;

// The columns of the basket LWInviaDocSel: "Documento", "Nominativo", and the hidden print form.
void ColonneLWInviaDocSel(Elenco& cestino);

// The print form a basket row keeps in its hidden cell; empty without one.
[[nodiscard]] QString FormaCestino(const RigaElenco& riga);

// Click of FPicAggiungi in the document view: every marked row of the document list whose print
// image exists goes into the basket once, with its print form; an unprinted one is reported,
// and a year different from the basket's is asked about. Returns whether the basket frame is
// to be shown (some marked row is printed).
bool FPicAggiungi(const Elenco& documenti, Elenco& cestino, Dialoghi& dialoghi);

// Click of TDocSelCestino: removes the ticked basket rows. Returns whether the basket still
// holds rows (its frame is hidden otherwise).
bool TDocSelCestino(Elenco& cestino);
