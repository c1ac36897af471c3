#include "orbeni/local/RadiceServer.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoPercorso {
    const char16_t* Server;
    const char16_t* Locale; // relative to the root; nullptr when refused
};

class PercorsiServer : public ::testing::TestWithParam<CasoPercorso> { };

TEST_P(PercorsiServer, MappaSottoLaRadiceOppureRifiuta)
{
    TempRoot temp;
    const RadiceServer radice(temp.File(u"server"_s));
    QString errore;
    const auto locale = radice.Locale(QString::fromUtf16(GetParam().Server), errore);
    if (GetParam().Locale) {
        ASSERT_TRUE(locale) << errore.toStdString();
        EXPECT_EQ(*locale, radice.Cartella() + u'/' + QString::fromUtf16(GetParam().Locale));
    } else {
        EXPECT_FALSE(locale);
        EXPECT_FALSE(errore.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Aree, PercorsiServer,
    ::testing::Values(CasoPercorso {u"/tmp/export01", u"tmp/export01"},
        CasoPercorso {u"/usr/tmp/ERR_HYLA_PC1", u"usr/tmp/ERR_HYLA_PC1"},
        CasoPercorso {u"/usr/orbeni/hylafax/demo/12", u"usr/orbeni/hylafax/demo/12"},
        CasoPercorso {u"//tmp/./a//b", u"tmp/a/b"}, CasoPercorso {u"/tmp", u"tmp"},
        CasoPercorso {u"/tmp/../etc/passwd", nullptr},
        CasoPercorso {u"/tmp/a/../../invexo.sqlite", nullptr},
        CasoPercorso {u"/usr/orbeni/..", nullptr}, CasoPercorso {u"/etc/passwd", nullptr},
        CasoPercorso {u"/usr/orbenix/file", nullptr}, CasoPercorso {u"/invexo.sqlite", nullptr},
        CasoPercorso {u"tmp/relativo", nullptr}, CasoPercorso {u"", nullptr}));

TEST(RadiceServer, RifiutaICollegamentiCheEsconoEAccettaQuelliInterni)
{
    TempRoot temp;
    const RadiceServer radice(temp.File(u"server"_s));
    const QString fuori = temp.File(u"fuori"_s);
    ASSERT_TRUE(QDir().mkpath(fuori));
    ASSERT_TRUE(QFile::link(fuori, radice.Cartella() + u"/tmp/cartellafuori"_s));
    ASSERT_TRUE(QFile::link(fuori + u"/nuovo.txt"_s, radice.Cartella() + u"/tmp/pendente"_s));
    ASSERT_TRUE(
        QFile::link(radice.Cartella() + u"/usr/tmp"_s, radice.Cartella() + u"/tmp/interno"_s));

    QString errore;
    EXPECT_FALSE(radice.Locale(u"/tmp/cartellafuori/x.txt"_s, errore));
    EXPECT_FALSE(radice.Locale(u"/tmp/cartellafuori"_s, errore));
    EXPECT_FALSE(radice.Scrivi(u"/tmp/pendente"_s, "dato", errore));
    EXPECT_FALSE(QFile::exists(fuori + u"/nuovo.txt"_s));
    EXPECT_TRUE(radice.Locale(u"/tmp/interno/x.txt"_s, errore)) << errore.toStdString();
}

TEST(RadiceServer, ScriveELeggeFileInteri)
{
    TempRoot temp;
    const RadiceServer radice(temp.File(u"server"_s));
    QString errore;
    ASSERT_TRUE(radice.Scrivi(u"/tmp/prova"_s, "riga 1\nriga 2\n", errore));
    EXPECT_EQ(radice.Leggi(u"/tmp/prova"_s, errore).value_or(QByteArray()), "riga 1\nriga 2\n");
    EXPECT_FALSE(radice.Leggi(u"/tmp/manca"_s, errore));
    EXPECT_FALSE(radice.Scrivi(u"/tmp/cartella/che/manca"_s, "x", errore));
}

} // namespace
