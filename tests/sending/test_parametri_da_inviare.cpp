#include "sending/ParametriInvioDaInviare.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QColor ColoreRiga(Qt::blue);

class ParametriDaInviareTest : public ::testing::Test {
protected:
    ParametriDaInviareTest()
    {
        m_opzioni.InvioDaInviare = true;
        AggiungiRiga(u"C1"_s, u"a@b.it"_s, {}, u"FATT."_s);
        AggiungiRiga(u"C1"_s, u"a@b.it"_s, {}, u"CONF."_s);
        AggiungiRiga(u"C1"_s, u"x@b.it;y@b.it"_s, {}, u"FATT."_s);
        AggiungiRiga(u"C2"_s, u"c@d.it"_s, {}, u"FATT."_s);
    }

    void AggiungiRiga(
        const QString& codice, const QString& email, const QString& fax, const QString& sigla)
    {
        auto cliente = std::make_shared<Cliente>();
        cliente->Codice = codice;
        cliente->Email = email;
        cliente->Fax = fax;
        auto documento = std::make_shared<Documento>();
        documento->Sigla = sigla;
        RigaElenco riga;
        riga.Chiave = QString::number(m_elenco.Conta());
        riga.Tag = documento;
        riga.Colore = ColoreRiga;
        CellaElenco& cella = riga.CellaA(ColonnaParametriInvio);
        cella.Testo = email.isEmpty() ? fax : email;
        cella.Tag = cliente;
        m_elenco.Aggiungi(std::move(riga));
    }

    [[nodiscard]] ClientePtr Cliente_(int riga) const
    {
        return m_elenco.Riga(riga).Celle[ColonnaParametriInvio].TagCome<ClientePtr>();
    }
    [[nodiscard]] const CellaElenco& Cella(int riga) const
    {
        return m_elenco.Riga(riga).Celle[ColonnaParametriInvio];
    }

    // An address editor that sets the given fields and answers "Aggiorna rubrica".
    EditoriIndirizzo Editore(QString email, QString fax, bool aggiorna)
    {
        EditoriIndirizzo editori;
        editori.EstremiInvio = [this, email, fax, aggiorna](const ClientePtr& cliente) {
            m_modificati.append(cliente);
            cliente->Email = email;
            cliente->Fax = fax;
            return aggiorna;
        };
        return editori;
    }

    Elenco m_elenco;
    ArchivioSerie m_opzioni;
    QList<ClientePtr> m_modificati;
};

TEST_F(ParametriDaInviareTest, ANewAddressReachesEveryRowOfTheCustomerWithASingleAddress)
{
    EXPECT_TRUE(
        CambiaParametriInvioDaInviare(m_elenco, 1, m_opzioni, Editore(u"new@b.it"_s, {}, true)));
    ASSERT_EQ(m_modificati, QList<ClientePtr> {Cliente_(1)});
    EXPECT_TRUE(Cliente_(1)->AggiornaRubrica);
    for (int riga : {0, 1}) {
        EXPECT_EQ(Cella(riga).Testo, u"new@b.it");
        EXPECT_EQ(Cella(riga).Colore, ColoreRiga);
        EXPECT_EQ(Cliente_(riga)->Email, u"new@b.it");
    }
    EXPECT_FALSE(Cliente_(0)->AggiornaRubrica) << "only the edited copy carries the marker";
    EXPECT_EQ(Cliente_(2)->Email, u"x@b.it;y@b.it");
    EXPECT_EQ(Cella(2).Testo, u"x@b.it;y@b.it");
    EXPECT_EQ(Cliente_(3)->Email, u"c@d.it");
}

TEST_F(ParametriDaInviareTest, AFaxNumberMakesTheRowsGoByFax)
{
    EXPECT_TRUE(
        CambiaParametriInvioDaInviare(m_elenco, 0, m_opzioni, Editore({}, u"0522/12"_s, false)));
    for (int riga : {0, 1, 2}) {
        EXPECT_EQ(Cella(riga).Testo, u"0522/12");
        EXPECT_EQ(Cliente_(riga)->Fax, u"0522/12");
        EXPECT_TRUE(Cliente_(riga)->Email.isEmpty());
    }
    EXPECT_FALSE(Cliente_(0)->AggiornaRubrica);
    EXPECT_EQ(Cella(3).Testo, u"c@d.it");
}

TEST_F(ParametriDaInviareTest, NoAddressAtAllShowsStampaInRedAndKeepsTheOtherCopies)
{
    CambiaParametriInvioDaInviare(m_elenco, 0, m_opzioni, Editore({}, u"  "_s, false));
    for (int riga : {0, 1, 2}) {
        EXPECT_EQ(Cella(riga).Testo, u"STAMPA");
        EXPECT_EQ(Cella(riga).Colore, QColor(Qt::red));
    }
    EXPECT_EQ(Cliente_(1)->Email, u"a@b.it");
}

TEST_F(ParametriDaInviareTest, DoesNothingWhenTheOptionIsOffOrTheRowIsGone)
{
    auto editori = Editore(u"new@b.it"_s, {}, true);
    for (int riga : {-1, 4})
        EXPECT_FALSE(CambiaParametriInvioDaInviare(m_elenco, riga, m_opzioni, editori));
    m_opzioni.InvioDaInviare = false;
    EXPECT_FALSE(CambiaParametriInvioDaInviare(m_elenco, 0, m_opzioni, editori));
    EXPECT_TRUE(m_modificati.isEmpty());
    EXPECT_EQ(Cella(0).Testo, u"a@b.it");
}

TEST_F(ParametriDaInviareTest, TheDirectoryBranchUpdatesOnlyRowsOfTheSameKind)
{
    m_opzioni.RubricaLdap = true;
    Cliente_(0)->AggiornaRubrica = true;
    EditoriIndirizzo editori;
    DocumentoPtr documentoVisto;
    editori.RubricaLdap = [&](const ClientePtr& cliente, const DocumentoPtr& documento) {
        documentoVisto = documento;
        cliente->Email = u"ldap@b.it"_s;
    };
    EXPECT_TRUE(CambiaParametriInvioDaInviare(m_elenco, 0, m_opzioni, editori));
    EXPECT_EQ(documentoVisto, m_elenco.Riga(0).TagCome<DocumentoPtr>());
    EXPECT_FALSE(Cliente_(0)->AggiornaRubrica);
    EXPECT_EQ(Cella(0).Testo, u"ldap@b.it");
    EXPECT_EQ(Cella(1).Testo, u"a@b.it") << "a confirmation, not an invoice";
}

TEST_F(ParametriDaInviareTest, TellsTheViewOnceTheRowsChanged)
{
    int notifiche = 0;
    m_elenco.ImpostaOsservatore([&] { ++notifiche; });
    CambiaParametriInvioDaInviare(m_elenco, 0, m_opzioni, Editore(u"n@b.it"_s, {}, false));
    EXPECT_EQ(notifiche, 1);
}

} // namespace
