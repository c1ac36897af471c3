#pragma once

#include "forms/Elenco.h"

class ArchivioSerie;

// The design columns of the document list and of the to-send list.
void ColonneLWDocumenti(Elenco& lista);
void ColonneLWDocumentiDaInviare(Elenco& lista);

// Opens and closes the columns of the document list after a search for the label.
void LarghezzeLWDocumenti(Elenco& lista, const QString& etichetta, const ArchivioSerie& opzioni);
// The same after a to-send search.
void LarghezzeLWDocumentiDaInviare(Elenco& lista);
