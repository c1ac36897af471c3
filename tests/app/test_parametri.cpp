#include "app/Parametri.h"
#include "tests/app/DialoghiConLimite.h"
#include "tests/support/TempRoot.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// A registry holding at most the default mail client.
LettoreRegistro Registro(ValoreRegistro clientPredefinito)
{
    return [clientPredefinito](RadiceRegistro radice, const QString& chiave, const QString& nome) {
        if (radice == RadiceRegistro::MacchinaLocale && chiave == u"SOFTWARE\\Clients\\Mail"_s
            && nome.isEmpty())
            return clientPredefinito;
        return ValoreRegistro {};
    };
}

class Parametri : public testing::Test {
protected:
    TempRoot cartella;
    Impostazioni impostazioni {cartella.File(u"Invexo.ini"_s)};
    DialoghiConLimite dialoghi;
    Invexo_Main globali;

    bool Leggi(const QString& riga, ValoreRegistro client = u"Mozilla Thunderbird"_s)
    {
        return LeggiParametri(globali, riga, impostazioni, dialoghi, Registro(std::move(client)));
    }
};

struct CasoRiga {
    const char* nome;
    QString riga;
    bool valida;
    QString server;
    QString azienda;
    QString utente;
    QString opzioni; // D debug, S shell, M modify
};

void PrintTo(const CasoRiga& caso, std::ostream* os)
{
    *os << caso.nome;
}

class RigheDiComando : public Parametri, public testing::WithParamInterface<CasoRiga> { };

TEST_P(RigheDiComando, OpzioniEValori)
{
    const CasoRiga& caso = GetParam();
    EXPECT_EQ(Leggi(caso.riga), caso.valida);
    EXPECT_EQ(globali.IndirizzoServer, caso.server);
    EXPECT_EQ(globali.CodiceAzienda, caso.azienda);
    EXPECT_EQ(globali.CodiceUtente, caso.utente);
    EXPECT_EQ(globali.ModoDebug, caso.opzioni.contains(u'D'));
    EXPECT_EQ(globali.ModoShell, caso.opzioni.contains(u'S'));
    EXPECT_EQ(globali.ModoModifica, caso.opzioni.contains(u'M'));
}

INSTANTIATE_TEST_SUITE_P(Tabella, RigheDiComando,
    testing::Values(
        CasoRiga {"Essenziale", u"-H 10.0.0.1 -C 01"_s, true, u"10.0.0.1"_s, u"01"_s, {}, {}},
        CasoRiga {"MinuscoleValoriConservati",
            u"-h Server.Local -c Az1 -userid MRossi -debug -shell -m"_s, true, u"Server.Local"_s,
            u"Az1"_s, u"MRossi"_s, u"DSM"_s},
        CasoRiga {"MaiuscoleMiste", u"-Shell -DeBuG -C 01 -h srv"_s, true, u"srv"_s, u"01"_s, {},
            u"DS"_s},
        CasoRiga {"ValoreMancanteInFondo", u"-C 01 -H"_s, false, {}, u"01"_s, {}, {}},
        CasoRiga {"DueSpaziDannoValoreVuoto", u"-H  srv -C 01"_s, false, {}, u"01"_s, {}, {}},
        CasoRiga {"ValoreEsaminatoComeOpzione", u"-USERID -M -H -C -C 01"_s, true, u"-C"_s, u"01"_s,
            u"-M"_s, u"M"_s},
        CasoRiga {
            "OpzioniSconosciuteIgnorate", u"/H srv -X -C 01 -Hx 2"_s, false, {}, u"01"_s, {}, {}},
        CasoRiga {"Vuota", QString(), false, {}, {}, {}, {}}),
    [](const testing::TestParamInfo<CasoRiga>& caso) { return std::string(caso.param.nome); });

TEST_F(Parametri, DebugEShellRipartonoSpenti)
{
    globali.ModoDebug = true;
    globali.ModoShell = true;
    Leggi(u"-H srv -C 01"_s);
    EXPECT_FALSE(globali.ModoDebug);
    EXPECT_FALSE(globali.ModoShell);
}

// The mail client's name, whatever its source, and the flags it sets.
struct CasoClient {
    const char* nome;
    QString client;
    QString flag; // O Outlook, F Office Outlook, E Eudora, T Thunderbird
};

void PrintTo(const CasoClient& caso, std::ostream* os)
{
    *os << caso.nome;
}

class NomiDeiClient : public Parametri, public testing::WithParamInterface<CasoClient> { };

