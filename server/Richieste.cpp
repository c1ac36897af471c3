#include "server/Richieste.h"

#include "server/ArrayRichiesta.h"
#include "server/IndiciRichiesta.h"

using namespace Qt::StringLiterals;
namespace I = IndiceRichiesta;

namespace {

// A documents-service array with the command, and "AZ" / "it" where the request carries them.
ArrayRichiesta Documenti(const QString& azienda, const QString& comando, bool conAmbito = true)
{
    ArrayRichiesta array(azienda, DimensioneRichiesta::Documenti);
    array.Imposta(I::Comando, comando);
    if (conAmbito)
        array.Imposta(I::Ambito, u"AZ"_s).Imposta(I::Lingua, u"it"_s);
    return array;
}

ArrayRichiesta& ImpostaPeriodo(ArrayRichiesta& array, const PeriodoElenco& elenco)
{
    return array.ImpostaData(I::DataDa, elenco.dataDa)
        .ImpostaData(I::DataA, elenco.dataA)
        .Imposta(I::Etichetta, elenco.etichetta);
}

} // namespace

QStringList RichiestaArchivioSerie(const QString& azienda, const QString& utente)
{
    return Documenti(azienda, u"ARCHIVIOSERIE"_s)
        .ImpostaElenco(I::ElencoCodici, {})
        .Imposta(I::Utente, utente)
        .Imposta(I::UtenteRichiesta, utente)
        .Valori();
}

QStringList RichiestaCercaDocumenti(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const CriteriRicercaDocumenti& criteri)
{
    return Documenti(azienda, u"DOCUMENTI"_s)
        .ImpostaElenco(I::ElencoCodici, criteri.codici)
        .Imposta(I::Categoria, criteri.categoria)
        .Imposta(I::Serie, criteri.serie)
        .ImpostaNumero(I::Numero, criteri.numero)
        .ImpostaNumero(I::Anno, criteri.anno)
        .ImpostaData(I::DataDa, criteri.dataDa)
        .ImpostaData(I::DataA, criteri.dataA)
        .Imposta(I::Etichetta, criteri.etichetta)
        .Imposta(I::UtenteRichiesta, utente)
        .ImpostaClienti(clienti)
        .Valori();
}

QStringList RichiestaCercaNominativi(const QString& azienda, const QString& testo, bool iniziale)
{
    return ArrayRichiesta(azienda, DimensioneRichiesta::Nominativi)
        .Imposta(I::Comando, u"DOCUMENTI"_s)
        .Imposta(I::Ambito, u"AZ"_s)
        .Imposta(I::TestoNominativo, testo)
        .Imposta(I::NominativoIniziale, iniziale ? u"S"_s : u"N"_s)
        .Imposta(45, u"S"_s)
        .Imposta(78, u"N"_s)
        .Valori();
}

QStringList RichiestaInformative(
    const QString& azienda, const QString& utente, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s);
    return ImpostaPeriodo(array, elenco)
        .Imposta(I::Utente, utente)
        .Imposta(I::UtenteRichiesta, utente)
        .Valori();
}

QStringList RichiestaDocumentiEstrazione(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const QString& codicePaese, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s);
    return ImpostaPeriodo(array, elenco)
        .Imposta(I::CodicePaese, codicePaese)
        .Imposta(I::UtenteRichiesta, utente)
        .ImpostaClienti(clienti)
        .Valori();
}

QStringList RichiestaDocumentiEstratti(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s);
    return ImpostaPeriodo(array, elenco)
        .Imposta(I::SelettoreElenco, u"E"_s)
        .Imposta(I::UtenteRichiesta, utente)
        .ImpostaClienti(clienti)
        .Valori();
}

QStringList RichiestaClientiInviati(const QString& azienda, const QString& utente,
    const QList<ClientePtr>& clienti, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s);
    return ImpostaPeriodo(array, elenco)
        .Imposta(I::SelettoreElenco, u"A"_s)
        .Imposta(I::UtenteRichiesta, utente)
        .ImpostaClienti(clienti)
        .Valori();
}

QStringList RichiestaClientiExport(const QString& azienda, const QString& utente,
    const QString& tokenPaesi, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s);
    return ImpostaPeriodo(array, elenco)
        .Imposta(I::TokenPaesi, tokenPaesi)
        .Imposta(I::SelettoreElenco, u"A"_s)
        .Imposta(I::Utente, utente)
        .Imposta(I::UtenteRichiesta, utente)
        .Valori();
}

QStringList RichiestaPaesi(const QString& azienda, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s, false);
    return ImpostaPeriodo(array, elenco).Imposta(I::SelettoreElenco, u"P"_s).Valori();
}

QStringList RichiestaBanche(const QString& azienda, const PeriodoElenco& elenco)
{
    ArrayRichiesta array = Documenti(azienda, u"DOCUMENTI"_s, false);
    return ImpostaPeriodo(array, elenco).Imposta(I::SelettoreElenco, u"B"_s).Valori();
}

QStringList RichiestaRubricheFax(const QString& azienda, const QString& utente)
{
    return Documenti(azienda, u"FAXRUBRICHE"_s, false).Imposta(I::UtenteRichiesta, utente).Valori();
}

QStringList RichiestaRubricaFax(
    const QString& azienda, const QString& utente, const ChiaviRubricaFax& chiavi)
{
    return Documenti(azienda, u"FAXRUBRICA"_s, false)
        .Imposta(2, chiavi.primaChiave)
        .Imposta(3, chiavi.secondaChiave)
        .Imposta(4, chiavi.inizialiNominativo)
        .Imposta(5, chiavi.inizialiAzienda)
        .Imposta(I::UtenteRichiesta, utente)
        .Valori();
}
