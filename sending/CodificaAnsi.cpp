#include "sending/CodificaAnsi.h"

#include <array>
#include <utility>

namespace {

constexpr char Sostituto = '?';

// The characters Windows-1252 puts in 0x80-0x9F, by code point.
constexpr std::array<std::pair<char16_t, unsigned char>, 27> Speciali {{
    {0x0152, 0x8C},
    {0x0153, 0x9C},
    {0x0160, 0x8A},
    {0x0161, 0x9A},
    {0x0178, 0x9F},
    {0x017D, 0x8E},
    {0x017E, 0x9E},
    {0x0192, 0x83},
    {0x02C6, 0x88},
    {0x02DC, 0x98},
    {0x2013, 0x96},
    {0x2014, 0x97},
    {0x2018, 0x91},
    {0x2019, 0x92},
    {0x201A, 0x82},
    {0x201C, 0x93},
    {0x201D, 0x94},
    {0x201E, 0x84},
    {0x2020, 0x86},
    {0x2021, 0x87},
    {0x2022, 0x95},
    {0x2026, 0x85},
    {0x2030, 0x89},
    {0x2039, 0x8B},
    {0x203A, 0x9B},
    {0x20AC, 0x80},
    {0x2122, 0x99},
}};

// The five bytes the code page leaves undefined pass through, as the system converter does.
constexpr bool NonDefinito(char16_t c)
{
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

char Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF) || NonDefinito(c))
        return static_cast<char>(c);
    for (const auto& [codice, byte] : Speciali)
        if (codice == c)
            return static_cast<char>(byte);
    return Sostituto;
}

} // namespace

qsizetype CodificaWindows1252(QStringView testo, char* destinazione, qsizetype capienza)
{
    qsizetype scritti = 0;
    const char16_t* c = testo.utf16();
    const char16_t* fine = c + testo.size();
    while (c != fine && scritti < capienza) {
        // A surrogate pair is one character outside the code page: one "?".
        if (QChar::isHighSurrogate(*c) && c + 1 != fine && QChar::isLowSurrogate(c[1])) {
            destinazione[scritti++] = Sostituto;
            c += 2;
            continue;
        }
        destinazione[scritti++] = Byte(*c++);
    }
    return scritti;
}

QByteArray CodificaWindows1252(QStringView testo)
{
    QByteArray risultato(testo.size(), Qt::Uninitialized);
    risultato.truncate(CodificaWindows1252(testo, risultato.data(), risultato.size()));
    return risultato;
}

QString DecodificaWindows1252(QByteArrayView byte)
{
    QString testo;
    testo.reserve(byte.size());
    for (const char b : byte) {
        const auto u = static_cast<unsigned char>(b);
        char16_t c = u;
        for (const auto& [codice, speciale] : Speciali)
            if (speciale == u)
                c = codice;
        testo += QChar(c);
    }
    return testo;
}
