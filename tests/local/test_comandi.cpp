#include "orbeni/QuotaShell.h"
#include "orbeni/local/InterpreteComandi.h"
#include "orbeni/local/ParoleShell.h"
#include "platform/Orologio.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Comandi : public ::testing::Test {
protected:
    Comandi()
        : m_radice(m_temp.File(u"server"_s))
        , m_ora(QDateTime(QDate(2025, 3, 9), QTime(8, 5, 30)))
        , m_interprete(m_radice, m_ora)
    {
    }

    void Metti(const QString& server, const QByteArray& contenuto)
    {
        QString errore;
        const auto locale = m_radice.Locale(server, errore);
        ASSERT_TRUE(locale);
        QDir().mkpath(QFileInfo(*locale).path());
        ASSERT_TRUE(m_radice.Scrivi(server, contenuto, errore)) << errore.toStdString();
    }
    QByteArray Leggi(const QString& server)
    {
        QString errore;
        return m_radice.Leggi(server, errore).value_or(QByteArray("<manca>"));
    }
    bool Esiste(const QString& server)
    {
        QString errore;
        const auto locale = m_radice.Locale(server, errore);
        return locale && QFileInfo::exists(*locale);
    }
    bool Esegui(const QString& riga)
    {
        m_errore.clear();
        return m_interprete.Esegui(riga, m_errore);
    }

    TempRoot m_temp;
    RadiceServer m_radice;
    OrologioFisso m_ora;
    InterpreteComandi m_interprete;
    QString m_errore;
};

TEST_F(Comandi, RmToglieIlFileEConMenoFAccettaQuelloMancante)
{
    Metti(u"/tmp/nome con spazi"_s, "x");
    EXPECT_TRUE(Esegui(u"rm '/tmp/nome con spazi'"_s)) << m_errore.toStdString();
    EXPECT_FALSE(Esiste(u"/tmp/nome con spazi"_s));
    EXPECT_FALSE(Esegui(u"rm /tmp/nome"_s));
    EXPECT_TRUE(Esegui(u"rm -f /tmp/nome"_s));
    EXPECT_FALSE(Esegui(u"rm /tmp"_s));
}

TEST_F(Comandi, MkdirCreaUnaCartellaEConMenoPAncheLeSuperiori)
{
    EXPECT_TRUE(Esegui(u"mkdir /usr/orbeni/documenti"_s)) << m_errore.toStdString();
    EXPECT_FALSE(Esegui(u"mkdir /usr/orbeni/documenti"_s));
    EXPECT_FALSE(Esegui(u"mkdir /usr/orbeni/a/b"_s));
    EXPECT_TRUE(Esegui(u"mkdir -p \"/usr/orbeni/a/b c\""_s)) << m_errore.toStdString();
    EXPECT_TRUE(Esiste(u"/usr/orbeni/a/b c"_s));
    EXPECT_TRUE(Esegui(u"mkdir -p /usr/orbeni/a"_s));
}

TEST_F(Comandi, Dos2unixEUnix2dosConvertonoIFineRiga)
{
    Metti(u"/tmp/export01x"_s, "A\r\nB\r\nC\r");
    EXPECT_TRUE(Esegui(u"/usr/orbeni/bin/dos2unix /tmp/export01x > /tmp/export01"_s))
        << m_errore.toStdString();
    EXPECT_EQ(Leggi(u"/tmp/export01"_s), "A\nB\nC\r");
    EXPECT_TRUE(Esegui(u"dos2unix /tmp/export01x >/tmp/e2"_s));
    EXPECT_EQ(Leggi(u"/tmp/e2"_s), "A\nB\nC\r");

    Metti(u"/tmp/err.txt"_s, "uno\ndue\r\ntre\n");
    EXPECT_TRUE(Esegui(u"unix2dos /tmp/err.txt /tmp/err.txt.x"_s)) << m_errore.toStdString();
    EXPECT_EQ(Leggi(u"/tmp/err.txt.x"_s), "uno\r\ndue\r\ntre\r\n");
}

TEST_F(Comandi, DateScriveMeseGiornoAnnoEOra)
{
    EXPECT_TRUE(Esegui(u"date +%D%T > /tmp/datepdfdrawPC1"_s)) << m_errore.toStdString();
    EXPECT_EQ(Leggi(u"/tmp/datepdfdrawPC1"_s), "03/09/2508:05:30\n");
}

TEST_F(Comandi, HylafaxErrElencaILavoriConStatus)
{
    Metti(u"/usr/orbeni/hylafax/demo/11/desfile.txt"_s, "ID=11\r\nDESTINATARIO=Rossi_Spa\r\n");
    Metti(u"/usr/orbeni/hylafax/demo/11/status"_s, "Linea_occupata\r\n");
    Metti(u"/usr/orbeni/hylafax/demo/12/desfile.txt"_s, "ID=12\n");
    EXPECT_TRUE(Esegui(u"sh /usr/orbeni/hylafaxERR.sh PC1 demo 2>/dev/null"_s))
        << m_errore.toStdString();
    EXPECT_EQ(Leggi(u"/usr/tmp/ERR_HYLA_PC1"_s),
        "ID=11\nDESTINATARIO=Rossi_Spa\nSTATUS=Linea_occupata\n");
    EXPECT_TRUE(Esegui(u"sh /usr/orbeni/hylafaxERR.sh PC2 nessuno"_s));
    EXPECT_EQ(Leggi(u"/usr/tmp/ERR_HYLA_PC2"_s), "");
}

class RigheRifiutate : public ::testing::TestWithParam<const char16_t*> { };

