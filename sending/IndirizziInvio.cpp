#include "sending/IndirizziInvio.h"

#include <algorithm>

namespace {

constexpr QChar Chiocciola = u'@';

bool IniziaConPrefissoFax(const QString& testo)
{
    return testo.startsWith(PrefissoFaxGateway, Qt::CaseSensitive);
}

constexpr qsizetype LunghezzaPrefisso = PrefissoFaxGateway.size();

} // namespace

bool IndirizzoEmailValido(const QString& testo)
{
    if (testo.isEmpty())
        return true;

    const qsizetype chiocciola = testo.indexOf(Chiocciola);
    if (chiocciola < 0)
        return false;
    if (testo.indexOf(Chiocciola, chiocciola + 1) >= 0)
        return false;
    if (testo.indexOf(u'.', chiocciola + 1) < 0)
        return false;

    const qsizetype blank = testo.indexOf(u' ');
    if (blank < 0)
        return true;
    const qsizetype fine = std::min(testo.size(), FinestraIndirizzo);
    for (qsizetype i = blank + 1; i < fine; ++i)
        if (testo[i] != u' ')
            return false;
    return true;
}

bool NumeroFaxValido(const QString& testo)
{
    const QStringView finestra = QStringView(testo).left(FinestraIndirizzo);
    return std::all_of(finestra.begin(), finestra.end(),
        [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'/' || c == u','; });
}

QString EstraiNumeroFax(const QString& indirizzo)
{
    if (!IniziaConPrefissoFax(indirizzo))
        return {};
    const qsizetype chiocciola = indirizzo.indexOf(Chiocciola);
    const qsizetype lunghezza = chiocciola < 0 ? -1 : chiocciola - LunghezzaPrefisso;
    return indirizzo.mid(LunghezzaPrefisso, lunghezza);
}

QString NormalizzaIndirizzoFax(const QString& indirizzo)
{
    if (!IniziaConPrefissoFax(indirizzo) || !indirizzo.contains(Chiocciola))
        return indirizzo;

    const qsizetype prima = indirizzo.indexOf(Chiocciola);
    const qsizetype seconda = indirizzo.indexOf(Chiocciola, prima + 1);
    const QStringView locale = QStringView(indirizzo).left(prima);
    const QStringView dominio = seconda < 0
        ? QStringView(indirizzo).mid(prima + 1)
        : QStringView(indirizzo).mid(prima + 1, seconda - prima - 1);
    if (locale.isEmpty())
        return indirizzo;

    QString cifre;
    for (QChar c : locale.mid(LunghezzaPrefisso))
        if (c >= u'0' && c <= u'9')
            cifre += c;
    return PrefissoFaxGateway + cifre + Chiocciola + dominio;
}

QString IndirizzoFaxGateway(const QString& numero, const QString& dominio)
{
    return PrefissoFaxGateway + numero + Chiocciola + dominio;
}
