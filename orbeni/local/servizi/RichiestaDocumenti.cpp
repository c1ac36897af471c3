#include "orbeni/local/servizi/RichiestaDocumenti.h"

using namespace Qt::StringLiterals;

namespace {

const QString Fatture = u"FATTURE EMESSE"_s;
const QString NoteCredito = u"NOTE DI CREDITO EMESSE"_s;
const QString Conferme = u"CONFERME"_s;
const QString Bolle = u"BOLLE DI VENDITA"_s;
const QString PackingList = u"PACKING LIST"_s;

// The optDaVisionare options of the documents-to-view panel.
const QList<QStringList>& CategorieDaVisionare()
{
    static const QList<QStringList> categorie {
        {}, {Fatture, NoteCredito}, {Conferme}, {Bolle, PackingList}};
    return categorie;
}

// The optDaInviare options of the to-send panel.
const QList<QStringList>& CategorieDaInviare()
{
    static const QList<QStringList> categorie {
        {Fatture, Conferme}, {Fatture}, {Conferme}, {Bolle}, {NoteCredito}, {Bolle, Fatture}};
    return categorie;
}

// The searches of other views share the command; they have their own answers.
bool RicercaDiAltraVista(const QStringList& r, const QString& etichetta)
{
    return !r.at(13).isEmpty() || !r.at(88).isEmpty() || etichetta.startsWith(u"INFORMATIVE")
        || etichetta.startsWith(u"EXPORT MANAGER");
}

std::optional<QDate> LeggiData(const QString& testo)
{
    if (testo.isEmpty())
        return QDate();
    const QDate data = QDate::fromString(testo, u"yyyyMMdd"_s);
    if (!data.isValid())
        return std::nullopt;
    return data;
}

// The chosen option's types; nothing for a category that is not one of the options.
std::optional<QStringList> TipiDellaCategoria(const QList<QStringList>& categorie,
    const QString& categoria, const QStringList& senzaCategoria)
{
    if (categoria.isEmpty())
        return senzaCategoria;
    bool valida = false;
    const int indice = categoria.toInt(&valida);
    if (!valida || indice < 0 || indice >= categorie.size())
        return std::nullopt;
    return categorie.at(indice);
}

} // namespace

std::optional<RichiestaDocumenti> LeggiRichiestaDocumenti(const QStringList& r, QString& errore)
{
    RichiestaDocumenti letta;
    letta.Azienda = r.at(0);
    letta.Etichetta = r.at(27);
    if (RicercaDiAltraVista(r, letta.Etichetta)) {
        errore = u"Ricerca documenti non gestita: "_s + letta.Etichetta;
        return std::nullopt;
    }
    if (letta.Etichetta.isEmpty()) {
        errore = u"Ricerca documenti senza tipo di documento"_s;
        return std::nullopt;
    }
    for (int indice = 4; indice <= 57; ++indice) {
        if (indice == 13)
            indice = 28;
        if (!r.at(indice).isEmpty())
            letta.Clienti.append(r.at(indice));
    }
    letta.Serie = r.at(22);
    bool valido = true;
    if (!r.at(23).isEmpty())
        letta.Numero = r.at(23).toLongLong(&valido);
    if (valido && !r.at(24).isEmpty())
        letta.Anno = r.at(24).toInt(&valido);
    if (!valido) {
        errore = u"Numero o anno non valido: "_s + r.at(23) + u' ' + r.at(24);
        return std::nullopt;
    }
    const auto da = LeggiData(r.at(25));
    const auto a = LeggiData(r.at(26));
    if (!da || !a) {
        errore = u"Periodo non valido: "_s + r.at(25) + u' ' + r.at(26);
        return std::nullopt;
    }
    letta.DataDa = *da;
    letta.DataA = *a;
    const QString& codici = r.at(90);
    if (!codici.endsWith(u"@END@")) {
        errore = u"Elenco dei codici di ricerca senza @END@"_s;
        return std::nullopt;
    }
    letta.Codici = codici.chopped(5).split(u':', Qt::SkipEmptyParts);
    letta.Utente = r.at(96);

    std::optional<QStringList> tipi = QStringList {letta.Etichetta};
    if (letta.Etichetta == u"TUTTI I DOCUMENTI")
        tipi = QStringList();
    else if (letta.Etichetta == u"DA VISIONARE")
        tipi = TipiDellaCategoria(CategorieDaVisionare(), r.at(94), {});
    else if (letta.Etichetta == u"DA INVIARE")
        tipi = TipiDellaCategoria(
            CategorieDaInviare(), r.at(94), {Fatture, NoteCredito, Conferme, Bolle});
    else if (letta.Etichetta.startsWith(u"CREDEMTEL"))
        tipi = QStringList {Fatture, NoteCredito};
    if (!tipi) {
        errore = u"Categoria non valida: "_s + r.at(94);
        return std::nullopt;
    }
    letta.Tipi = *tipi;
    letta.SoloDaInviare = letta.Etichetta == u"DA INVIARE";
    return letta;
}