TEST_P(NomiDeiClient, ImpostanoIFlag)
{
    Leggi(u"-H srv -C 01"_s, GetParam().client);
    EXPECT_EQ(globali.PostaOutlook, GetParam().flag.contains(u'O'));
    EXPECT_EQ(globali.PostaOfficeOutlook, GetParam().flag.contains(u'F'));
    EXPECT_EQ(globali.PostaEudora, GetParam().flag.contains(u'E'));
    EXPECT_EQ(globali.PostaThunderbird, GetParam().flag.contains(u'T'));
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Tabella, NomiDeiClient,
    testing::Values(CasoClient {"Eudora", u"eUDORA"_s, u"E"_s},
        CasoClient {"OfficeOutlook", u"microsoft office OUTLOOK"_s, u"F"_s},
        CasoClient {"Outlook", u"MicroSoft OutLook"_s, u"O"_s},
        CasoClient {"Thunderbird", u"MOZILLA thunderbird"_s, u"T"_s},
        CasoClient {"Sconosciuto", u"Outlook Express"_s, {}},
        CasoClient {"Spazio", u" Eudora"_s, {}}),
    [](const testing::TestParamInfo<CasoClient>& caso) { return std::string(caso.param.nome); });

TEST_F(Parametri, ResetmailConClientNelRegistroNonChiedeNulla)
{
    impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"Eudora"_s);
    Leggi(u"-RESETMAIL -H srv -C 01"_s, u"Mozilla Thunderbird"_s);
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
    EXPECT_TRUE(globali.PostaThunderbird);
    EXPECT_FALSE(globali.PostaEudora);
}

TEST_F(Parametri, ResetmailSenzaRegistroChiedeEAvvisa)
{
    impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"Eudora"_s);
    dialoghi.scriptati.RisposteInput.enqueue(u"Microsoft Outlook"_s);

    Leggi(u"-H srv -resetmail -C 01"_s, {});

    const auto& registrati = dialoghi.scriptati.Registrati;
    ASSERT_EQ(registrati.size(), 2);
    EXPECT_TRUE(registrati[0].Input);
    EXPECT_EQ(registrati[0].Testo, u"Client di posta predefinito:"_s);
    EXPECT_EQ(registrati[0].Titolo, QString());
    EXPECT_EQ(registrati[0].Proposta, u"Mozilla Thunderbird"_s);
    EXPECT_EQ(registrati[1].Testo,
        u"Per non mostrare più questo messaggio togli il parametro '-RESETMAIL' dalla "
        u"icona di Invexo"_s);
    EXPECT_EQ(registrati[1].Pulsanti, PulsantiMessaggio::Ok);
    EXPECT_TRUE(globali.PostaOutlook);
    EXPECT_EQ(impostazioni.Leggi(ChiaviImpostazioni::ClientPosta), u"Microsoft Outlook"_s);
}

TEST_F(Parametri, SenzaRegistroUsaLaSceltaSalvata)
{
    impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"eudora"_s);
    Leggi(u"-H srv -C 01"_s, {});
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
    EXPECT_TRUE(globali.PostaEudora);
}

TEST_F(Parametri, DomandaAnnullataSalvaUnNomeVuotoERitorna)
{
    dialoghi.scriptati.RisposteInput.enqueue(QString());
    Leggi(u"-H srv -C 01"_s, {});
    EXPECT_EQ(dialoghi.scriptati.Registrati.size(), 1);
    EXPECT_FALSE(globali.PostaOutlook || globali.PostaOfficeOutlook || globali.PostaEudora
        || globali.PostaThunderbird);

    // The empty name is stored, so the next start asks again.
    Invexo_Main dopo;
    dialoghi.scriptati.RisposteInput.enqueue(u"Eudora"_s);
    LeggiParametri(dopo, u"-H srv -C 01"_s, impostazioni, dialoghi, Registro({}));
    EXPECT_EQ(dialoghi.scriptati.Registrati.size(), 2);
    EXPECT_TRUE(dopo.PostaEudora);
}

TEST_F(Parametri, ValoreNumericoDelRegistroNonEUnClient)
{
    Leggi(u"-H srv -C 01"_s, quint32 {257});
    EXPECT_TRUE(dialoghi.scriptati.Registrati.isEmpty());
    EXPECT_FALSE(globali.PostaOutlook || globali.PostaOfficeOutlook || globali.PostaEudora
        || globali.PostaThunderbird);
}

TEST(RigaComandoDaArgomenti, ArgomentiDopoIlProgrammaConUnoSpazio)
{
    EXPECT_EQ(RigaComandoDaArgomenti({u"invexo"_s, u"-H"_s, u"srv"_s, u""_s, u"-C"_s, u"01"_s}),
        u"-H srv  -C 01"_s);
    EXPECT_EQ(RigaComandoDaArgomenti({u"invexo"_s}), QString());
    EXPECT_EQ(RigaComandoDaArgomenti({}), QString());
}

TEST(MessaggioParametriNonValidi, TestoCompleto)
{
    EXPECT_EQ(MessaggioParametriNonValidi(),
        u"Parametri non validi.\r\n\r\nSpecificare a linea di comando i seguenti "
        u"parametri:\r\n-c [codice azienda]\r\n-h [indirizzo IP]"_s);
}

} // namespace
