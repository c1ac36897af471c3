#include "server/ArrayRichiesta.h"

using namespace Qt::StringLiterals;

namespace {

// Indices 13 to 27 carry the search criteria, so the customer codes jump over them.
constexpr int PrimoBloccoInizio = 4;
constexpr int PrimoBloccoFine = 12;
constexpr int SecondoBloccoInizio = 28;

} // namespace

ArrayRichiesta::ArrayRichiesta(const QString& azienda, int dimensione)
{
    m_valori.resize(qMax(dimensione, 1));
    m_valori[0] = azienda;
}

ArrayRichiesta& ArrayRichiesta::Imposta(int indice, const QString& valore)
{
    if (indice >= 0 && indice < m_valori.size())
        m_valori[indice] = valore;
    return *this;
}

ArrayRichiesta& ArrayRichiesta::ImpostaData(int indice, const QDate& data)
{
    return Imposta(indice, TestoData(data));
}

ArrayRichiesta& ArrayRichiesta::ImpostaNumero(int indice, int numero)
{
    return Imposta(indice, TestoNumero(numero));
}

ArrayRichiesta& ArrayRichiesta::ImpostaClienti(const QList<ClientePtr>& clienti)
{
    int posizione = 0;
    for (const ClientePtr& cliente : clienti) {
        if (!cliente)
            continue;
        const int indice = IndiceCliente(posizione++);
        if (indice < 0)
            break;
        Imposta(indice, cliente->Codice);
    }
    return *this;
}

ArrayRichiesta& ArrayRichiesta::ImpostaElenco(int indice, const QStringList& elementi)
{
    return Imposta(indice, ElencoConFine(elementi));
}

QString TestoData(const QDate& data)
{
    return data.isValid() ? data.toString(u"yyyyMMdd"_s) : QString();
}

QString TestoNumero(int numero)
{
    return numero == -1 ? QString() : QString::number(numero);
}

QString ElencoConFine(const QStringList& elementi)
{
    QString testo;
    for (const QString& elemento : elementi)
        testo += elemento + u':';
    return testo + u"@END@"_s;
}

int IndiceCliente(int posizione)
{
    constexpr int primoBlocco = PrimoBloccoFine - PrimoBloccoInizio + 1;
    if (posizione < 0 || posizione >= MassimoClientiRichiesta)
        return -1;
    if (posizione < primoBlocco)
        return PrimoBloccoInizio + posizione;
    return SecondoBloccoInizio + posizione - primoBlocco;
}
