#include "forms/ListaImmagini.h"

#include <QHash>

using namespace Qt::StringLiterals;

QIcon ListaImmagini::Icona(const QString& chiave)
{
    static QHash<QString, QIcon> cache;
    if (chiave.isEmpty())
        return {};
    auto trovata = cache.constFind(chiave);
    if (trovata == cache.constEnd())
        trovata = cache.insert(chiave, QIcon(u":/icons/"_s + chiave + u".png"_s));
    return *trovata;
}
