#pragma once

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "forms/Dialoghi.h"

#include <QString>

// The mail client chosen by the user ("CLIENTMAIL"), asked for when there is none or when
// `reset` is set; the answer is stored, also an empty one.
QString ScegliClientPosta(bool reset, Impostazioni& impostazioni, Dialoghi& dialoghi);

// Sets the Posta* flags from the default mail client's name, ignoring case.
void ImpostaClientPosta(Invexo_Main& globali, const QString& nomeClient);
