#include "tests/local/RadiceDiProva.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Autentica : public ::testing::Test {
protected:
    RadiceDiProva& m_radice = RadiceDemo();
    DialoghiScriptati& m_dialoghi = m_radice.Dialoghi;
    void SetUp() override { m_dialoghi = DialoghiScriptati(); }

    bool Accedi(QString& utente, QString& password)
    {
        return m_radice.Server().Autentica(u"01"_s, u"local"_s, utente, password);
    }
};

TEST_F(Autentica, CredenzialiGiusteAlPrimoTentativo)
{
    m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"demo"_s, u"demo"_s});
    QString utente;
    QString password;
    ASSERT_TRUE(Accedi(utente, password));
    EXPECT_EQ(utente, u"demo"_s);
    EXPECT_EQ(password, u"demo"_s);
    ASSERT_EQ(m_dialoghi.Registrati.size(), 1);
    EXPECT_TRUE(m_dialoghi.Registrati.at(0).Testo.isEmpty());
}

TEST_F(Autentica, PasswordSbagliataPoiGiustaRichiedeConUnAvviso)
{
    m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"mrossi"_s, u"demo"_s});
    m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"mrossi"_s, u"rossi"_s});
    QString utente;
    QString password;
    ASSERT_TRUE(Accedi(utente, password));
    EXPECT_EQ(utente, u"mrossi"_s);
    ASSERT_EQ(m_dialoghi.Registrati.size(), 2);
    EXPECT_TRUE(m_dialoghi.Registrati.at(0).Testo.isEmpty());
    EXPECT_FALSE(m_dialoghi.Registrati.at(1).Testo.isEmpty());
    EXPECT_EQ(m_radice.Server().UtenteSessione(), u"mrossi"_s);
}

TEST_F(Autentica, AnnullareRestituisceFalsoSenzaErrore)
{
    m_dialoghi.RisposteCredenziali.enqueue(std::nullopt);
    QString utente;
    QString password;
    EXPECT_FALSE(Accedi(utente, password));
    EXPECT_TRUE(utente.isEmpty());
    EXPECT_TRUE(m_radice.Server().UltimoErrore().isEmpty());
    EXPECT_TRUE(m_dialoghi.Testi().isEmpty());
}

TEST_F(Autentica, TreTentativiSbagliatiChiudonoLAccesso)
{
    for (int i = 0; i < 4; ++i)
        m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"demo"_s, u"sbagliata"_s});
    QString utente;
    QString password;
    EXPECT_FALSE(Accedi(utente, password));
    EXPECT_EQ(m_dialoghi.RisposteCredenziali.size(), 1);
    ASSERT_EQ(m_dialoghi.Testi().size(), 1);
    EXPECT_EQ(m_dialoghi.Registrati.last().Icona, IconaMessaggio::Critica);
}

TEST_F(Autentica, UtenteSconosciutoNonEntra)
{
    m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"nessuno"_s, u"demo"_s});
    m_dialoghi.RisposteCredenziali.enqueue(std::nullopt);
    QString utente;
    QString password;
    EXPECT_FALSE(Accedi(utente, password));
}

TEST_F(Autentica, LoginDirectoryEntraEVerificaUtenteLoSostituisceConLId)
{
    m_dialoghi.RisposteCredenziali.enqueue(Credenziali {u"Demo@Quorvanel.it"_s, u"demo"_s});
    QString utente;
    QString password;
    ASSERT_TRUE(Accedi(utente, password));
    EXPECT_EQ(utente, u"Demo@Quorvanel.it"_s);

    QString login;
    ASSERT_TRUE(m_radice.Server().VerificaUtente(u"01"_s, u"local"_s, utente, password, login));
    EXPECT_EQ(utente, u"demo"_s);
    EXPECT_EQ(login, u"demo@quorvanel.it"_s);

    QString id = u"mrossi"_s;
    ASSERT_TRUE(m_radice.Server().VerificaUtente(u"01"_s, u"local"_s, id, password, login));
    EXPECT_EQ(id, u"mrossi"_s);
    EXPECT_EQ(login, u"mario.rossi@quorvanel.it"_s);
    EXPECT_EQ(m_radice.Server().NomeUtente(u"local"_s, id), u"Mario Rossi"_s);

    QString ignoto = u"ignoto"_s;
    EXPECT_FALSE(m_radice.Server().VerificaUtente(u"01"_s, u"local"_s, ignoto, password, login));
    EXPECT_FALSE(m_radice.Server().UltimoErrore().isEmpty());
}

} // namespace
