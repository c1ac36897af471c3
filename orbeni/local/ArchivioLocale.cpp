#include "orbeni/local/ArchivioLocale.h"

#include "orbeni/local/Migrazioni.h"

#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

using namespace Qt::StringLiterals;

namespace {

QString NuovaConnessione()
{
    static std::atomic<int> contatore {0};
    return u"invexo_local_"_s + QString::number(++contatore);
}

} // namespace

ArchivioLocale::ArchivioLocale(const QString& fileDatabase)
    : m_connessione(NuovaConnessione())
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, m_connessione);
    db.setDatabaseName(fileDatabase);
    if (!db.open()) {
        m_errore
            = u"Impossibile aprire l'archivio "_s + fileDatabase + u": "_s + db.lastError().text();
        return;
    }
    QSqlQuery pragma(db);
    pragma.exec(u"PRAGMA foreign_keys = ON"_s);
    m_valido = AggiornaSchema(db, m_errore);
}

ArchivioLocale::~ArchivioLocale()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connessione, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connessione);
}

QSqlDatabase ArchivioLocale::Database() const
{
    return QSqlDatabase::database(m_connessione, false);
}

int ArchivioLocale::VersioneSchema() const
{
    QSqlDatabase db = Database();
    return ::VersioneSchema(db);
}

bool ArchivioLocale::Vuoto() const
{
    QSqlQuery query(Database());
    return !query.exec(u"SELECT 1 FROM aziende LIMIT 1"_s) || !query.next();
}
