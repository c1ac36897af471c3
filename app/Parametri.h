#pragma once

#include "app/Impostazioni.h"
#include "app/Invexo_Main.h"
#include "app/Registry.h"
#include "forms/Dialoghi.h"

#include <QString>
#include <QStringList>

#include <functional>

// Reads one machine registry value; tests give their own.
using LettoreRegistro
    = std::function<ValoreRegistro(RadiceRegistro, const QString&, const QString&)>;

// Parses the command line ("-H", "-C", "-USERID", "-DEBUG", "-SHELL", "-RESETMAIL", "-M"; option
// names ignoring case, values as written) and detects the mail client: the registry's default
// client, else the user's choice. True when both the server and the company are set.
bool LeggiParametri(Invexo_Main& globali, const QString& rigaComando, Impostazioni& impostazioni,
    Dialoghi& dialoghi, const LettoreRegistro& leggiRegistro = LeggiRegistro);

// The command line from the program's arguments (argv, the program first): the arguments after
// the program, joined with single blanks.
[[nodiscard]] QString RigaComandoDaArgomenti(const QStringList& argomenti);

// The text of the usage message shown when the server or the company is missing.
[[nodiscard]] QString MessaggioParametriNonValidi();
