#include "contacts/CampiContatto.h"
#include "contacts/ConnessioneLdap.h"
#include "contacts/EditorRubricaCliente.h"
#include "contacts/RichiestaAggiornamento.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/ServerHttpDiProva.h"

#include <QTcpServer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString serverNonDisponibile
    = u"Errore in fase aggiornamento dati:\r\nServer non disponibile.\r\nE' comunque possibile "
      u"effettuare l'invio dei\r\ndocumenti selezionati."_s;

class EditorRubricaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_http.Avviato());
        const auto connessione = ConnessioneLdap(*m_globali, m_dialoghi, AccessoLdap {});
        ASSERT_TRUE(connessione);
        connessione->setWebUrl(m_http.Host());
        m_editor = std::make_unique<EditorRubricaCliente>(
            *m_globali, m_dialoghi, AccessoLdap {}, m_tempi);
        QObject::connect(m_editor.get(), &EditorRubricaCliente::Chiusura, [this] { ++m_chiusure; });
    }

    bool Apri(const QString& codice, const QString& sigla)
    {
        m_cliente->Codice = codice;
        m_cliente->Nominativo = u"Tessuti Rossi s.r.l."_s;
        m_cliente->TipoAnagrafica = u"CLIENTE"_s;
        m_documento->Sigla = sigla;
        return m_editor->Apri(m_cliente, m_documento);
    }

    // Confirms a valid new invoice contact and waits for the request.
    void ConfermaNuovo()
    {
        ASSERT_TRUE(Apri(u"0600980"_s, u"FATT."_s));
        CampiContatto campi = m_editor->Campi();
        campi.txtNome = u"Anna"_s;
        campi.txtEmail = u"anna@rossi.it"_s;
        ASSERT_TRUE(m_editor->Conferma(campi));
        ASSERT_TRUE(m_http.AttendiRichieste());
    }

    bool AttendiEsito()
    {
        return AttendiFinche([this] { return m_chiusure > 0 || !m_dialoghi.Registrati.isEmpty(); });
    }

    ServerHttpDiProva m_http;
    std::unique_ptr<Invexo_Main> m_globali = SessioneRubrica();
    DialoghiScriptati m_dialoghi;
    TempiAggiornamento m_tempi {std::chrono::milliseconds(30000), std::chrono::milliseconds(30000),
        std::chrono::milliseconds(10)};
    std::unique_ptr<EditorRubricaCliente> m_editor;
    ClientePtr m_cliente = std::make_shared<Cliente>();
    DocumentoPtr m_documento = std::make_shared<Documento>();
    int m_chiusure = 0;
};

