#include "app/BottoniDestra.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct CasoBottoni {
    const char* nome;
    bool faxDocumenti, faxViaEmail, faxServer, pulsanteStampa;
    const char* etichetta;
    // Expected frames 1..6 visible, and captions of frames 2, 3, 5.
    std::array<bool, 6> visibili;
    const char* invia;
    const char* fax;
    const char* preferenze;
};

class MostraBottoni : public ::testing::TestWithParam<CasoBottoni> { };

TEST_P(MostraBottoni, ShowsTheFramesAndCaptionsOfTheOptions)
{
    const CasoBottoni& c = GetParam();
    ArchivioSerie archivio;
    archivio.FaxDocumenti = c.faxDocumenti;
    archivio.FaxViaEmail = c.faxViaEmail;
    archivio.FaxServer = c.faxServer;
    archivio.PulsanteStampa = c.pulsanteStampa;
    StatoBarraDestra barra;
    barra.Bottoni[6].Visibile = true;
    MostraBottoniDestra(barra, archivio, QString::fromUtf8(c.etichetta));
    for (int frame = 1; frame <= 6; ++frame)
        EXPECT_EQ(barra.Bottoni[frame].Visibile, c.visibili[frame - 1]) << "frame " << frame;
    EXPECT_EQ(barra.Bottoni[2].Didascalia, QString::fromUtf8(c.invia));
    EXPECT_EQ(barra.Bottoni[3].Didascalia, QString::fromUtf8(c.fax));
    EXPECT_EQ(barra.Bottoni[5].Didascalia, QString::fromUtf8(c.preferenze));
}

INSTANTIATE_TEST_SUITE_P(Opzioni, MostraBottoni,
    ::testing::Values(
        CasoBottoni {"plain", false, false, false, false, "FATTURE EMESSE",
            {true, true, false, false, false, false}, "Invia e-mail dei documenti selezionati",
            "Invio fax dei documenti selezionati", "Consultazione Rubriche e Esiti"},
        CasoBottoni {"faxAndPrint", true, false, false, true, "FATTURE EMESSE",
            {true, true, true, true, true, false}, "Invia e-mail dei documenti selezionati",
            "Invio fax dei documenti selezionati", "Consultazione Rubriche e Esiti"},
        CasoBottoni {"faxViaEmailHidesFax", true, true, false, false, "FATTURE EMESSE",
            {true, true, false, false, false, false}, "Invio dei documenti selezionati",
            "Invio fax dei documenti selezionati", "Consultazione Rubriche e Esiti"},
        CasoBottoni {"faxServer", false, false, true, false, "BOLLE DI VENDITA",
            {true, true, true, false, true, false}, "Invia e-mail dei documenti selezionati",
            "Invio fax testi e documenti", " Fax non ricevuti"},
        CasoBottoni {"credemtelSend", false, false, false, false, "CREDEMTEL - INVIO DOCUMENTI",
            {true, true, false, false, false, false}, "Invio dei documenti selezionati",
            "Invio fax dei documenti selezionati", "Consultazione Rubriche e Esiti"},
        CasoBottoni {"credemtelSent", false, true, false, false, "CREDEMTEL - DOCUMENTI INVIATI",
            {true, true, false, false, false, false}, "Annulla invio documenti",
            "Invio fax dei documenti selezionati", "Consultazione Rubriche e Esiti"}),
    [](const auto& caso) { return std::string(caso.param.nome); });

TEST(BottoniDestra, ToSendViewShowsSendAndSetAsideOnlyWithItsOption)
{
    ArchivioSerie archivio;
    StatoBarraDestra barra;
    for (auto& b : barra.Bottoni)
        b.Visibile = true;
    MostraBottoniDestraDaInviare(barra, archivio);
    EXPECT_FALSE(barra.Bottoni[1].Visibile);
    EXPECT_FALSE(barra.Bottoni[2].Visibile);
    EXPECT_FALSE(barra.Bottoni[3].Visibile);
    EXPECT_TRUE(barra.Bottoni[4].Visibile);
    EXPECT_FALSE(barra.Bottoni[5].Visibile);
    EXPECT_FALSE(barra.Bottoni[6].Visibile);

    archivio.InvioDaInviare = true;
    MostraBottoniDestraDaInviare(barra, archivio);
    EXPECT_TRUE(barra.Bottoni[2].Visibile);
    EXPECT_EQ(barra.Bottoni[2].Didascalia, u"Invio dei documenti selezionati"_s);
    EXPECT_TRUE(barra.Bottoni[6].Visibile);
}

TEST(BottoniDestra, HidingKeepsTheFaxOfTextsWithTheFaxServer)
{
    ArchivioSerie archivio;
    StatoBarraDestra barra;
    for (auto& b : barra.Bottoni)
        b.Visibile = true;
    TogliBottoniDestra(barra, archivio);
    for (int frame : {1, 2, 3, 4, 6})
        EXPECT_FALSE(barra.Bottoni[frame].Visibile) << frame;
    EXPECT_TRUE(barra.Bottoni[5].Visibile) << "frame 5 is left to its own rules";

    archivio.FaxServer = true;
    TogliBottoniDestra(barra, archivio);
    EXPECT_TRUE(barra.Bottoni[3].Visibile);
    EXPECT_EQ(barra.Bottoni[3].Didascalia, u"Invio fax testi e documenti"_s);
}

TEST(BottoniDestra, RestoreBringsBackTheDesignCaptionsAndHidesSetAside)
{
    ArchivioSerie archivio;
    StatoBarraDestra barra;
    barra.Bottoni[1].Didascalia = u"Marca come inviati"_s;
    barra.Bottoni[6] = {true, u"Altro"_s, u"EMAIL"_s};
    barra.EliminaVisibile = true;
    barra.DidascaliaElimina = u"Rendi inviato"_s;
    RipristinaBottoniDestra(barra, archivio);
    EXPECT_EQ(barra.Bottoni[1].Didascalia, u" Aggiungi all'elenco documenti selezionati"_s);
    EXPECT_EQ(barra.Bottoni[4].Didascalia, u"   Stampa documenti selezionati"_s);
    EXPECT_EQ(barra.Bottoni[6].Didascalia, u"Imposta da non inviare"_s);
    EXPECT_EQ(barra.Bottoni[6].Icona, u"DISSELEZIONA"_s);
    EXPECT_FALSE(barra.Bottoni[6].Visibile);
    EXPECT_FALSE(barra.EliminaVisibile);
    EXPECT_EQ(barra.DidascaliaElimina, u"Elimina"_s);
}

TEST(BottoniDestra, StacksVisibleFramesUnderTheFirstWithTheGap)
{
    StatoBarraDestra barra;
    barra.Bottoni[2].Visibile = true;
    barra.Bottoni[4].Visibile = true;
    PosizioniBarra larga = DisponiBottoniDestra(barra, 1000, false);
    EXPECT_EQ(larga.Frame[0], 0);
    EXPECT_EQ(larga.Frame[1], -1);
    EXPECT_EQ(larga.Frame[2], 1300);
    EXPECT_EQ(larga.Frame[4], 2600);
    EXPECT_EQ(larga.Elimina, -1);

    barra.EliminaVisibile = true;
    PosizioniBarra stretta = DisponiBottoniDestra(barra, 1000, true);
    EXPECT_EQ(stretta.Elimina, 1100);
    EXPECT_EQ(stretta.Frame[2], 2200);
    EXPECT_EQ(stretta.Frame[4], 3300);
}

} // namespace
