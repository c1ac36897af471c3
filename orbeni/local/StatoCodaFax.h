#pragma once

#include <QByteArray>
#include <QSqlDatabase>

// The fax queue as the fax server's status command shows it: the server lines, then one line
// per job still waiting.
[[nodiscard]] QByteArray TestoStatoCodaFax(QSqlDatabase db);
