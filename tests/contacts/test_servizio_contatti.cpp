#include "contacts/ConnessioneLdap.h"
#include "contacts/EditorRubricaCliente.h"
#include "contacts/LDAP_ContattiCliente.h"
#include "orbeni/local/PopolaArchivio.h"
#include "orbeni/local/RubricaDemo.h"
#include "orbeni/local/ServizioContatti.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ServizioContattiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(m_servizio.Avvia(), 0);
        ASSERT_TRUE(m_servizio.PubblicaIndirizzo(u"quorvanel.it"_s));
    }

    // The subject's addresses as a new lookup reads them.
    Cliente Indirizzi(const QString& codice, const QString& sigla)
    {
        const auto connessione = ConnessioneLdap(*m_globali, m_dialoghi, AccessoLdap {});
        Cliente cliente;
        cliente.Codice = codice;
        if (connessione) {
            RubricaContatti rubrica(*connessione);
            CercaContattiCliente(cliente, u"01"_s, sigla, rubrica, *m_globali->Archivio);
        }
        return cliente;
    }

    bool Modifica(const QString& codice, const QString& sigla,
        const std::function<void(CampiContatto&)>& modifica)
    {
        auto cliente = std::make_shared<Cliente>();
        cliente->Codice = codice;
        cliente->Nominativo = u"Cliente "_s + codice;
        auto documento = std::make_shared<Documento>();
        documento->Sigla = sigla;
        EditorRubricaCliente editor(*m_globali, m_dialoghi, AccessoLdap {});
        bool chiuso = false;
        QObject::connect(&editor, &EditorRubricaCliente::Chiusura, [&chiuso] { chiuso = true; });
        if (!editor.Apri(cliente, documento))
            return false;
        CampiContatto campi = editor.Campi();
        modifica(campi);
        return editor.Conferma(campi)
            && AttendiFinche([&] { return chiuso || !m_dialoghi.Registrati.isEmpty(); }) && chiuso
            && editor.Confermato();
    }

    ServizioContatti m_servizio {DirectoryContatti {DirectoryDiProva().Indirizzo()}};
    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
};

TEST_F(ServizioContattiTest, AnEditReachesTheDirectoryAndTheNextSearch)
{
    ASSERT_TRUE(ConnessioneLdap(*m_globali, m_dialoghi, AccessoLdap {}));
    EXPECT_EQ(m_globali->ConnessioneLdap->webUrl(), m_servizio.Indirizzo());
    EXPECT_EQ(
        Indirizzi(u"0600951"_s, u"FATT."_s).Email, u"primo@cliente951.it;secondo@cliente951.it");

    ASSERT_TRUE(Modifica(u"0600950"_s, u"FATT."_s, [](CampiContatto& campi) {
        campi.txtEmail = u"nuove.fatture@cliente950.it"_s;
        campi.txtFax = u"0559999"_s;
    })) << m_dialoghi.Testi().join(u"\n"_s).toStdString();
    const Cliente modificato = Indirizzi(u"0600950"_s, u"FATT."_s);
    EXPECT_EQ(modificato.Email, u"nuove.fatture@cliente950.it");
    EXPECT_EQ(modificato.Fax, u"0559999");
    EXPECT_EQ(Indirizzi(u"0600950"_s, u"BOLLA"_s).Email, u"bolle@cliente950.it");

    // A cleared field leaves the directory too.
    ASSERT_TRUE(Modifica(u"0600950"_s, u"FATT."_s, [](CampiContatto& campi) {
        EXPECT_EQ(campi.txtFax, u"0559999");
        campi.txtFax.clear();
    }));
    EXPECT_EQ(Indirizzi(u"0600950"_s, u"FATT."_s).Fax, QString());
}

TEST_F(ServizioContattiTest, ANewContactIsAdded)
{
    EXPECT_EQ(Indirizzi(u"0600985"_s, u"CONF."_s).Email, QString());
    ASSERT_TRUE(Modifica(u"0600985"_s, u"CONF."_s, [](CampiContatto& campi) {
        campi.txtNome = u"Lucia"_s;
        campi.txtEmail = u"lucia@cliente985.it"_s;
    }));
    EXPECT_EQ(Indirizzi(u"0600985"_s, u"CONF."_s).Email, u"lucia@cliente985.it");
    EXPECT_EQ(Indirizzi(u"0600985"_s, u"FATT."_s).Email, QString());
}

struct CasoRifiuto {
    const char* nome;
    QByteArray corpo;
};

void PrintTo(const CasoRifiuto& caso, std::ostream* os)
{
    *os << caso.nome;
}

class RifiutoTest : public ServizioContattiTest,
                    public ::testing::WithParamInterface<CasoRifiuto> { };

TEST_P(RifiutoTest, RefusedWithAnError)
{
    const QByteArray esito = m_servizio.Esegui(GetParam().corpo);
    EXPECT_TRUE(esito.startsWith("ERR ")) << esito.constData();
    EXPECT_FALSE(esito.contains("OK"));
}

