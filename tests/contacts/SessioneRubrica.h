#pragma once

#include "app/Invexo_Main.h"
#include "tests/support/ServerLdapDiProva.h"

#include <QString>

#include <functional>
#include <memory>

// The test directory of tests/data/contacts/rubrica.ldif, started once per test program by
// the environment that SessioneRubrica.cpp registers.
ServerLdapDiProva& DirectoryDiProva();

// A session of company "01", user "demo" (directory login demo@quorvanel.it, directory company
// "01"), with the directory option on and pointed at the test directory.
[[nodiscard]] std::unique_ptr<Invexo_Main> SessioneRubrica();

// Runs the event loop until the condition holds or the time is over.
bool AttendiFinche(const std::function<bool()>& condizione, int millisecondi = 10000);
