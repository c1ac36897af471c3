#include "orbeni/local/PubblicazioneDifferita.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

PubblicazioneDifferita::~PubblicazioneDifferita()
{
    Annulla();
}

QString PubblicazioneDifferita::NomeTemporaneo(const QString& destinazione)
{
    const QFileInfo info(destinazione);
    return info.path() + u"/."_s + info.fileName() + u".tmp"_s;
}

bool PubblicazioneDifferita::Libera(const QString& destinazione, QString& errore) const
{
    const bool prenotata = std::any_of(m_voci.begin(), m_voci.end(),
        [&](const Voce& voce) { return voce.Destinazione == destinazione; });
    if (!prenotata && !QFileInfo::exists(destinazione) && !QFileInfo(destinazione).isSymLink()
        && QDir().mkpath(QFileInfo(destinazione).path()))
        return true;
    errore = u"Il file esiste già o la cartella non è disponibile: "_s + destinazione;
    return false;
}

bool PubblicazioneDifferita::File(
    const QString& destinazione, const QByteArray& contenuto, QString& errore)
{
    if (!Libera(destinazione, errore))
        return false;
    const QString temporaneo = NomeTemporaneo(destinazione);
    QFile::remove(temporaneo);
    QFile file(temporaneo);
    m_voci.append({temporaneo, destinazione, false});
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)
        || file.write(contenuto) != contenuto.size() || !file.flush()) {
        errore = u"Impossibile scrivere il file "_s + destinazione;
        return false;
    }
    return true;
}

QString PubblicazioneDifferita::Cartella(const QString& destinazione, QString& errore)
{
    if (!Libera(destinazione, errore))
        return {};
    const QString temporaneo = NomeTemporaneo(destinazione);
    QDir(temporaneo).removeRecursively();
    if (!QDir().mkdir(temporaneo)) {
        errore = u"Impossibile creare la cartella "_s + destinazione;
        return {};
    }
    m_voci.append({temporaneo, destinazione, true});
    return temporaneo;
}

bool PubblicazioneDifferita::Pubblica(QString& errore)
{
    QStringList mancate;
    QList<Voce> rimaste;
    for (const Voce& voce : std::as_const(m_voci)) {
        if (QDir().rename(voce.Temporaneo, voce.Destinazione))
            continue;
        mancate.append(voce.Destinazione);
        rimaste.append(voce);
    }
    m_voci = rimaste;
    if (mancate.isEmpty())
        return true;
    errore = u"Impossibile pubblicare: "_s + mancate.join(u", "_s);
    return false;
}

void PubblicazioneDifferita::Annulla()
{
    for (const Voce& voce : std::as_const(m_voci)) {
        if (voce.Cartella)
            QDir(voce.Temporaneo).removeRecursively();
        else
            QFile::remove(voce.Temporaneo);
    }
    m_voci.clear();
}
