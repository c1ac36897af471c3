#include "orbeni/local/UtentiArchivio.h"

#include "orbeni/local/ValoriSql.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <QVariant>

using namespace Qt::StringLiterals;

bool FormaLoginDirectory(const QString& testo)
{
    static const QRegularExpression forma(
        u"^[^@\\s]+@[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?\\.[A-Za-z0-9](?:[A-Za-z0-9-]*[A-Za-z0-9])?$"_s);
    return forma.match(testo).hasMatch();
}

std::optional<UtenteArchivio> CercaUtente(QSqlDatabase db, const QString& testo)
{
    const bool login = FormaLoginDirectory(testo);
    QSqlQuery query(db);
    query.prepare(u"SELECT Codice, Nome, LoginDirectory, Sale, HashPassword, Iterazioni "
                  "FROM utenti WHERE "_s
        + (login ? u"lower(LoginDirectory) = lower(?)"_s : u"Codice = ?"_s));
    query.addBindValue(ValoreSql(testo));
    if (testo.isEmpty() || !query.exec() || !query.next())
        return std::nullopt;
    UtenteArchivio utente;
    utente.Codice = query.value(0).toString();
    utente.Nome = query.value(1).toString();
    utente.LoginDirectory = query.value(2).toString();
    utente.Password
        = {query.value(3).toString(), query.value(4).toString(), query.value(5).toInt()};
    return utente;
}
