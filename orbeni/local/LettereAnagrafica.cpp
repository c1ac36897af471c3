#include "orbeni/local/LettereAnagrafica.h"

using namespace Qt::StringLiterals;

namespace {

QStringList Indirizzo(const Cliente& c)
{
    return {c.Nominativo, c.Indirizzo, QString(c.Cap + u' ' + c.Citta).trimmed(), c.Nazione};
}

} // namespace

QStringList RigheInformativaPrivacy(
    const QString& ragioneSociale, const Cliente& soggetto, const QDate& data)
{
    QStringList righe {
        ragioneSociale, u"Informativa sul trattamento dei dati personali"_s, QString()};
    righe += Indirizzo(soggetto);
    righe += {QString(), u"Codice: "_s + soggetto.Codice + u" ("_s + soggetto.TipoAnagrafica + u')',
        QString(), u"I dati che La riguardano sono trattati per la gestione dei rapporti"_s,
        u"commerciali e per gli obblighi di legge, con strumenti manuali e"_s,
        u"informatici, e non sono diffusi a terzi."_s, QString(),
        u"Data: "_s + data.toString(u"dd/MM/yyyy"_s)};
    return righe;
}

QStringList RigheLetteraExport(
    const QString& ragioneSociale, const Cliente& cliente, const QDate& data)
{
    QStringList righe {ragioneSociale};
    const bool italiano = cliente.Lingua.compare(u"IT"_s, Qt::CaseInsensitive) == 0;
    righe += italiano ? u"Lettera informativa export"_s : u"Export information letter"_s;
    righe += QString();
    righe += Indirizzo(cliente);
    righe += QString();
    if (italiano)
        righe += {u"Vi informiamo delle condizioni di fornitura per l'estero"_s,
            u"e delle coordinate bancarie per i pagamenti."_s};
    else
        righe += {u"Please find our terms of supply for foreign customers"_s,
            u"and the bank details for payments."_s};
    righe += {QString(), data.toString(u"dd/MM/yyyy"_s)};
    return righe;
}
