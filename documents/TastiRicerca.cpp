#include "documents/TastiRicerca.h"

#include "sending/EstremiInvio.h"

namespace {

bool TastoDiRicerca(int codice)
{
    return (codice >= 48 && codice <= 59) || (codice >= 65 && codice <= 90)
        || (codice >= 97 && codice <= 122);
}

} // namespace

EsitoCercaInCombo CercaInCombo(const QStringList& voci, int codiceTasto, PrefissoCombo& prefisso)
{
    EsitoCercaInCombo esito;
    if (!TastoDiRicerca(codiceTasto)) {
        prefisso.Testo.clear();
        return esito;
    }
    esito.Consumato = true;
    prefisso.Testo = (prefisso.Testo + QChar(codiceTasto)).toLower();
    for (int indice = 0; indice < voci.size(); ++indice) {
        if (voci[indice].toLower().startsWith(prefisso.Testo)) {
            esito.Indice = indice;
            break;
        }
    }
    return esito;
}

bool FiltraTasto(int codiceTasto)
{
    return TastoAmmessoEstremiInvio(codiceTasto);
}
