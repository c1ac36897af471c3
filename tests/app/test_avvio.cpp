#include "app/Avvio.h"
#include "app/FSelezionaCliente.h"
#include "app/Parametri.h"
#include "orbeni/local/AmbienteLocale.h"
#include "orbeni/local/PopolaArchivio.h"
#include "orbeni/local/ServerLocale.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One start of the program on a temporary root, with scripted dialogs and a recorded end.
class Partenza {
public:
    explicit Partenza(const QString& cartella)
        : m_cartella(cartella)
        , impostazioni(cartella + u"/Invexo.ini"_s)
    {
        impostazioni.Scrivi(ChiaviImpostazioni::ClientPosta, u"Mozilla Thunderbird"_s);
        impostazioni.Scrivi(ChiaviImpostazioni::NomeComputer, u"PC001"_s);
    }

    bool Avvia(const QStringList& opzioni)
    {
        avvio = std::make_unique<Avvio>(globali,
            DipendenzeAvvio {dialoghi, impostazioni, orologio,
                [this](const QString& indirizzo) {
                    const auto libreria = CreaLibreria(indirizzo, dialoghi, m_cartella);
                    return libreria ? *libreria : LibreriaOrbeni {};
                },
                [](RadiceRegistro, const QString&, const QString&) { return ValoreRegistro {}; },
                [this](int) { ++terminato; }, {}});
        return avvio->Main(QStringList {u"invexo"_s} + opzioni);
    }

    [[nodiscard]] bool ChiestoLogin() const
    {
        for (const auto& registrato : dialoghi.Registrati)
            if (registrato.Titolo == u"Autenticazione"_s && registrato.Input)
                return true;
        return false;
    }
    FSelezionaCliente& Finestra() { return *avvio->FinestraPrincipale(); }

    QString m_cartella;
    Impostazioni impostazioni;
    DialoghiScriptati dialoghi;
    OrologioFisso orologio {QDateTime(QDate(2026, 12, 11), QTime(9, 0))};
    Invexo_Main globali;
    std::unique_ptr<Avvio> avvio;
    int terminato = 0;
};

// A root holding only the data a test chooses, for company "02".
QString RadiceScelta(const TempRoot& temp, const QStringList& tipi)
{
    const QString radice = temp.File(u"scelta"_s);
    DialoghiScriptati dialoghi;
    auto ambiente = std::make_shared<AmbienteLocale>(temp.File(u"postazione-scelta"_s));
    ServerLocale server(radice, ambiente, dialoghi, OpzioniServerLocale {false, nullptr});
    PopolaArchivio dati(server.Archivio(), server.Radice());
    dati.Azienda(u"02"_s, u"Prova s.r.l."_s);
    dati.Utente(u"demo"_s, u"Utente di prova"_s, u"demo"_s, u"demo@prova.it"_s, 1);
    for (const QString& tipo : tipi)
        dati.TipoDocumento(u"02"_s, tipo, u"X."_s);
    return radice;
}

class AvvioProgramma : public ::testing::Test {
protected:
    TempRoot temp;
    Partenza partenza {temp.Percorso()};
    QString Demo() const { return u"local:"_s + temp.File(u"demo"_s); }
};

TEST_F(AvvioProgramma, MissingServerOrCompanyShowsTheUsageAndEnds)
{
    for (const QStringList& opzioni :
        {QStringList {u"-C"_s, u"01"_s}, QStringList {u"-C"_s, u"01"_s, u"-H"_s}}) {
        Partenza altra(temp.Percorso());
        EXPECT_FALSE(altra.Avvia(opzioni));
        EXPECT_EQ(altra.terminato, 1);
        ASSERT_EQ(altra.dialoghi.Testi(), QStringList {MessaggioParametriNonValidi()});
        EXPECT_EQ(altra.dialoghi.Registrati.last().Icona, IconaMessaggio::Critica);
    }
    EXPECT_TRUE(MessaggioParametriNonValidi().startsWith(
        u"Parametri non validi.\r\n\r\nSpecificare a linea di comando i seguenti parametri:"_s));
}

TEST_F(AvvioProgramma, UserOnTheCommandLineSkipsTheLogin)
{
    ASSERT_TRUE(partenza.Avvia({u"-H"_s, Demo(), u"-C"_s, u"01"_s, u"-USERID"_s, u"demo"_s}));
    EXPECT_FALSE(partenza.ChiestoLogin());
    EXPECT_EQ(partenza.globali.Utente(), u"demo"_s);
    EXPECT_EQ(partenza.terminato, 0);
    EXPECT_TRUE(partenza.Finestra().isVisible());
}

