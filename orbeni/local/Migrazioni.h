#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>

// One schema change. Migration N is element N - 1 of the list; new changes are appended,
// published ones never change.
using Migrazione = bool (*)(QSqlDatabase& db, QString& errore);

[[nodiscard]] const QList<Migrazione>& MigrazioniSchema();

// The version recorded in schema_version, 0 for a new database.
[[nodiscard]] int VersioneSchema(QSqlDatabase& db);
// Applies, each in its own transaction, the migrations the database has not had yet.
bool AggiornaSchema(QSqlDatabase& db, QString& errore);

// Runs the statements in order; false with the failing statement's error.
bool EseguiIstruzioni(QSqlDatabase& db, const QStringList& istruzioni, QString& errore);

bool Migrazione1(QSqlDatabase& db, QString& errore);
bool Migrazione2(QSqlDatabase& db, QString& errore);
bool Migrazione3(QSqlDatabase& db, QString& errore);