TEST_P(RigheRifiutate, NonToccanoNulla)
{
    TempRoot temp;
    RadiceServer radice(temp.File(u"server"_s));
    OrologioFisso ora(QDateTime(QDate(2025, 1, 1), QTime(0, 0)));
    InterpreteComandi interprete(radice, ora);
    QString errore;
    QFile vittima(radice.Cartella() + u"/tmp/a"_s);
    ASSERT_TRUE(vittima.open(QIODevice::WriteOnly));
    vittima.close();

    EXPECT_FALSE(interprete.Esegui(QString::fromUtf16(GetParam()), errore));
    EXPECT_FALSE(errore.isEmpty());
    EXPECT_TRUE(QFile::exists(radice.Cartella() + u"/tmp/a"_s));
    EXPECT_EQ(
        QDir(radice.Cartella() + u"/tmp"_s).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList {u"a"_s});
}

INSTANTIATE_TEST_SUITE_P(Interprete, RigheRifiutate,
    ::testing::Values(u"rm -f /tmp/a; rm -f /tmp/b", u"rm -f /tmp/a && touch /tmp/b",
        u"rm -f /tmp/a | cat", u"rm -f /tmp/a & ", u"rm -f $(echo /tmp/a)", u"rm -f `echo /tmp/a`",
        u"rm -f \"$HOME\"", u"rm -f /tmp/*", u"rm -f /tmp/a\nrm -f /tmp/b", u"rm -rf /tmp/a",
        u"rm -f /tmp/a /tmp/b", u"rm /tmp/a > /tmp/b", u"rm -f /tmp/../invexo.sqlite",
        u"rm -f /etc/passwd", u"rm -f tmp/a", u"rm -f -- /tmp/a", u"mkdir -m 777 /tmp/b",
        u"dos2unix /tmp/a >> /tmp/b", u"dos2unix /tmp/a 2> /tmp/b",
        u"dos2unix /tmp/a > /tmp/b > /tmp/c", u"dos2unix < /tmp/a > /tmp/b",
        u"dos2unix /tmp/a >/etc/b", u"unix2dos /tmp/a", u"unix2dos /tmp/a /tmp/b /tmp/c",
        u"date > /tmp/b", u"date +%s > /tmp/b", u"date +%D%T", u"sh /tmp/a PC1 demo",
        u"sh /usr/orbeni/hylafaxERR.sh ../.. demo",
        u"sh /usr/orbeni/hylafaxERR.sh PC1 demo 2>/tmp/b",
        u"sh /usr/orbeni/hylafaxERR.sh PC1 demo extra", u"cat /tmp/a", u"/bin/rm -f /tmp/a",
        u"FOO=1 rm -f /tmp/a", u"rm -f '/tmp/a", u"rm -f \"/tmp/a", u"rm -f /tmp/a\\", u"", u"   ",
        u"> /tmp/b", u"rm -f ~/a", u"rm -f /tmp/{a,b}", u"(rm -f /tmp/a)"));

// Arguments quoted by the client come back whole from the interpreter's splitting.
class Quotatura : public ::testing::TestWithParam<const char16_t*> { };

TEST_P(Quotatura, TornaIndietroIntatta)
{
    const QString argomento = QString::fromUtf16(GetParam());
    QString errore;
    const auto parole = DividiRigaComando(u"rm -f "_s + QuotaPerShell(argomento), errore);
    ASSERT_TRUE(parole) << errore.toStdString();
    ASSERT_EQ(parole->size(), 3);
    EXPECT_EQ(parole->at(2).Testo, argomento);
    EXPECT_FALSE(parole->at(2).Redirezione);
}

INSTANTIATE_TEST_SUITE_P(Argomenti, Quotatura,
    ::testing::Values(u"/tmp/export012345", u"/tmp/nome con spazi", u"/tmp/l'apostrofo", u"/tmp/''",
        u"/tmp/$(rm -rf /)", u"/tmp/`id`", u"/tmp/a;b|c&d", u"/tmp/\"virgolette\"",
        u"/tmp/barra\\rovescia", u"/tmp/*?[]", u"/tmp/è à", u"/tmp/>x", u"", u"-", u"/tmp/a\tb",
        u"~", u"#"));

TEST(QuotaPerShell, LasciaStareSoloIPercorsiSemplici)
{
    EXPECT_EQ(QuotaPerShell(u"/usr/orbeni/bin/dos2unix"_s), u"/usr/orbeni/bin/dos2unix"_s);
    EXPECT_EQ(QuotaPerShell(u"PC-01_a.b"_s), u"PC-01_a.b"_s);
    EXPECT_EQ(QuotaPerShell(u"a b"_s), u"'a b'"_s);
    EXPECT_EQ(QuotaPerShell(u"l'a"_s), u"'l'\\''a'"_s);
    EXPECT_EQ(QuotaPerShell(QString()), u"''"_s);
}

TEST(DividiRigaComando, SegueLeRegoleDelleVirgolette)
{
    QString errore;
    const auto parole
        = DividiRigaComando(u"dos2unix 'a b'\"c \\\" \\$ \\x\"d\\ e > f 2>/dev/null"_s, errore);
    ASSERT_TRUE(parole) << errore.toStdString();
    const QList<ParolaShell> attese {{u"dos2unix"_s, false}, {u"a bc \" $ \\xd e"_s, false},
        {u">"_s, true}, {u"f"_s, false}, {u"2>"_s, true}, {u"/dev/null"_s, false}};
    EXPECT_EQ(*parole, attese);
    const auto quotato = DividiRigaComando(u"a '2'>b \">\""_s, errore);
    ASSERT_TRUE(quotato);
    EXPECT_EQ(*quotato,
        (QList<ParolaShell> {
            {u"a"_s, false}, {u"2"_s, false}, {u">"_s, true}, {u"b"_s, false}, {u">"_s, false}}));
}

} // namespace
