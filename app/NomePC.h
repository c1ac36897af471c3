#pragma once

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"
#include "orbeni/AmbienteOrbeni.h"

// Fills NomePC: the stored name ("NOMECOMPUTER") whatever its length; else the computer name
// when shorter than 6 characters; else the user's answer, asked until it is 5 characters
// long. A name that was not stored is stored.
void LeggiNomePC(Invexo_Main& globali, const AmbienteOrbeni& ambiente, Impostazioni& impostazioni,
    Dialoghi& dialoghi);
