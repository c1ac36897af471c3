// The batch runner on POSIX systems: a shell script run by /bin/sh.
#include "sending/EseguiBatch.h"

#include "orbeni/QuotaShell.h"
#include "platform/Avviatore.h"

using namespace Qt::StringLiterals;

FileBatch FileDelLavoro(const QString& cartellaLavoro, const QString& nome)
{
    const QString base = cartellaLavoro + u"/Batch"_s + nome;
    return {base + u".sh"_s, base + u".sw"_s};
}

QByteArray TestoBatch(const QString& prima, const QString& seconda, const FileBatch& file)
{
    QString testo = prima + u'\n';
    if (!seconda.isEmpty())
        testo += seconda + u'\n';
    testo += u"cp "_s + QuotaPerShell(file.Comandi) + u' ' + QuotaPerShell(file.Segnale) + u'\n';
    return testo.toLocal8Bit();
}

bool AvviaFileBatch(Avviatore& programmi, const FileBatch& file)
{
    return programmi.Avvia(u"/bin/sh"_s, {file.Comandi});
}
