#include "app/Invexo_Main.h"

#include <QFile>

void CancellaFileTemporanei(Invexo_Main& globali)
{
    for (const QString& percorso : std::as_const(globali.FileDaCancellare))
        QFile::remove(percorso);
    globali.FileDaCancellare = QStringList();
}
