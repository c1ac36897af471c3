#include "orbeni/local/Windows1252.h"

#include <array>

namespace {

// The characters of 0x80-0x9F; a zero marks the undefined bytes.
constexpr std::array<char16_t, 32> Speciali {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D,
    0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

} // namespace

QString TestoDaWindows1252(QByteArrayView testo)
{
    QString risultato(testo.size(), Qt::Uninitialized);
    QChar* destinazione = risultato.data();
    for (const char c : testo) {
        const auto byte = static_cast<unsigned char>(c);
        const char16_t speciale = byte >= 0x80 && byte < 0xA0 ? Speciali[byte - 0x80] : 0;
        *destinazione++ = QChar(speciale ? speciale : char16_t(byte));
    }
    return risultato;
}
