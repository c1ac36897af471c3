#include "contacts/FiltroLdap.h"

using namespace Qt::StringLiterals;

QString ValoreFiltroLdap(const QString& valore)
{
    QString sicuro;
    sicuro.reserve(valore.size());
    for (const QChar c : valore) {
        switch (c.unicode()) {
        case u'*': sicuro += u"\\2a"_s; break;
        case u'(': sicuro += u"\\28"_s; break;
        case u')': sicuro += u"\\29"_s; break;
        case u'\\': sicuro += u"\\5c"_s; break;
        case u'\0': sicuro += u"\\00"_s; break;
        default: sicuro += c;
        }
    }
    return sicuro;
}

QString ValoreDnLdap(const QString& valore)
{
    QString sicuro;
    sicuro.reserve(valore.size());
    for (qsizetype i = 0; i < valore.size(); ++i) {
        const QChar c = valore.at(i);
        const bool speciale = c == u',' || c == u'+' || c == u'"' || c == u'\\' || c == u'<'
            || c == u'>' || c == u';' || c == u'=';
        const bool bordo
            = (c == u' ' && (i == 0 || i == valore.size() - 1)) || (c == u'#' && i == 0);
        if (c == u'\0')
            sicuro += u"\\00"_s;
        else {
            if (speciale || bordo)
                sicuro += u'\\';
            sicuro += c;
        }
    }
    return sicuro;
}
