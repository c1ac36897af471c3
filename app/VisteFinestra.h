#pragma once

#include "orbeni/local/CreaLibreria.h"

class Dialoghi;
class FSelezionaCliente;
struct Invexo_Main;

// The views of the features, each answering the right-hand buttons it owns, and the contacts
// directory of the to-send list and its contact editor.
void InstallaViste(FSelezionaCliente& finestra, Invexo_Main& globali, Dialoghi& dialoghi);

// With INVEXO_RUBRICA_DEMO set to a directory's "host:port" and the embedded server in use,
// seeds the directory with the company's contacts, serves the contacts web service on a
// loopback port and switches the company to the directory. Does nothing otherwise; a
// directory that cannot be used is reported on standard error and the demo runs without it.
void AvviaRubricaDemoDaAmbiente(const LibreriaOrbeni& libreria, const QString& azienda);