TEST_F(EditorRubricaTest, NewContactIsPostedAndClosesOnOk)
{
    ConfermaNuovo();
    EXPECT_EQ(m_editor->Intestazione().Testo, u"Nuovo contatto");
    EXPECT_EQ(m_editor->Intestazione().Colore, QColor(239, 249, 230));
    EXPECT_EQ(m_editor->Campi().txtFunzioneAziendale, u"Invio fatture");
    EXPECT_FALSE(m_editor->Campi().FunzioneModificabile);
    EXPECT_EQ(m_editor->Campi().txtSocieta, u"Tessuti Rossi s.r.l.");

    const ServerHttpDiProva::Richiesta& richiesta = m_http.Richieste().first();
    EXPECT_EQ(richiesta.Metodo, "POST");
    EXPECT_EQ(richiesta.Percorso, u"/tramavento/VbClientServicesServlet");
    EXPECT_EQ(richiesta.Intestazione("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(richiesta.Intestazione("Content-Length"), QByteArray::number(richiesta.Corpo.size()));
    EXPECT_EQ(richiesta.Corpo,
        "esegui=UPDATE%5FCONTATTO%5FCLIENTE&dominio=quorvanel%2Eit&utente=demo&"
        "codiceAnagrafico=0600980&orbeniCode=01%7C0600980&employeeType=CL&"
        "funzioneAziendale=Invio%20fatture&nome=Anna&lingua=it&email=anna%40rossi%2Eit&"
        "societa=Tessuti%20Rossi%20s%2Er%2El%2E&complete=true");

    ASSERT_TRUE(AttendiEsito());
    EXPECT_EQ(m_chiusure, 1);
    EXPECT_TRUE(m_editor->Confermato());
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
    EXPECT_EQ(m_cliente->Email, u"anna@rossi.it");
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

TEST_F(EditorRubricaTest, EditedContactKeepsItsFunctionsNotesTitleAndTab)
{
    m_globali->Archivio->FaxViaEmail = true;
    ASSERT_TRUE(Apri(u"0600981"_s, u"FATT."_s));
    EXPECT_EQ(m_editor->Intestazione().Testo, u"Modifica contatto");
    EXPECT_EQ(m_editor->Intestazione().Colore, QColor(251, 233, 233));
    CampiContatto campi = m_editor->Campi();
    EXPECT_EQ(campi.txtCognome, QString()) << "notes stored as the surname are not shown as one";
    EXPECT_EQ(campi.txtAnnotazioni, u"Chiamare\tdopo le 10");
    EXPECT_EQ(campi.txtLingua, u"en");
    EXPECT_EQ(campi.lblDescrizioneLingua, u"Inglese");
    EXPECT_EQ(campi.Uid, u"c0600981");
    EXPECT_EQ(campi.FunzioniLette, u"Invio fatture|Invio bolle");
    campi.txtTitolo = u"  Dott."_s;
    ASSERT_TRUE(m_editor->Conferma(campi));
    ASSERT_TRUE(m_http.AttendiRichieste());
    EXPECT_EQ(m_http.Richieste().first().Corpo,
        "esegui=UPDATE%5FCONTATTO%5FCLIENTE&dominio=quorvanel%2Eit&utente=demo&uid=c0600981&"
        "codiceAnagrafico=0600981&orbeniCode=01%7C0600981&employeeType=CL&"
        "funzioneAziendale=Invio%20fatture&funzioneAziendale=Invio%20bolle&"
        "cognome=Chiamare%09dopo%20le%2010&lingua=en&annotazioni=Chiamare%09dopo%20le%2010&"
        "numeroFax=0551234&societa=Rossi%20Spa&titolo=%20%20Dott%2E&complete=true");
    // Gateway mode: the lone fax becomes the customer's mail address at once.
    EXPECT_EQ(m_cliente->Email, u"fax-0551234@quorvanel.it");
    EXPECT_EQ(m_cliente->Fax, QString());
}

struct CasoRisposta {
    const char* nome;
    std::function<void(ServerHttpDiProva&)> risposta;
    QString messaggio;
};

void PrintTo(const CasoRisposta& caso, std::ostream* os)
{
    *os << caso.nome;
}

class RispostaServizioTest : public EditorRubricaTest,
                             public ::testing::WithParamInterface<CasoRisposta> { };

TEST_P(RispostaServizioTest, FailureIsShownAndTheEditorStaysOpen)
{
    GetParam().risposta(m_http);
    ConfermaNuovo();
    ASSERT_TRUE(AttendiEsito());
    EXPECT_EQ(m_chiusure, 0);
    EXPECT_TRUE(m_editor->Confermato());
    ASSERT_EQ(m_dialoghi.Registrati.size(), 1);
    EXPECT_EQ(m_dialoghi.Registrati.first().Testo, GetParam().messaggio);
    EXPECT_EQ(m_dialoghi.Registrati.first().Titolo, u"Aggiornamento contatto cliente");
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

const QString erroreServizio
    = u"Errore in fase aggiornamento dati:\r\nCodice SRV\r\nErrore elaborazione dati su "
      u"server\r\nE' comunque possibile effettuare l'invio dei\r\ndocumenti selezionati."_s;

INSTANTIATE_TEST_SUITE_P(Risposte, RispostaServizioTest,
    ::testing::Values(
        CasoRisposta {"AnotherResult",
            [](ServerHttpDiProva& http) { http.RispondiConRisultato("ERRORE"); }, erroreServizio},
        CasoRisposta {"NoResultHeader",
            [](ServerHttpDiProva& http) { http.RispondiSenzaRisultato(); }, erroreServizio},
        CasoRisposta {"HttpError", [](ServerHttpDiProva& http) { http.RispondiConStato(500); },
            u"Errore in fase aggiornamento dati:\r\nCodice 500\r\nInternal Server Error\r\nE' "
            u"comunque possibile effettuare l'invio dei\r\ndocumenti selezionati."_s}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST_F(EditorRubricaTest, UnreachableServiceIsCodeZero)
{
    QTcpServer chiuso;
    ASSERT_TRUE(chiuso.listen(QHostAddress::LocalHost, 0));
    const quint16 porta = chiuso.serverPort();
    chiuso.close();
    m_globali->ConnessioneLdap->setWebUrl(u"127.0.0.1:"_s + QString::number(porta));
    ASSERT_TRUE(Apri(u"0600980"_s, u"FATT."_s));
    CampiContatto campi = m_editor->Campi();
    campi.txtNome = u"Anna"_s;
    ASSERT_TRUE(m_editor->Conferma(campi));
    ASSERT_TRUE(AttendiEsito());
    ASSERT_EQ(m_dialoghi.Testi(), QStringList {serverNonDisponibile});
    EXPECT_EQ(m_chiusure, 0);
}

TEST_F(EditorRubricaTest, NoAnswerInTimeClosesWithTheWaitingMessage)
{
    m_tempi.AttesaServer = std::chrono::milliseconds(200);
    SetUp();
    m_http.NonRispondere();
    ConfermaNuovo();
    ASSERT_TRUE(AttendiEsito());
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {serverNonDisponibile});
    EXPECT_EQ(m_chiusure, 1);
    EXPECT_FALSE(m_editor->InvioInCorso());
}

TEST_F(EditorRubricaTest, NewConfirmationCancelsTheRequestUnderWay)
{
    m_http.NonRispondere();
    ConfermaNuovo();
    m_http.RispondiConRisultato("OK");
    ASSERT_TRUE(m_editor->Conferma(m_editor->Campi()));
    ASSERT_TRUE(m_http.AttendiRichieste(2));
    ASSERT_TRUE(AttendiEsito());
    AttendiFinche([] { return false; }, 100);
    EXPECT_EQ(m_chiusure, 1);
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
}

TEST_F(EditorRubricaTest, CloseCancelsAndIsNotConfirmed)
{
    m_http.NonRispondere();
    ConfermaNuovo();
    m_editor->Chiudi();
    EXPECT_FALSE(m_editor->Confermato());
    EXPECT_FALSE(m_editor->InvioInCorso());
}

TEST_F(EditorRubricaTest, InvalidFieldsAreNotSent)
{
    ASSERT_TRUE(Apri(u"0600980"_s, u"FATT."_s));
    CampiContatto campi = m_editor->Campi();
    campi.txtEmail = u"senza chiocciola"_s;
    EXPECT_FALSE(m_editor->Conferma(campi));
    EXPECT_FALSE(m_editor->Confermato());
    EXPECT_EQ(m_dialoghi.Testi(), QStringList {u"Indirizzo Email del contatto non valido."_s});
    EXPECT_EQ(m_dialoghi.Registrati.first().Titolo, u"Dati contatto");
    EXPECT_FALSE(m_editor->InvioInCorso());
}

TEST_F(EditorRubricaTest, PrivacyEditsTheOneReferentAndRefusesTwo)
{
    ASSERT_TRUE(Apri(u"0600970"_s, u"PRIVACY"_s));
    EXPECT_EQ(m_editor->Campi().Uid, u"ref0600970");
    EXPECT_TRUE(m_editor->Campi().FunzioneModificabile);
    EXPECT_EQ(m_editor->Campi().IndiceFunzione, 0);
    EXPECT_EQ(m_documento->Sigla, u"PRIVACY");

    EXPECT_FALSE(Apri(u"0600971"_s, u"PRIVACY"_s));
    EXPECT_EQ(m_dialoghi.Testi(),
        QStringList {u"Impossibile variare gli indirizzi email. Utilizzare Tramavento"_s});
    EXPECT_EQ(m_dialoghi.Clessidre, 0);
}

TEST_F(EditorRubricaTest, DoesNotOpenWithoutTheDirectory)
{
    m_globali->Archivio->RubricaLdap = false;
    EXPECT_FALSE(Apri(u"0600980"_s, u"FATT."_s));
    m_globali->Archivio->RubricaLdap = true;
    EXPECT_FALSE(m_editor->Apri(nullptr, m_documento));
    EXPECT_TRUE(m_dialoghi.Registrati.isEmpty());
}

struct CasoValidazione {
    const char* nome;
    std::function<void(CampiContatto&)> modifica;
    QString messaggio;
};

void PrintTo(const CasoValidazione& caso, std::ostream* os)
{
    *os << caso.nome;
}

class ValidaDatiContattoTest : public ::testing::TestWithParam<CasoValidazione> { };

TEST_P(ValidaDatiContattoTest, FirstBrokenRuleGivesItsMessage)
{
    CampiContatto campi;
    campi.txtSocieta = u"Rossi"_s;
    campi.txtFunzioneAziendale = u"Invio fatture"_s;
    GetParam().modifica(campi);
    EXPECT_EQ(ValidaDatiContatto(campi).value_or(QString()), GetParam().messaggio);
}

INSTANTIATE_TEST_SUITE_P(Regole, ValidaDatiContattoTest,
    ::testing::Values(CasoValidazione {"Valid", [](CampiContatto&) {}, {}},
        CasoValidazione {"NoNameAtAll",
            [](CampiContatto& c) {
                c.txtSocieta.clear();
                c.txtFunzioneAziendale.clear();
            },
            u"Affinchè il contatto sia ritenuto valido è\r\nnecessario inserire almeno uno dei "
            u"campi\r\nNome, Cognome, Annotazioni, Ragione sociale."_s},
        CasoValidazione {"BlankNameCounts",
            [](CampiContatto& c) {
                c.txtSocieta = u" "_s;
                c.txtFunzioneAziendale.clear();
            },
            u"Affinchè il contatto sia ritenuto valido è\r\nnecessario specificare la funzione "
            u"aziendale."_s},
        CasoValidazione {"Email",
            [](CampiContatto& c) {
                c.txtEmail = u"a@b"_s;
                c.txtFax = u"+39"_s;
            },
            u"Indirizzo Email del contatto non valido."_s},
        CasoValidazione {"Fax",
            [](CampiContatto& c) {
                c.txtFax = u"055 12"_s;
                c.txtCellulare = u"x"_s;
            },
            u"Numero FAX del contatto non valido."_s},
        CasoValidazione {"Mobile",
            [](CampiContatto& c) {
                c.txtCellulare = u"333-1"_s;
                c.txtTelefonoCasa = u"x"_s;
            },
            u"Numero cellulare del contatto non valido."_s},
        CasoValidazione {"HomePhone",
            [](CampiContatto& c) {
                c.txtTelefonoCasa = u"(055)"_s;
                c.txtTelefonoUfficio = u"x"_s;
            },
            u"Numero telefono abitazione del contatto non valido."_s},
        CasoValidazione {"OfficePhone", [](CampiContatto& c) { c.txtTelefonoUfficio = u"x"_s; },
            u"Numero telefono ufficio del contatto non valido."_s}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(CodificaUrlTest, OnlyLettersAndDigitsStay)
{
    EXPECT_EQ(CodificaUrl(u"UPDATE_CONTATTO_CLIENTE"_s), u"UPDATE%5FCONTATTO%5FCLIENTE");
    EXPECT_EQ(CodificaUrl(u"a b.c@d-e|f\tè€"_s), u"a%20b%2Ec%40d%2De%7Cf%09%E8%80");
    EXPECT_EQ(CodificaUrl(u"Ω&="_s), u"%3F%26%3D");
    EXPECT_EQ(DominioAggiornamento(u"demo@quorvanel.it@altro"_s, u"x.it"_s), u"quorvanel.it");
    EXPECT_EQ(DominioAggiornamento(u"demo"_s, u"x.it"_s), u"x.it");
}

} // namespace
