#include "sending/CodificaAnsi.h"
#include "sending/RecordSpool.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoAllegato;

namespace {

// Where the system converter maps a character, the table gives the same byte; where it
// substitutes 0x1A or drops the character (the ignorable ones), the table writes "?".
TEST(CodificaWindows1252, AgreesWithTheSystemConverterOnEveryBmpCharacter)
{
    ASSERT_TRUE(QStringEncoder("windows-1252").isValid());
    for (char32_t codice = 0; codice <= 0xFFFF; ++codice) {
        if (codice >= 0xD800 && codice <= 0xDFFF)
            continue;
        const char16_t carattere = static_cast<char16_t>(codice);
        QStringEncoder sistema("windows-1252");
        const QByteArray attesoSistema = sistema.encode(QStringView(&carattere, 1));
        const bool sostituito
            = attesoSistema.isEmpty() || (attesoSistema == "\x1a" && codice != 0x1A);
        const QByteArray atteso = sostituito ? QByteArray("?") : attesoSistema;
        ASSERT_EQ(CodificaWindows1252(QStringView(&carattere, 1)), atteso)
            << "U+" << std::hex << static_cast<unsigned>(codice);
    }
}

TEST(CodificaWindows1252, GivesOneQuestionMarkPerCharacterOutsideTheCodePage)
{
    EXPECT_EQ(CodificaWindows1252(u"a😀b"), QByteArray("a?b"));
    EXPECT_EQ(CodificaWindows1252(u"€ Œ ™ ł"), QByteArray("\x80 \x8c \x99 ?"));
    const char16_t soloAlto[] = {0xD83D, u'x'};
    EXPECT_EQ(CodificaWindows1252(QStringView(soloAlto, 2)), QByteArray("?x"));
}

TEST(RecordSpool, CutsAndPadsAfterEncodingAndKeepsUnsetFieldsNul)
{
    RecordAllegato record;
    record.Imposta(CampoAllegato::Serie, u"ŁAB");
    record.Imposta(CampoAllegato::Progressivo, u"7");
    record.ImpostaVuoto(CampoAllegato::Operazione);
    const QByteArray& dati = record.Dati();
    ASSERT_EQ(dati.size(), 114);
    EXPECT_EQ(dati.left(6), QByteArray("7   ?A", 6));
    EXPECT_EQ(dati.mid(6, 107), QByteArray(107, '\0'));
    EXPECT_EQ(dati.back(), '\n');
}

} // namespace
