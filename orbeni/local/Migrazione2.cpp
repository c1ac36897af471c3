#include "orbeni/local/Migrazioni.h"

using namespace Qt::StringLiterals;

namespace {

// Waiting to be sent: neither handed over nor set aside by a user, and without a send record
// that sent it or flagged it as dealt with.
const QString AncoraDaInviare
    = u"NOT EXISTS (SELECT 1 FROM documenti_registrati g WHERE g.IdServer = documenti.IdServer) "
      "AND NOT EXISTS (SELECT 1 FROM invii v WHERE v.IdServer = documenti.IdServer "
      "AND (UPPER(v.ModoInvio) = 'FLAG' OR (v.InviatoDa <> '' AND v.ModoInvio <> '' "
      "AND v.DataInvio <> '' AND v.EstremiInvio <> '')))"_s;

QString Ricalcola(const QString& riga)
{
    return u"UPDATE documenti SET DaInviare = ("_s + AncoraDaInviare + u") WHERE IdServer = "_s
        + riga + u".IdServer;"_s;
}

} // namespace

// Searches by number alone read the whole table without an index on it. The to-send list would
// look at every send record of every document of its types, so the waiting state is kept on the
// document by triggers, whoever writes the records, and a partial index holds only the waiting.
bool Migrazione2(QSqlDatabase& db, QString& errore)
{
    return EseguiIstruzioni(db,
        {
            u"CREATE INDEX documenti_numero ON documenti (Azienda, Numero)"_s,
            u"ALTER TABLE documenti ADD COLUMN DaInviare INTEGER NOT NULL DEFAULT 1"_s,
            u"UPDATE documenti SET DaInviare = ("_s + AncoraDaInviare + u')',
            u"CREATE INDEX documenti_da_inviare ON documenti (Azienda, DescrizioneTipo, Data) "
            "WHERE DaInviare = 1"_s,
            u"CREATE TRIGGER invii_inserito AFTER INSERT ON invii BEGIN "_s + Ricalcola(u"NEW"_s)
                + u" END"_s,
            u"CREATE TRIGGER invii_cambiato AFTER UPDATE ON invii BEGIN "_s + Ricalcola(u"OLD"_s)
                + Ricalcola(u"NEW"_s) + u" END"_s,
            u"CREATE TRIGGER invii_tolto AFTER DELETE ON invii BEGIN "_s + Ricalcola(u"OLD"_s)
                + u" END"_s,
            u"CREATE TRIGGER registrati_inserito AFTER INSERT ON documenti_registrati BEGIN "_s
                + Ricalcola(u"NEW"_s) + u" END"_s,
            u"CREATE TRIGGER registrati_cambiato AFTER UPDATE ON documenti_registrati BEGIN "_s
                + Ricalcola(u"OLD"_s) + Ricalcola(u"NEW"_s) + u" END"_s,
            u"CREATE TRIGGER registrati_tolto AFTER DELETE ON documenti_registrati BEGIN "_s
                + Ricalcola(u"OLD"_s) + u" END"_s,
        },
        errore);
}
