#include "orbeni/TracciatoSpool.h"
#include "sending/DestinatariInvio.h"
#include "tests/sending/ServiziFinti.h"
#include "tests/support/TempRoot.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using TracciatoSpool::CampoDestinatario;

namespace {

ClientePtr Cliente1(const QString& codice, const QString& email, const QString& fax)
{
    auto cliente = std::make_shared<Cliente>();
    cliente->Codice = codice;
    cliente->Nominativo = u"Cliente "_s + codice;
    cliente->Email = email;
    cliente->Fax = fax;
    return cliente;
}

class DestinatariTest : public ::testing::Test {
protected:
    void Carica(ModoFormEmail modo)
    {
        ColonneLWEmail(m_lista, modo);
        CaricaDestinatari(m_lista, m_clienti, modo);
    }
    [[nodiscard]] bool Evidenziata(int riga) const
    {
        const RigaElenco& r = m_lista.Riga(riga);
        return r.Grassetto && r.Colore == QColor(Qt::red);
    }
    // The field of the first recipient record the last run wrote.
    [[nodiscard]] QByteArray Campo(CampoDestinatario campo) const
    {
        QFile file(m_cartella.File(u"desmailPC01"_s));
        if (!file.open(QIODevice::ReadOnly))
            return "<missing>";
        const auto posizione = TracciatoSpool::Posizione(campo);
        return file.readAll().mid(qsizetype(posizione.Inizio), qsizetype(posizione.Larghezza));
    }

