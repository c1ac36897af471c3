#pragma once

#include "orbeni/TracciatoSpool.h"

#include <QByteArray>
#include <QStringView>

// The bytes of one fixed-width record, NUL everywhere until a field is set, with the closing
// line feed already in place.
class BufferRecord final {
public:
    explicit BufferRecord(std::size_t lunghezza);

    // Encodes the value, cuts it at the field's width and pads it with blanks.
    void Testo(TracciatoSpool::Campo campo, QStringView valore);
    void Nul(TracciatoSpool::Campo campo);
    void Sostituisci(TracciatoSpool::Campo campo, char da, char a);
    [[nodiscard]] const QByteArray& Dati() const { return m_dati; }

private:
    QByteArray m_dati;
};

// A record of one spool file, addressed by the fields of its layout.
template <typename CampoEnum> class RecordSpool final {
public:
    RecordSpool()
        : m_buffer(TracciatoSpool::Tracciato<CampoEnum>::Lunghezza)
    {
    }

    void Imposta(CampoEnum campo, QStringView valore) { m_buffer.Testo(Pos(campo), valore); }
    void ImpostaVuoto(CampoEnum campo) { m_buffer.Testo(Pos(campo), {}); }
    void ImpostaNul(CampoEnum campo) { m_buffer.Nul(Pos(campo)); }
    // Replaces a byte inside the field as written (after encoding and cutting).
    void Sostituisci(CampoEnum campo, char da, char a) { m_buffer.Sostituisci(Pos(campo), da, a); }
    [[nodiscard]] const QByteArray& Dati() const { return m_buffer.Dati(); }

private:
    static constexpr TracciatoSpool::Campo Pos(CampoEnum c) { return TracciatoSpool::Posizione(c); }

    BufferRecord m_buffer;
};

using RecordDestinatario = RecordSpool<TracciatoSpool::CampoDestinatario>;
using RecordAllegato = RecordSpool<TracciatoSpool::CampoAllegato>;
