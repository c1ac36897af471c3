#include "documents/SerieDocumenti.h"

#include "app/Etichette.h"
#include "orbeni/Risultati.h"

using namespace Qt::StringLiterals;

QStringList CaricaSerie(const ArchivioSerie& archivio, const QString& etichetta)
{
    QStringList tipi {etichetta};
    if (Etichette::ECredemtel(etichetta))
        tipi = {Etichette::FattureEmesse, Etichette::NoteDiCreditoEmesse};
    QStringList voci {QString()};
    for (const auto& voce : archivio.VociSerie)
        if (!voce.Serie.isEmpty() && tipi.contains(voce.TipoDocumento))
            voci.append(voce.Serie % u' ' % voce.DescrizioneSerie);
    return voci;
}
