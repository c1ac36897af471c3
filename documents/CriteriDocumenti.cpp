#include "documents/CriteriDocumenti.h"

#include "forms/Dialoghi.h"
#include "orbeni/Risultati.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace {

QString TestoCategoria(int posizione)
{
    return posizione >= 0 ? QString::number(posizione) : QString();
}

// -1 for an empty field, nothing for a text that is not a number within the limits.
std::optional<int> NumeroCampo(const QString& campo, int massimo)
{
    const QString testo = campo.trimmed();
    if (testo.isEmpty())
        return -1;
    bool valido = false;
    const qlonglong valore = testo.toLongLong(&valido);
    if (!valido || valore < 0 || valore > massimo)
        return std::nullopt;
    return static_cast<int>(valore);
}

} // namespace

QDate DataDelPeriodo(const DataCombo& combo)
{
    if (combo.Giorno.isEmpty() || combo.Mese < 0 || combo.Anno.isEmpty())
        return {};
    bool giornoValido = false;
    bool annoValido = false;
    const int giorno = combo.Giorno.toInt(&giornoValido);
    const int anno = combo.Anno.toInt(&annoValido);
    if (!giornoValido || !annoValido || combo.Mese > 11)
        return {};
    return QDate(anno, combo.Mese + 1, 1).addDays(giorno - 1);
}

std::optional<CriteriRicercaDocumenti> CriteriDocumenti(
    const CampiRicercaDocumenti& campi, Dialoghi& dialoghi)
{
    // Document numbers are long on the server; years fit the 16-bit field of the form.
    const auto numero = NumeroCampo(campi.Numero, std::numeric_limits<qint32>::max());
    if (!numero) {
        dialoghi.Avviso(
            u"Il numero del documento non è valido"_s, IconaMessaggio::Avviso, u"Errore"_s);
        return std::nullopt;
    }
    const auto anno = NumeroCampo(campi.Anno, std::numeric_limits<qint16>::max());
    if (!anno) {
        dialoghi.Avviso(
            u"L'anno del documento non è valido"_s, IconaMessaggio::Avviso, u"Errore"_s);
        return std::nullopt;
    }
    CriteriRicercaDocumenti criteri;
    criteri.categoria = TestoCategoria(campi.Categoria);
    criteri.serie = campi.VoceSerie.isEmpty() ? campi.TestoSerie : campi.VoceSerie.left(2);
    criteri.numero = *numero;
    criteri.anno = *anno;
    criteri.dataDa = DataDelPeriodo(campi.Da);
    criteri.dataA = DataDelPeriodo(campi.A);
    criteri.etichetta = campi.Etichetta;
    return criteri;
}

CriteriRicercaDocumenti CriteriDaInviare(int categoria, const DataCombo& da, const DataCombo& a,
    const QString& etichetta, const ArchivioSerie& opzioni)
{
    CriteriRicercaDocumenti criteri;
    criteri.categoria
        = !opzioni.InvioFatture && opzioni.InvioConferme ? u"2"_s : TestoCategoria(categoria);
    criteri.dataDa = DataDelPeriodo(da);
    criteri.dataA = DataDelPeriodo(a);
    criteri.etichetta = etichetta;
    return criteri;
}
