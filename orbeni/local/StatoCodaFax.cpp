#include "orbeni/local/StatoCodaFax.h"

#include <QSqlQuery>
#include <QString>
#include <QVariant>

using namespace Qt::StringLiterals;

QByteArray TestoStatoCodaFax(QSqlDatabase db)
{
    QByteArray testo = "HylaFAX scheduler on localhost: Running\n"
                       "Modem ttyS0 (+39.0574.000000): Running and idle\n\n"
                       "JID  Pri S  Owner Number       Pages Dials     TTS Status\n";
    QSqlQuery query(db);
    query.exec(u"SELECT IdLavoro, Utente, NumeroFax, Pagine, Tentativi FROM lavori_fax "
               "WHERE Stato = 'IN CODA' ORDER BY Id"_s);
    while (query.next()) {
        const QString riga = query.value(0).toString().leftJustified(4) + u" 127 P  "_s
            + query.value(1).toString().leftJustified(5).left(5) + u' '
            + query.value(2).toString().leftJustified(12).left(12) + u' '
            + QString(u"0:"_s + query.value(3).toString()).rightJustified(5) + u' '
            + QString(query.value(4).toString() + u":12"_s).rightJustified(5);
        testo += riga.toLatin1() + '\n';
    }
    return testo;
}
