#include "forms/Elenco.h"

#include <algorithm>

CellaElenco* RigaElenco::Cella(const QString& chiave)
{
    for (auto& cella : Celle)
        if (!cella.Chiave.isEmpty() && cella.Chiave == chiave)
            return &cella;
    return nullptr;
}

const CellaElenco* RigaElenco::Cella(const QString& chiave) const
{
    return const_cast<RigaElenco*>(this)->Cella(chiave);
}

CellaElenco& RigaElenco::CellaA(int colonna)
{
    if (Celle.size() <= colonna)
        Celle.resize(colonna + 1);
    return Celle[colonna];
}

QString RigaElenco::TestoColonna(int colonna) const
{
    if (colonna == 0)
        return Testo;
    return colonna < Celle.size() ? Celle[colonna].Testo : QString();
}

Elenco::Elenco(const Elenco& altro)
    : Colonne(altro.Colonne)
    , m_righe(altro.m_righe)
    , m_indice(altro.m_indice)
    , m_ordinato(altro.m_ordinato)
    , m_colonnaOrdinamento(altro.m_colonnaOrdinamento)
    , m_discendente(altro.m_discendente)
{
}

Elenco& Elenco::operator=(const Elenco& altro)
{
    Colonne = altro.Colonne;
    m_righe = altro.m_righe;
    m_indice = altro.m_indice;
    m_ordinato = altro.m_ordinato;
    m_colonnaOrdinamento = altro.m_colonnaOrdinamento;
    m_discendente = altro.m_discendente;
    return *this;
}

Elenco::~Elenco()
{
    if (m_distrutto)
        m_distrutto();
}

void Elenco::AggiungiColonna(const QString& chiave, const QString& intestazione, int larghezzaTwips,
    Qt::Alignment allineamento)
{
    Colonne.append({chiave, intestazione, larghezzaTwips, allineamento, {}});
}

int Elenco::IndiceColonna(const QString& chiave) const
{
    for (int i = 0; i < Colonne.size(); ++i)
        if (Colonne[i].Chiave == chiave)
            return i;
    return -1;
}

bool Elenco::Aggiungi(RigaElenco riga)
{
    if (!riga.Chiave.isEmpty()) {
        if (m_indice.contains(riga.Chiave))
            return false;
        m_indice.insert(riga.Chiave, static_cast<int>(m_righe.size()));
    }
    m_righe.append(std::move(riga));
    return true;
}

void Elenco::Riserva(int righe)
{
    if (righe <= 0)
        return;
    m_righe.reserve(m_righe.size() + righe);
    m_indice.reserve(m_indice.size() + righe);
}

void Elenco::Rimuovi(int indice)
{
    if (indice < 0 || indice >= m_righe.size())
        return;
    m_righe.removeAt(indice);
    RicostruisciIndice();
}

void Elenco::Svuota()
{
    m_righe.clear();
    m_indice.clear();
}

std::optional<int> Elenco::IndiceRiga(const QString& chiave) const
{
    const auto trovata = m_indice.constFind(chiave);
    if (trovata == m_indice.constEnd())
        return std::nullopt;
    return *trovata;
}

void Elenco::Ordina(int colonna, bool discendente)
{
    m_ordinato = true;
    m_colonnaOrdinamento = colonna;
    m_discendente = discendente;
    // A report list compares the texts without regard to case; equal texts keep their order.
    std::stable_sort(m_righe.begin(), m_righe.end(),
        [colonna, discendente](const RigaElenco& a, const RigaElenco& b) {
            const int confronto = QString::compare(
                a.TestoColonna(colonna), b.TestoColonna(colonna), Qt::CaseInsensitive);
            return discendente ? confronto > 0 : confronto < 0;
        });
    RicostruisciIndice();
}

void Elenco::OrdinaOInverti(int colonna)
{
    const bool inverti = m_ordinato && m_colonnaOrdinamento == colonna;
    Ordina(colonna, inverti ? !m_discendente : false);
}

void Elenco::Cambiato() const
{
    if (m_osservatore)
        m_osservatore();
}

void Elenco::RicostruisciIndice()
{
    m_indice.clear();
    for (int i = 0; i < m_righe.size(); ++i)
        if (!m_righe[i].Chiave.isEmpty())
            m_indice.insert(m_righe[i].Chiave, i);
}