    QList<ClientePtr> m_clienti {Cliente1(u"A"_s, u"a@alfa.it"_s, u"0521 1"_s),
        Cliente1(u"B"_s, {}, u"0521/2"_s), Cliente1(u"C"_s, u"c-at-gamma"_s, {})};
    Elenco m_lista;
    TempRoot m_cartella;
    std::shared_ptr<ServiziFinti> m_servizi = std::make_shared<ServiziFinti>();
    Invexo_Main m_globali = GlobaliDiProva(m_cartella.Percorso(), m_servizi);
    CampiFormEmail m_campi {u"uffici@quorvanel.it"_s, u"Informativa"_s, u"Testo\r\nsaluti"_s,
        u"16/06/25"_s, u"9:05"_s, u"3"_s};
};

TEST_F(DestinatariTest, RecipientsWithoutAValidAddressAreBoldRedAndTicked)
{
    Carica(ModoFormEmail::Email);
    ASSERT_EQ(m_lista.Conta(), 3);
    EXPECT_EQ(m_lista.Riga(0).Testo, u"Cliente A"_s);
    EXPECT_EQ(m_lista.Riga(0).TestoColonna(1), u"a@alfa.it"_s);
    EXPECT_EQ(m_lista.Riga(0).TestoColonna(2), u"0"_s);
    EXPECT_EQ(m_lista.Riga(0).TagCome<ClientePtr>(), m_clienti[0]);
    EXPECT_FALSE(Evidenziata(0));
    EXPECT_TRUE(Evidenziata(1));
    EXPECT_TRUE(Evidenziata(2));
    for (const RigaElenco& riga : m_lista.Righe())
        EXPECT_TRUE(riga.Spuntata);

    Carica(ModoFormEmail::Fax);
    EXPECT_EQ(m_lista.Riga(1).TestoColonna(1), u"0521/2"_s);
    EXPECT_TRUE(Evidenziata(0)); // a blank is not a fax digit
    EXPECT_FALSE(Evidenziata(1));
    EXPECT_TRUE(Evidenziata(2));
}

TEST_F(DestinatariTest, ACorrectionIsMarkedForTheMasterDataOnlyWhenAsked)
{
    Carica(ModoFormEmail::Email);
    RigaElenco& riga = m_lista.Riga(1);
    EXPECT_TRUE(MemorizzaIniziale(riga));
    EXPECT_EQ(ApplicaCorrezione(riga, u"b@beta.it"_s, true, ModoFormEmail::Email), std::nullopt);
    EXPECT_EQ(riga.TestoColonna(1), u"b@beta.it"_s);
    EXPECT_EQ(riga.TestoColonna(2), u"M"_s);
    EXPECT_FALSE(riga.Grassetto);
    EXPECT_TRUE(MemorizzaIniziale(riga));

    EXPECT_EQ(ApplicaCorrezione(riga, u"b@beta.com"_s, false, ModoFormEmail::Email), std::nullopt);
    EXPECT_EQ(riga.TestoColonna(2), QString());
    EXPECT_FALSE(MemorizzaIniziale(riga));

    // An invalid one keeps the address and leaves the row marked.
    EXPECT_EQ(
        ApplicaCorrezione(riga, u"b@beta"_s, true, ModoFormEmail::Email), u"Email non valida"_s);
    EXPECT_EQ(riga.TestoColonna(1), u"b@beta.com"_s);
    EXPECT_TRUE(riga.Grassetto);
    // An empty one is taken, and the row stays marked.
    EXPECT_EQ(ApplicaCorrezione(riga, QString(), false, ModoFormEmail::Email), std::nullopt);
    EXPECT_TRUE(riga.TestoColonna(1).isEmpty());
    EXPECT_TRUE(riga.Grassetto);
    EXPECT_EQ(ApplicaCorrezione(riga, u"05 21"_s, false, ModoFormEmail::Fax), u"Fax non valido"_s);
}

struct CasoControllo {
    const char* Nome;
    ModoFormEmail Modo;
    QString Mittente;
    // Which rows stay ticked.
    QList<int> Spuntate;
    std::optional<QString> Messaggio;
};

class ControlliInvioTest : public DestinatariTest,
                           public ::testing::WithParamInterface<CasoControllo> { };

TEST_P(ControlliInvioTest, GiveTheFirstFailingMessage)
{
    Carica(GetParam().Modo);
    ApplicaCorrezione(m_lista.Riga(2), u"0521"_s, false, ModoFormEmail::Fax);
    for (int i = 0; i < m_lista.Conta(); ++i)
        m_lista.Riga(i).Spuntata = GetParam().Spuntate.contains(i);
    EXPECT_EQ(ControllaInvioFormEmail(m_lista, GetParam().Mittente, GetParam().Modo),
        GetParam().Messaggio);
}

INSTANTIATE_TEST_SUITE_P(FormEmail, ControlliInvioTest,
    ::testing::Values(CasoControllo {"UnticksTheHighlighted", ModoFormEmail::Email, {}, {0, 1},
                          u"Inserire l'indirizzo dei nominativi evidenziati"_s},
        CasoControllo {"NoSender", ModoFormEmail::Email, {}, {0}, u"Selezionare un mittente"_s},
        CasoControllo {"PlainNameByEmail", ModoFormEmail::Email, u"Ufficio"_s, {0},
            u"Indirizzo email del mittente non valido"_s},
        CasoControllo {"PlainNameByFax", ModoFormEmail::Fax, u"Ufficio"_s, {1, 2}, std::nullopt},
        CasoControllo {
            "NoRecipient", ModoFormEmail::Email, u"u@q.it"_s, {}, u"Selezionare un destinatario"_s},
        CasoControllo {"Ready", ModoFormEmail::Email, u"u@q.it"_s, {0}, std::nullopt}),
    [](const auto& caso) { return std::string(caso.param.Nome); });

TEST_F(DestinatariTest, FaxMailingCarriesTheAttemptsAndTheCorrections)
{
    Carica(ModoFormEmail::Fax);
    ApplicaCorrezione(m_lista.Riga(0), u"0521.1"_s, true, ModoFormEmail::Fax);
    m_lista.Riga(2).Spuntata = false;
    const EsitoMandaFaxEmail esito
        = MandaFaxEmailPrivacy(m_globali, m_lista, m_campi, ModoFormEmail::Fax);
    EXPECT_EQ(esito.Errore, std::nullopt);
    EXPECT_EQ(esito.Spool, EsitoSpool::Avviato);
    EXPECT_EQ(m_clienti[0]->Fax, u"0521.1"_s);
    EXPECT_TRUE(m_clienti[0]->AggiornaRubrica);
    EXPECT_FALSE(m_clienti[1]->AggiornaRubrica);
    EXPECT_EQ(Campo(CampoDestinatario::Tentativi), "3");
    EXPECT_EQ(Campo(CampoDestinatario::Marcatore), "M");
    EXPECT_EQ(Campo(CampoDestinatario::Fax).trimmed(), "0521.1");
    EXPECT_EQ(Campo(CampoDestinatario::DataInvio), "160625");
    EXPECT_EQ(Campo(CampoDestinatario::OraInvio), "0905");
}

TEST_F(DestinatariTest, EmailMailingWritesNoAttempts)
{
    Carica(ModoFormEmail::Email);
    m_lista.Riga(1).Spuntata = false;
    m_lista.Riga(2).Spuntata = false;
    m_campi.Tentativi = u"non letto"_s;
    const EsitoMandaFaxEmail esito
        = MandaFaxEmailExport(m_globali, m_lista, m_campi, ModoFormEmail::Email);
    EXPECT_EQ(esito.Errore, std::nullopt);
    EXPECT_EQ(Campo(CampoDestinatario::Tentativi), "0");
    EXPECT_EQ(Campo(CampoDestinatario::Email).trimmed(), "a@alfa.it");
}

struct CasoCampo {
    const char* Nome;
    QString Data;
    QString Ora;
    QString Tentativi;
    QString Parola;
};

class CampiIllegibiliTest : public DestinatariTest,
                            public ::testing::WithParamInterface<CasoCampo> { };

TEST_P(CampiIllegibiliTest, AreRefusedNamingTheFieldAndNothingIsWritten)
{
    Carica(ModoFormEmail::Fax);
    m_campi.Data = GetParam().Data;
    m_campi.Ora = GetParam().Ora;
    m_campi.Tentativi = GetParam().Tentativi;
    const EsitoMandaFaxEmail esito
        = MandaFaxEmailPrivacy(m_globali, m_lista, m_campi, ModoFormEmail::Fax);
    ASSERT_TRUE(esito.Errore);
    EXPECT_TRUE(esito.Errore->contains(GetParam().Parola)) << esito.Errore->toStdString();
    EXPECT_TRUE(m_servizi->Avvii.isEmpty());
    EXPECT_TRUE(QDir(m_cartella.Percorso()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_clienti[0]->Fax == u"0521 1"_s);
}

INSTANTIATE_TEST_SUITE_P(FormEmail, CampiIllegibiliTest,
    ::testing::Values(CasoCampo {"Date", u"31/02/25"_s, u"9:05"_s, u"3"_s, u"data"_s},
        CasoCampo {"DateText", u"domani"_s, u"9:05"_s, u"3"_s, u"data"_s},
        CasoCampo {"Time", u"16/06/25"_s, u"25:00"_s, u"3"_s, u"ora"_s},
        CasoCampo {"Attempts", u"16/06/25"_s, u"9:05"_s, u"tre"_s, u"tentativi"_s},
        CasoCampo {"NegativeAttempts", u"16/06/25"_s, u"9:05"_s, u"-1"_s, u"tentativi"_s}),
    [](const auto& caso) { return std::string(caso.param.Nome); });

TEST(LetturaCampiInvio, DatesTimesAndAttempts)
{
    EXPECT_EQ(LeggiDataInvio(u"05/03/29"_s), QDate(2029, 3, 5));
    EXPECT_EQ(LeggiDataInvio(u"5/3/30"_s), QDate(1930, 3, 5));
    EXPECT_EQ(LeggiDataInvio(u" 05/03/2031 "_s), QDate(2031, 3, 5));
    EXPECT_EQ(LeggiOraInvio(u"09:05:30"_s), QTime(9, 5, 30));
    EXPECT_EQ(LeggiOraInvio(u"9.05"_s), std::nullopt);
    EXPECT_EQ(LeggiTentativi(u" 0 "_s), 0);
    EXPECT_EQ(LeggiTentativi(u""_s), std::nullopt);
}

} // namespace
