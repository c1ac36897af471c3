#include "app/Invexo_Main.h"

#include <QFile>

const ArchivioSerie& Invexo_Main::Opzioni() const
{
    static const ArchivioSerie nessuna;
    return Archivio ? *Archivio : nessuna;
}

void AggiungiFileDaCancellare(Invexo_Main& globali, const QString& percorso)
{
    if (!percorso.isEmpty() && !globali.FileDaCancellare.contains(percorso))
        globali.FileDaCancellare.append(percorso);
}

void CancellaFileTemporanei(Invexo_Main& globali)
{
    for (const QString& percorso : std::as_const(globali.FileDaCancellare))
        QFile::remove(percorso);
    globali.FileDaCancellare = QStringList();
}
