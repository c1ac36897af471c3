#pragma once

#include <QStringList>

class ArchivioSerie;

// The entries of the series combo for a document type: an empty first entry, then
// Serie + " " + DescrizioneSerie of each series of that type. The Credemtel types list the
// series of invoices and credit notes.
[[nodiscard]] QStringList CaricaSerie(const ArchivioSerie& archivio, const QString& etichetta);
