#include "server/TokenLavoro.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

TEST(TokenLavoro, DalNumeroCasuale)
{
    EXPECT_EQ(TokenLavoro(0.0000005), u"00"_s);
    EXPECT_EQ(TokenLavoro(0.0), u"00"_s);
    EXPECT_EQ(TokenLavoro(0.5), u"0499999"_s);
    EXPECT_EQ(TokenLavoro(0.9999999999), u"0999998"_s);
}

TEST(TokenLavoro, NumeriFuoriIntervalloMantengonoLaForma)
{
    EXPECT_EQ(TokenLavoro(-0.3), u"00"_s);
    EXPECT_EQ(TokenLavoro(1.0), u"0999998"_s);
    EXPECT_EQ(TokenLavoro(std::numeric_limits<double>::quiet_NaN()), u"00"_s);
}

TEST(TokenLavoro, EstrattiHannoLaFormaGiusta)
{
    const QRegularExpression forma(u"^0[0-9]{1,6}$"_s);
    QSet<QString> diversi;
    for (int i = 0; i < 200; ++i) {
        const QString token = TokenLavoro();
        EXPECT_TRUE(forma.match(token).hasMatch()) << token.toStdString();
        diversi.insert(token);
    }
    // Drawn from one generator, not reseeded per call.
    EXPECT_GT(diversi.size(), 150);
}
