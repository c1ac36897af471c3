#include "sending/RecordSpool.h"

#include "sending/CodificaAnsi.h"

#include <algorithm>

using TracciatoSpool::Campo;

BufferRecord::BufferRecord(std::size_t lunghezza)
    : m_dati(static_cast<qsizetype>(lunghezza), TracciatoSpool::Nul)
{
    m_dati.back() = TracciatoSpool::FineRecord;
}

void BufferRecord::Testo(Campo campo, QStringView valore)
{
    char* inizio = m_dati.data() + campo.Inizio;
    const auto larghezza = static_cast<qsizetype>(campo.Larghezza);
    const qsizetype scritti = CodificaWindows1252(valore, inizio, larghezza);
    std::fill(inizio + scritti, inizio + larghezza, TracciatoSpool::Blank);
}

void BufferRecord::Nul(Campo campo)
{
    char* inizio = m_dati.data() + campo.Inizio;
    std::fill(inizio, inizio + campo.Larghezza, TracciatoSpool::Nul);
}

void BufferRecord::Sostituisci(Campo campo, char da, char a)
{
    char* inizio = m_dati.data() + campo.Inizio;
    std::replace(inizio, inizio + campo.Larghezza, da, a);
}
