#include "orbeni/local/Migrazioni.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

using namespace Qt::StringLiterals;

const QList<Migrazione>& MigrazioniSchema()
{
    static const QList<Migrazione> migrazioni {&Migrazione1, &Migrazione2, &Migrazione3};
    return migrazioni;
}

int VersioneSchema(QSqlDatabase& db)
{
    QSqlQuery query(db);
    if (!query.exec(u"SELECT MAX(Versione) FROM schema_version"_s) || !query.next())
        return 0;
    return query.value(0).toInt();
}

bool EseguiIstruzioni(QSqlDatabase& db, const QStringList& istruzioni, QString& errore)
{
    QSqlQuery query(db);
    for (const QString& istruzione : istruzioni) {
        if (!query.exec(istruzione)) {
            errore = query.lastError().text() + u" in: "_s + istruzione.simplified().left(80);
            return false;
        }
    }
    return true;
}

bool AggiornaSchema(QSqlDatabase& db, QString& errore)
{
    if (!EseguiIstruzioni(db,
            {u"CREATE TABLE IF NOT EXISTS schema_version ("
             "Versione INTEGER PRIMARY KEY, Applicata TEXT NOT NULL)"_s},
            errore))
        return false;
    const QList<Migrazione>& migrazioni = MigrazioniSchema();
    for (int versione = VersioneSchema(db) + 1; versione <= migrazioni.size(); ++versione) {
        if (!db.transaction()) {
            errore = db.lastError().text();
            return false;
        }
        QSqlQuery registra(db);
        registra.prepare(u"INSERT INTO schema_version (Versione, Applicata) "
                         "VALUES (?, datetime('now'))"_s);
        registra.addBindValue(versione);
        if (!migrazioni.at(versione - 1)(db, errore) || !registra.exec()) {
            if (errore.isEmpty())
                errore = registra.lastError().text();
            db.rollback();
            errore = u"Aggiornamento dell'archivio alla versione "_s + QString::number(versione)
                + u" non riuscito: "_s + errore;
            return false;
        }
        if (!db.commit()) {
            errore = db.lastError().text();
            return false;
        }
    }
    return true;
}
