#pragma once

#include "app/Invexo_Main.h"
#include "orbeni/local/AmbienteLocale.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QStringList>

#include <memory>

// The embedded server on a freshly seeded demo root, and a session of company "01" on it with
// the series archive loaded.
class ServerDemo final {
public:
    ServerDemo();

    [[nodiscard]] bool Pronto() const { return m_pronto; }
    // The first value of a query on the store, -1 when it fails.
    [[nodiscard]] qint64 Conta(const QString& sql) const;

    DialoghiScriptati Dialoghi;
    OrologioFisso Ora;
    TempRoot Temp;
    std::shared_ptr<AmbienteLocale> Ambiente;
    std::shared_ptr<ServerLocale> Server;
    Invexo_Main Sessione;

private:
    bool m_pronto = false;
};

// A folder put first on PATH, with programs that write their arguments to "<program>.args".
class ProgrammiRegistratori final {
public:
    explicit ProgrammiRegistratori(const QStringList& nomi);
    ~ProgrammiRegistratori();
    ProgrammiRegistratori(const ProgrammiRegistratori&) = delete;
    ProgrammiRegistratori& operator=(const ProgrammiRegistratori&) = delete;

    // The arguments the program was started with, empty when it was not started. A program
    // started detached is waited for a while.
    [[nodiscard]] QStringList Argomenti(const QString& nome, bool attendi = false) const;

private:
    TempRoot m_cartella;
    QByteArray m_path;
};
