#include "orbeni/QuotaShell.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool CarattereSicuro(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9')
        || u == u'.' || u == u'_' || u == u'/' || u == u'-';
}

} // namespace

QString QuotaPerShell(const QString& argomento)
{
    if (!argomento.isEmpty() && std::all_of(argomento.begin(), argomento.end(), CarattereSicuro))
        return argomento;
    QString quotato = argomento;
    quotato.replace(u"'"_s, u"'\\''"_s);
    return u"'"_s + quotato + u"'"_s;
}
