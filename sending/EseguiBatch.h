#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

class Avviatore;
class Dialoghi;

// The batch runner: a named job's commands written to a batch file of the working folder,
// which copies itself to a sentinel file when its commands have returned. A Windows batch file
// through the command processor, a POSIX shell script elsewhere.

// How long a waited job may take before the wait is given up.
inline constexpr std::chrono::milliseconds LimiteBatch = std::chrono::minutes(2);

struct EsecutoreBatch final {
    QString CartellaLavoro;
    Avviatore& Programmi;
    // Lets the window's events run while waiting; says when the wait is given up.
    Dialoghi& Finestra;
    std::chrono::milliseconds Limite = LimiteBatch;
};

// The two files of job N: "Batch" + N + ".bat" (".sh" on POSIX) and "Batch" + N + ".sw".
struct FileBatch final {
    QString Comandi;
    QString Segnale;
};
[[nodiscard]] FileBatch FileDelLavoro(const QString& cartellaLavoro, const QString& nome);

// The batch file's bytes: the first line, the second when not empty, then the copy of the
// batch file to the sentinel, each line ended as the platform ends them.
[[nodiscard]] QByteArray TestoBatch(
    const QString& prima, const QString& seconda, const FileBatch& file);

// Deletes the job's two files, writes the batch file and starts it. Unless `senzaAttesa`, waits
// (letting events run) for the sentinel and then for both files to be gone. True when the job
// was started and, if waited for, finished; a wait past the limit is given up with a message
// naming the job.
bool EseguiBatch(const EsecutoreBatch& esecutore, const QString& prima, const QString& seconda,
    const QString& nome, bool senzaAttesa);

// Starts the written batch file; false when it could not be started. Per platform.
bool AvviaFileBatch(Avviatore& programmi, const FileBatch& file);
