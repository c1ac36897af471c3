#include "sending/ImpaginaTesto.h"

namespace {

constexpr QChar RitornoCarrello = u'\r';

} // namespace

QString TagliaRiga(QString& pezzo)
{
    if (!pezzo.isEmpty() && pezzo.front().unicode() <= 13)
        pezzo.remove(0, 1);
    if (pezzo.size() <= LarghezzaRigaCopertina) {
        QString riga = pezzo + RitornoCarrello;
        pezzo.clear();
        return riga;
    }
    const qsizetype blank = pezzo.lastIndexOf(u' ', LarghezzaRigaCopertina - 1);
    const qsizetype taglio = blank >= 0 ? blank + 1 : LarghezzaRigaCopertina;
    QString riga = pezzo.left(taglio) + RitornoCarrello;
    pezzo.remove(0, taglio);
    return riga;
}

QString ImpaginaTesto(const QString& testo)
{
    QString risultato;
    if (testo.isEmpty())
        return risultato;
    const QStringList pezzi = testo.split(RitornoCarrello);
    for (QString pezzo : pezzi) {
        do
            risultato += TagliaRiga(pezzo);
        while (!pezzo.isEmpty());
    }
    return risultato;
}

QStringList RigheTestoCopertina(const QString& testo)
{
    const QString impaginato = ImpaginaTesto(testo);
    if (impaginato.isEmpty())
        return {};
    return impaginato.split(RitornoCarrello);
}
