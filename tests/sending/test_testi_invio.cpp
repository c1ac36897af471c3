#include "orbeni/local/AmbienteLocale.h"
#include "sending/TestiInvio.h"
#include "tests/support/TempRoot.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class TestiInvioTest : public ::testing::Test {
protected:
    [[nodiscard]] QString File() const { return PercorsoTestoInvio(m_ambiente, u"PRIVACY"_s); }
    void Scrivi(const QByteArray& contenuto) const
    {
        QFile file(File());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contenuto);
    }
    [[nodiscard]] QByteArray Leggi() const
    {
        QFile file(File());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Stores the pair through the editor of LeggiTestoInvio.
    TestoInvio Memorizza(const TestoInvio& nuovo, const QString& tipo = u"PRIVACY"_s)
    {
        return LeggiTestoInvio(m_ambiente, tipo, [&](const TestoInvio& letto) {
            m_letto = letto;
            return nuovo;
        });
    }

    TempRoot m_temp;
    AmbienteLocale m_ambiente {m_temp.Percorso()};
    TestoInvio m_letto;
};

TEST_F(TestiInvioTest, FilesOfTheTwoKindsLiveInTheProductFolder)
{
    EXPECT_EQ(File(), m_ambiente.CartellaConfigurazione(u"Invexo"_s) + u"/privacy.ini"_s);
    EXPECT_EQ(PercorsoTestoInvio(m_ambiente, u"EXPORT"_s),
        m_ambiente.CartellaConfigurazione(u"Invexo"_s) + u"/export.ini"_s);
    EXPECT_TRUE(PercorsoTestoInvio(m_ambiente, u"ALTRO"_s).isEmpty());
}

TEST_F(TestiInvioTest, ASubjectOf40CharactersIsStoredWholeAndTheTextStartsAtByte41)
{
    const QString oggetto = u"Informativa sul trattamento dei dati 123"_s;
    ASSERT_EQ(oggetto.size(), 40);
    const TestoInvio scritto = Memorizza({oggetto, u"  Gentile cliente,\r\nsaluti.  "_s});
    EXPECT_EQ(Leggi(), oggetto.toLatin1() + "Gentile cliente,\r\nsaluti.");
    EXPECT_EQ(scritto.Testo, u"Gentile cliente,\r\nsaluti."_s);
    EXPECT_EQ(LeggiTestoInvio(m_ambiente, u"PRIVACY"_s).Oggetto, oggetto);
}

TEST_F(TestiInvioTest, AShortSubjectIsPaddedAndALongOneCutAfterEncoding)
{
    Memorizza({u" Caffè € "_s, u"Testo"_s});
    EXPECT_EQ(Leggi(), QByteArray("Caff\xE8 \x80").leftJustified(40, ' ') + "Testo");
    const TestoInvio letto = LeggiTestoInvio(m_ambiente, u"PRIVACY"_s);
    EXPECT_EQ(letto.Oggetto, u"Caffè €"_s);
    EXPECT_EQ(letto.Testo, u"Testo"_s);

    Memorizza({QString(45, u'x'), QString()});
    EXPECT_EQ(Leggi(), QByteArray(40, 'x'));
    // The editor is given what was stored.
    EXPECT_EQ(m_letto.Oggetto, u"Caffè €"_s);
}

TEST_F(TestiInvioTest, AShortFileGivesItsBytesAsSubjectAndNoText)
{
    Scrivi("Oggetto breve  20 by");
    const TestoInvio letto = LeggiTestoInvio(m_ambiente, u"PRIVACY"_s);
    EXPECT_EQ(letto.Oggetto, u"Oggetto breve  20 by"_s);
    EXPECT_TRUE(letto.Testo.isEmpty());
}

TEST_F(TestiInvioTest, AMissingFileGivesEmptyTextsAndCleaningIsNoError)
{
    const TestoInvio letto = LeggiTestoInvio(m_ambiente, u"EXPORT"_s);
    EXPECT_TRUE(letto.Oggetto.isEmpty() && letto.Testo.isEmpty());
    Memorizza({u"Export"_s, u"Testo"_s}, u"EXPORT"_s);
    CleanOggettoTestoInvio(m_ambiente, u"EXPORT"_s);
    EXPECT_FALSE(QFile::exists(PercorsoTestoInvio(m_ambiente, u"EXPORT"_s)));
    CleanOggettoTestoInvio(m_ambiente, u"EXPORT"_s);
}

} // namespace
