#include "sending/EseguiBatch.h"

#include "forms/Dialoghi.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

// Between two looks at the files, the window's events run and the thread rests a little.
void Attendi(Dialoghi& finestra)
{
    finestra.EseguiEventi();
    QThread::msleep(20);
}

bool Cancella(const FileBatch& file)
{
    QFile::remove(file.Comandi);
    QFile::remove(file.Segnale);
    return !QFile::exists(file.Comandi) && !QFile::exists(file.Segnale);
}

QString Durata(std::chrono::milliseconds limite)
{
    const auto secondi = std::chrono::duration_cast<std::chrono::seconds>(limite).count();
    if (secondi >= 60 && secondi % 60 == 0)
        return secondi == 60 ? u"1 minuto"_s : QString::number(secondi / 60) + u" minuti"_s;
    return secondi == 1 ? u"1 secondo"_s : QString::number(secondi) + u" secondi"_s;
}

} // namespace

bool EseguiBatch(const EsecutoreBatch& esecutore, const QString& prima, const QString& seconda,
    const QString& nome, bool senzaAttesa)
{
    // Without a working folder the files would land in the file system's root.
    if (esecutore.CartellaLavoro.isEmpty())
        return false;
    const FileBatch file = FileDelLavoro(esecutore.CartellaLavoro, nome);
    Cancella(file);
    {
        QFile comandi(file.Comandi);
        const QByteArray testo = TestoBatch(prima, seconda, file);
        if (!comandi.open(QIODevice::WriteOnly | QIODevice::Truncate)
            || comandi.write(testo) != testo.size() || !comandi.flush()) {
            comandi.close();
            QFile::remove(file.Comandi);
            return false;
        }
    }
    if (!AvviaFileBatch(esecutore.Programmi, file))
        return false;
    if (senzaAttesa)
        return true;

    // The window gets its events at least once, however fast the job ends.
    esecutore.Finestra.EseguiEventi();
    const QDeadlineTimer scadenza(esecutore.Limite);
    while (!QFile::exists(file.Segnale)) {
        if (scadenza.hasExpired()) {
            // The files stay: the next run of the job deletes them.
            esecutore.Finestra.Avviso(u"Il lavoro \""_s + nome
                    + u"\" non è terminato: l'attesa è stata interrotta dopo "_s
                    + Durata(esecutore.Limite),
                IconaMessaggio::Avviso, u"Attenzione"_s);
            return false;
        }
        Attendi(esecutore.Finestra);
    }
    // The batch may still hold its own file for a moment after writing the sentinel.
    while (!Cancella(file) && !scadenza.hasExpired())
        Attendi(esecutore.Finestra);
    return true;
}
