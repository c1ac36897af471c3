#include "server/RichiesteLavori.h"

#include "server/ArrayRichiesta.h"
#include "server/IndiciRichiesta.h"

using namespace Qt::StringLiterals;

namespace {

const QString CreazioneFile = u"CREAZIONEFILE"_s;

} // namespace

QString NomeComando(ComandoExpman comando)
{
    switch (comando) {
    case ComandoExpman::CreazioneFile: return CreazioneFile;
    case ComandoExpman::AnnullaEstratti: return u"ANNULLAESTRATTI"_s;
    case ComandoExpman::AnnullaClienti: return u"ANNULLACLIENTI"_s;
    case ComandoExpman::RendiInviato: return u"RENDIINVIATO"_s;
    }
    return {};
}

QString NomeComando(ComandoCredem comando)
{
    switch (comando) {
    case ComandoCredem::CreazioneFile: return CreazioneFile;
    case ComandoCredem::AnnullaInvio: return u"ANNULLAINVIO"_s;
    }
    return {};
}

QStringList RichiestaFileEsenzioni(
    const QString& azienda, const QString& codicePeriodo, const QString& codiceFiscale)
{
    return ArrayRichiesta(azienda, DimensioneRichiesta::LavoroEsenzioni)
        .Imposta(IndiceRichiesta::Comando, CreazioneFile)
        .Imposta(2, codicePeriodo)
        .Imposta(3, codiceFiscale)
        .Valori();
}

QStringList RichiestaFileElenchi(const QString& azienda, const QString& anno,
    const QString& codiceFiscale, const QString& numeroCaf)
{
    const QString cifreAnno = anno.right(2);
    return ArrayRichiesta(azienda, DimensioneRichiesta::LavoroElenchi)
        .Imposta(IndiceRichiesta::Comando, CreazioneFile)
        .Imposta(2, cifreAnno + u"0101"_s)
        .Imposta(3, cifreAnno + u"1231"_s)
        .Imposta(4, codiceFiscale)
        .Imposta(5, numeroCaf)
        .Valori();
}

QStringList RichiestaExpman(
    const QString& azienda, ComandoExpman comando, const QString& percorsoLavoro)
{
    return ArrayRichiesta(azienda, DimensioneRichiesta::LavoroExpman)
        .Imposta(IndiceRichiesta::Comando, NomeComando(comando))
        .Imposta(2, percorsoLavoro)
        .Valori();
}

QStringList RichiestaCredem(const QString& azienda, ComandoCredem comando,
    const QString& percorsoLavoro, const QString& percorsoUscita)
{
    return ArrayRichiesta(azienda, DimensioneRichiesta::LavoroCredem)
        .Imposta(IndiceRichiesta::Comando, NomeComando(comando))
        .Imposta(2, percorsoLavoro)
        .Imposta(3, percorsoUscita)
        .Valori();
}
