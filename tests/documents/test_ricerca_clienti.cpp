#include "DatiDocumenti.h"
#include "ServiziRegistrati.h"
#include "tests/support/DialoghiScriptati.h"

#include "app/Invexo_Main.h"
#include "documents/RicercaClienti.h"
#include "documents/SelezioneDocumenti.h"
#include "documents/TastiRicerca.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RicercaNominativi : public ::testing::Test {
protected:
    RicercaNominativi()
    {
        servizi = std::make_shared<ServiziRegistrati>();
        servizi->Risposta = [this](RisultatoRichiesta& risultato) {
            if (auto* elenco = dynamic_cast<ElencoClienti*>(&risultato))
                elenco->Clienti = risposta;
        };
        sessione.Servizi = servizi;
        sessione.CodiceAzienda = u"01"_s;
        ColonneLWNominativi(risultati);
        ColonneLWNomSel(selezionati);
    }

    std::shared_ptr<ServiziRegistrati> servizi;
    QList<ClientePtr> risposta;
    Invexo_Main sessione;
    Elenco risultati;
    Elenco selezionati;
};

TEST_F(RicercaNominativi, SendsTheTextAndTheInitialFlag)
{
    CercaNominativi(risultati, u"ROSS"_s, true, sessione);
    CercaNominativi(risultati, u"ROSS"_s, false, sessione);
    ASSERT_EQ(servizi->Richieste.size(), 2);
    const QStringList& r = servizi->Richieste[0].Richiesta;
    EXPECT_EQ(servizi->Richieste[0].Servizio, u"NOMECL"_s);
    ASSERT_EQ(r.size(), 113);
    EXPECT_EQ(r.mid(0, 3), (QStringList {u"01"_s, u"DOCUMENTI"_s, u"AZ"_s}));
    EXPECT_EQ(r[32], u"ROSS"_s);
    EXPECT_EQ(r[33], u"S"_s);
    EXPECT_EQ(r[45], u"S"_s);
    EXPECT_EQ(r[78], u"N"_s);
    EXPECT_EQ(servizi->Richieste[1].Richiesta[33], u"N"_s);
}

TEST_F(RicercaNominativi, ListsTheAnswerAndAddsTheTickedOnes)
{
    auto alfa = NuovoCliente(u"C1"_s, u"Alfa"_s);
    alfa->Nazione = u"IT"_s;
    alfa->Citta = u"Bologna"_s;
    alfa->Indirizzo = u"Via Roma 1"_s;
    alfa->Cap = u"40100"_s;
    risposta = {alfa, NuovoCliente(u"C2"_s, u"Beta"_s)};
    CercaNominativi(risultati, u"C"_s, true, sessione);
    ASSERT_EQ(risultati.Conta(), 2);
    const RigaElenco& riga = risultati.Riga(0);
    EXPECT_EQ(riga.Testo, u"C1"_s);
    EXPECT_EQ((QStringList {riga.TestoColonna(1), riga.TestoColonna(2), riga.TestoColonna(3),
                  riga.TestoColonna(4), riga.TestoColonna(5)}),
        (QStringList {u"Alfa"_s, u"IT"_s, u"Bologna"_s, u"Via Roma 1"_s, u"40100"_s}));
    EXPECT_EQ(riga.TagCome<ClientePtr>(), alfa);

    risultati.Riga(0).Spuntata = true;
    AggiungiClientiSelezionati(risultati, selezionati, sessione.ClientiSelezionati);
    AggiungiClientiSelezionati(risultati, selezionati, sessione.ClientiSelezionati);
    ASSERT_EQ(selezionati.Conta(), 2);
    EXPECT_EQ(selezionati.Riga(1).Testo, u"C1"_s);
    EXPECT_EQ(selezionati.Riga(1).TestoColonna(1), u"Alfa"_s);
    EXPECT_EQ(sessione.ClientiSelezionati, (QList<ClientePtr> {alfa, alfa}));

    FPicElimina(sessione, selezionati);
    EXPECT_TRUE(sessione.ClientiSelezionati.isEmpty());
    EXPECT_EQ(selezionati.Conta(), 0);
}

TEST(TestoRicercaNominativo, CodeFirstAndBlankRefused)
{
    DialoghiScriptati dialoghi;
    EXPECT_EQ(TestoRicercaNominativo(u"C1"_s, u"Alfa"_s, dialoghi), u"C1"_s);
    EXPECT_EQ(TestoRicercaNominativo({}, u"Alfa"_s, dialoghi), u"Alfa"_s);
    EXPECT_FALSE(TestoRicercaNominativo({}, u"   "_s, dialoghi));
    ASSERT_EQ(dialoghi.Testi(), QStringList {u"Inserire un nominativo"_s});
    EXPECT_EQ(dialoghi.Registrati[0].Icona, IconaMessaggio::Avviso);
}

TEST(CercaInCombo, FindsByTypedPrefixIgnoringCase)
{
    const QStringList voci {
        u"BOLLE DI VENDITA"_s, u"CONFERME"_s, u"FATTURE EMESSE"_s, u"FAX INFO"_s};
    PrefissoCombo prefisso;
    EXPECT_EQ(CercaInCombo(voci, 'f', prefisso).Indice, 2);
    const auto esito = CercaInCombo(voci, 'A', prefisso);
    EXPECT_TRUE(esito.Consumato);
    EXPECT_EQ(esito.Indice, 2);
    EXPECT_EQ(CercaInCombo(voci, 'x', prefisso).Indice, 3);
    EXPECT_EQ(CercaInCombo(voci, 'z', prefisso).Indice, -1);

    const auto indietro = CercaInCombo(voci, 8, prefisso);
    EXPECT_FALSE(indietro.Consumato);
    EXPECT_TRUE(prefisso.Testo.isEmpty());
    EXPECT_EQ(CercaInCombo(voci, 'c', prefisso).Indice, 1);
}

TEST(FiltraTasto, PassesAsciiAndControlKeysOnly)
{
    for (int codice : {8, 9, 10, 13, 32, int('a'), int('Z'), int('@'), 127})
        EXPECT_TRUE(FiltraTasto(codice)) << codice;
    for (int codice : {0, 7, 27, 128, 0xE8, 0xE0})
        EXPECT_FALSE(FiltraTasto(codice)) << codice;
}

} // namespace
