#include "sending/ImpaginaTesto.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoImpaginazione {
    const char* Nome;
    QString Testo;
    QString Atteso;
};

void PrintTo(const CasoImpaginazione& caso, std::ostream* os)
{
    *os << caso.Nome;
}

class Impaginazione : public ::testing::TestWithParam<CasoImpaginazione> { };

TEST_P(Impaginazione, WrapsAtFiftySevenCharacters)
{
    EXPECT_EQ(ImpaginaTesto(GetParam().Testo), GetParam().Atteso);
}

const QString Sessanta = QString(19, u'a') + u' ' + QString(37, u'b') + u" cc"_s;
const QString Settanta = u"0123456789"_s.repeated(7);

INSTANTIATE_TEST_SUITE_P(Casi, Impaginazione,
    ::testing::Values(CasoImpaginazione {"empty", u""_s, u""_s},
        CasoImpaginazione {"short", u"Buongiorno"_s, u"Buongiorno\r"_s},
        CasoImpaginazione {"exactly57", QString(57, u'x'), QString(57, u'x') + u'\r'},
        CasoImpaginazione {"lastBlankWithin57", Sessanta,
            QString(19, u'a') + u" \r"_s + QString(37, u'b') + u" cc\r"_s},
        CasoImpaginazione {
            "blankAt57", QString(56, u'x') + u" yy"_s, QString(56, u'x') + u" \ryy\r"_s},
        CasoImpaginazione {
            "noBlank", Settanta, Settanta.left(57) + u'\r' + Settanta.mid(57) + u'\r'},
        CasoImpaginazione {"crLfLines", u"uno\r\ndue\r\n"_s, u"uno\rdue\r\r"_s},
        CasoImpaginazione {"twoCarriageReturns", u"uno\r\rdue"_s, u"uno\r\rdue\r"_s},
        CasoImpaginazione {"finalLoneCarriageReturn", u"uno\r"_s, u"uno\r\r"_s},
        CasoImpaginazione {"onlyCarriageReturn", u"\r"_s, u"\r\r"_s},
        // A control character at the start of every cut is dropped, not only after a CR.
        CasoImpaginazione {
            "tabAfterCut", QString(57, u'x') + u"\tz"_s, QString(57, u'x') + u"\rz\r"_s}));

TEST(TagliaRiga, CutsOneLineAndKeepsTheRest)
{
    QString pezzo = u"\nprima parte "_s + QString(50, u'x');
    EXPECT_EQ(TagliaRiga(pezzo), u"prima parte \r");
    EXPECT_EQ(pezzo, QString(50, u'x'));
    QString vuoto;
    EXPECT_EQ(TagliaRiga(vuoto), u"\r");
    EXPECT_TRUE(vuoto.isEmpty());
}

TEST(RigheTestoCopertina, EndWithAnEmptyLineAndAreNoneForAnEmptyText)
{
    EXPECT_EQ(RigheTestoCopertina(u"uno\r\ndue"_s), (QStringList {u"uno"_s, u"due"_s, u""_s}));
    EXPECT_TRUE(RigheTestoCopertina({}).isEmpty());
}

} // namespace