TEST_F(AvvioProgramma, LoginWithTheDemoUserLoadsTheDemoTypes)
{
    partenza.dialoghi.RisposteCredenziali.enqueue(Credenziali {u"demo"_s, u"demo"_s});
    ASSERT_TRUE(partenza.Avvia({u"-h"_s, Demo(), u"-c"_s, u"01"_s}));
    EXPECT_TRUE(partenza.ChiestoLogin());
    EXPECT_EQ(partenza.globali.Utente(), u"demo"_s);
    EXPECT_FALSE(partenza.globali.UtentePdfDraw.isEmpty());
    auto& p = partenza.Finestra().Pannelli();
    EXPECT_EQ(p.FCTipoDoc->currentText(), u"BOLLE DI VENDITA"_s);
    EXPECT_NE(p.FCTipoDoc->findText(u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI"_s), -1);
    EXPECT_EQ(p.FCTipoDoc->findText(u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI REMOTE"_s), -1);
    EXPECT_TRUE(partenza.globali.ExportManagerRemoto);
    EXPECT_FALSE(p.PLogo->pixmap().isNull());
}

TEST_F(AvvioProgramma, CancelledLoginEndsWithoutAMessage)
{
    ASSERT_FALSE(partenza.Avvia({u"-H"_s, Demo(), u"-C"_s, u"01"_s}));
    EXPECT_EQ(partenza.terminato, 1);
    EXPECT_TRUE(partenza.dialoghi.Testi().isEmpty());
}

TEST_F(AvvioProgramma, UnreachableServerIsNamedInTheMessage)
{
    ASSERT_FALSE(partenza.Avvia({u"-H"_s, u"server.invalid"_s, u"-C"_s, u"01"_s}));
    EXPECT_EQ(partenza.terminato, 1);
    ASSERT_EQ(partenza.dialoghi.Testi(), QStringList {u"Nessuna risposta da server.invalid"_s});
    EXPECT_EQ(partenza.dialoghi.Registrati.last().Titolo, u"Autenticazione"_s);
    EXPECT_EQ(partenza.dialoghi.Registrati.last().Icona, IconaMessaggio::Critica);
}

TEST_F(AvvioProgramma, OnlyTheExemptionTypeOpensItsViewAtStart)
{
    const QString radice = RadiceScelta(temp, {u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s});
    ASSERT_TRUE(
        partenza.Avvia({u"-H"_s, u"local:"_s + radice, u"-C"_s, u"02"_s, u"-USERID"_s, u"demo"_s}));
    auto& p = partenza.Finestra().Pannelli();
    EXPECT_TRUE(p.FrameSelezionaCliente->isHidden());
    EXPECT_FALSE(p.FrameEsenzione->isHidden());
}

TEST_F(AvvioProgramma, WithoutDeliveryNotesNoTypeIsChosen)
{
    const QString radice = RadiceScelta(temp, {u"FATTURE EMESSE"_s, u"CONFERME"_s});
    ASSERT_TRUE(
        partenza.Avvia({u"-H"_s, u"local:"_s + radice, u"-C"_s, u"02"_s, u"-USERID"_s, u"demo"_s}));
    auto& p = partenza.Finestra().Pannelli();
    EXPECT_EQ(p.FCTipoDoc->count(), 2);
    EXPECT_EQ(p.FCTipoDoc->currentIndex(), -1);
    EXPECT_FALSE(p.FrameSelezionaCliente->isHidden());
}

TEST_F(AvvioProgramma, ClosingTheWindowDeletesTheTemporaryFiles)
{
    ASSERT_TRUE(partenza.Avvia({u"-H"_s, Demo(), u"-C"_s, u"01"_s, u"-USERID"_s, u"demo"_s}));
    const QString temporaneo = temp.File(u"docmailPC001"_s);
    QFile(temporaneo).open(QIODevice::WriteOnly);
    partenza.globali.FileDaCancellare.append(temporaneo);
    partenza.Finestra().close();
    EXPECT_FALSE(QFile::exists(temporaneo));
    EXPECT_TRUE(partenza.globali.FileDaCancellare.isEmpty());
}

} // namespace
