#include "orbeni/local/Password.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Password, VerificaSoloLaPasswordGiusta)
{
    const PasswordCifrata cifrata = CifraPassword(u"segreta è"_s, 50);
    EXPECT_TRUE(VerificaPassword(u"segreta è"_s, cifrata));
    EXPECT_FALSE(VerificaPassword(u"segreta e"_s, cifrata));
    EXPECT_FALSE(VerificaPassword(u"Segreta è"_s, cifrata));
    EXPECT_FALSE(VerificaPassword(QString(), cifrata));
    EXPECT_EQ(cifrata.Hash.size(), 64);
    EXPECT_NE(cifrata.Hash, u"segreta è"_s);
}

TEST(Password, SaliDiversiDannoHashDiversi)
{
    const PasswordCifrata prima = CifraPassword(u"demo"_s, 50);
    const PasswordCifrata seconda = CifraPassword(u"demo"_s, 50);
    EXPECT_NE(prima.Sale, seconda.Sale);
    EXPECT_NE(prima.Hash, seconda.Hash);
    EXPECT_EQ(prima.Sale.size(), 32);
}

TEST(Password, LeIterazioniContano)
{
    const PasswordCifrata cifrata = CifraPassword(u"demo"_s, 50);
    EXPECT_NE(HashPassword(u"demo"_s, cifrata.Sale, 49), cifrata.Hash);
    EXPECT_FALSE(VerificaPassword(u"demo"_s, {cifrata.Sale, cifrata.Hash, 0}));
}

} // namespace
