// The batch runner on Windows: a batch file run by the command processor.
#include "sending/EseguiBatch.h"

#include "platform/Avviatore.h"
#include "sending/CodificaAnsi.h"

#include <QDir>

using namespace Qt::StringLiterals;

FileBatch FileDelLavoro(const QString& cartellaLavoro, const QString& nome)
{
    const QString base = QDir::toNativeSeparators(cartellaLavoro) + u"\\Batch"_s + nome;
    return {base + u".bat"_s, base + u".sw"_s};
}

QByteArray TestoBatch(const QString& prima, const QString& seconda, const FileBatch& file)
{
    QString testo = prima + u"\r\n"_s;
    if (!seconda.isEmpty())
        testo += seconda + u"\r\n"_s;
    // Quoted: the working folder may hold blanks.
    testo += u"copy \""_s + file.Comandi + u"\" \""_s + file.Segnale + u"\"\r\n"_s;
    return CodificaWindows1252(testo);
}

bool AvviaFileBatch(Avviatore& programmi, const FileBatch& file)
{
    return programmi.Avvia(u"cmd.exe"_s, {u"/c"_s, file.Comandi});
}