const QByteArray inizio = "esegui=UPDATE%5FCONTATTO%5FCLIENTE&dominio=quorvanel%2Eit&utente=demo&";
const QByteArray fine = "&employeeType=CL&funzioneAziendale=Invio%20fatture&complete=true";

INSTANTIATE_TEST_SUITE_P(Richieste, RifiutoTest,
    ::testing::Values(CasoRifiuto {"NotAnUpdate", "esegui=ALTRO&complete=true"},
        CasoRifiuto {"Incomplete", inizio + "orbeniCode=01%7C0600990" + fine.chopped(14)},
        CasoRifiuto {"ThreeLabelDomain",
            "esegui=UPDATE%5FCONTATTO%5FCLIENTE&dominio=a%2Eb%2Ec&orbeniCode=01%7C1" + fine},
        CasoRifiuto {"NoSubject", inizio + "societa=x" + fine},
        CasoRifiuto {
            "PatternUid", inizio + "uid=%2A%29%28uid%3D%2A&orbeniCode=01%7C0600990" + fine},
        CasoRifiuto {
            "AnotherSubjectsContact", inizio + "uid=c0600981&orbeniCode=01%7C0600990" + fine}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(RubricaDemoTest, SeedsContactsFromTheStoreOnce)
{
    TempRoot radice;
    ArchivioLocale archivio(radice.File(u"archivio.sqlite"_s));
    ASSERT_TRUE(archivio.Valido()) << archivio.Errore().toStdString();
    PopolaArchivio dati(archivio, RadiceServer(radice.Percorso()));
    Cliente conEmail;
    conEmail.Codice = u"0600100"_s;
    conEmail.TipoAnagrafica = u"CLIENTE"_s;
    conEmail.Nominativo = u"Tessuti Rossi"_s;
    conEmail.Email = u"amministrazione@rossi.it;ordini@rossi.it"_s;
    Cliente soloFax = conEmail;
    soloFax.Codice = u"0700100"_s;
    soloFax.TipoAnagrafica = u"FORNITORE"_s;
    soloFax.Email.clear();
    soloFax.Fax = u"0574111"_s;
    ASSERT_TRUE(dati.Azienda(u"02"_s, u"Demo"_s) && dati.Anagrafica(u"02"_s, conEmail)
        && dati.Anagrafica(u"02"_s, soloFax))
        << dati.Errore().toStdString();

    const DirectoryContatti directory {DirectoryDiProva().Indirizzo()};
    EXPECT_EQ(SeminaRubricaDemo(directory, u"quorvanel.it"_s, archivio, u"02"_s), 3);
    EXPECT_EQ(SeminaRubricaDemo(directory, u"quorvanel.it"_s, archivio, u"02"_s), 0);

    auto globali = SessioneRubrica();
    DialoghiScriptati dialoghi;
    const auto connessione = ConnessioneLdap(*globali, dialoghi, AccessoLdap {});
    ASSERT_TRUE(connessione);
    RubricaContatti rubrica(*connessione);
    Cliente cliente = conEmail;
    CercaContattiCliente(cliente, u"02"_s, u"FATT."_s, rubrica, *globali->Archivio);
    EXPECT_EQ(cliente.Email, u"fatture@rossi.it");
    CercaContattiCliente(cliente, u"02"_s, u"BOLLA"_s, rubrica, *globali->Archivio);
    EXPECT_EQ(cliente.Email, u"amministrazione@rossi.it");
    Cliente fornitore = soloFax;
    CercaContattiCliente(fornitore, u"02"_s, u"PRIVACY"_s, rubrica, *globali->Archivio);
    EXPECT_EQ(fornitore.Fax, u"0574111");

    // The whole demo set-up: service published, options switched to the directory.
    ASSERT_TRUE(dati.Opzioni(u"02"_s, ArchivioSerie()));
    const auto servizio = AvviaRubricaDemo(directory, u"quorvanel.it"_s, archivio, u"02"_s);
    ASSERT_TRUE(servizio);
    ChiudiConnessioneLdap(*globali);
    ASSERT_TRUE(ConnessioneLdap(*globali, dialoghi, AccessoLdap {}));
    EXPECT_EQ(globali->ConnessioneLdap->webUrl(), servizio->Indirizzo());
    QSqlQuery opzioni(archivio.Database());
    ASSERT_TRUE(opzioni.exec(
        u"SELECT RubricaLdap, ServerLdap FROM opzioni_servizio WHERE Azienda = '02'"_s));
    ASSERT_TRUE(opzioni.next());
    EXPECT_EQ(opzioni.value(0).toInt(), 1);
    EXPECT_EQ(opzioni.value(1).toString(), DirectoryDiProva().Indirizzo());
}

} // namespace
