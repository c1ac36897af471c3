#include "orbeni/local/servizi/TabellaServizi.h"

#include "orbeni/local/servizi/Gestori.h"

#include <QList>

using namespace Qt::StringLiterals;

const VoceServizio* CercaServizio(const QString& servizio, const QString& comando)
{
    // A new service is a handler file, its declaration in Gestori.h and one line here.
    static const QList<VoceServizio> tabella {
        {u"DOCUME"_s, u"ARCHIVIOSERIE"_s, 111, &ServizioArchivioSerie},
        {u"DOCUME"_s, u"DOCUMENTI"_s, 111, &ServizioDocumenti},
        {u"NOMECL"_s, u"DOCUMENTI"_s, 113, &ServizioNominativi},
    };
    for (const VoceServizio& voce : tabella)
        if (voce.Servizio == servizio && voce.Comando == comando)
            return &voce;
    return nullptr;
}
