#include "orbeni/local/Migrazioni.h"

#include <QStringList>

using namespace Qt::StringLiterals;

// The sends of the spool runs: one row per message or fax job, what it carried, and the link
// from a document's send record to the send that made it.
bool Migrazione3(QSqlDatabase& db, QString& errore)
{
    return EseguiIstruzioni(db,
        {
            // ModoInvio "EMAIL" or "FAX"; Indirizzo the addresses or the fax number; Messaggio
            // the outbox file or the fax job's server folder; Programmata the send time the
            // workstation asked for, '' for at once; Tentativi the attempts it allowed.
            u"CREATE TABLE spedizioni ("
            " Id INTEGER PRIMARY KEY AUTOINCREMENT,"
            " Azienda TEXT NOT NULL,"
            " Utente TEXT NOT NULL,"
            " NomePC TEXT NOT NULL DEFAULT '',"
            " ModoInvio TEXT NOT NULL,"
            " Nominativo TEXT NOT NULL DEFAULT '',"
            " Indirizzo TEXT NOT NULL DEFAULT '',"
            " CodiceAnagrafica TEXT NOT NULL DEFAULT '',"
            " NominativoMittente TEXT NOT NULL DEFAULT '',"
            " EmailMittente TEXT NOT NULL DEFAULT '',"
            " Oggetto TEXT NOT NULL DEFAULT '',"
            " Tentativi INTEGER NOT NULL DEFAULT 0,"
            " Programmata TEXT NOT NULL DEFAULT '',"
            " Momento TEXT NOT NULL,"
            " Messaggio TEXT NOT NULL DEFAULT '',"
            " Stato TEXT NOT NULL)"_s,
            u"CREATE INDEX spedizioni_momento ON spedizioni (Azienda, Momento)"_s,

            // Operazione is the spool's operation code; IdServer is set for documents.
            u"CREATE TABLE spedizioni_allegati ("
            " IdSpedizione INTEGER NOT NULL REFERENCES spedizioni (Id) ON DELETE CASCADE,"
            " Ordine INTEGER NOT NULL,"
            " Operazione TEXT NOT NULL,"
            " IdServer INTEGER REFERENCES documenti (IdServer) ON DELETE SET NULL,"
            " NomeFile TEXT NOT NULL,"
            " PRIMARY KEY (IdSpedizione, Ordine))"_s,
            u"CREATE INDEX spedizioni_documento ON spedizioni_allegati (IdServer)"_s,

            u"ALTER TABLE invii ADD COLUMN IdSpedizione INTEGER REFERENCES spedizioni (Id)"_s,
        },
        errore);
}
