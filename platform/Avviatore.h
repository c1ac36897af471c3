#pragma once

#include <QString>
#include <QStringList>

// Starts outside programs, so tests can record the command lines instead.
class Avviatore {
public:
    virtual ~Avviatore() = default;
    // Starts the program detached; false when it could not be started.
    virtual bool Avvia(const QString& programma, const QStringList& argomenti) = 0;
    // Runs the program and waits up to the time limit; its exit code, or -1.
    virtual int Esegui(const QString& programma, const QStringList& argomenti, int limiteMs) = 0;
};

class AvviatoreSistema final : public Avviatore {
public:
    bool Avvia(const QString& programma, const QStringList& argomenti) override;
    int Esegui(const QString& programma, const QStringList& argomenti, int limiteMs) override;
};

Avviatore& AvviatorePredefinito();
