#include "ListaDiProva.h"
#include "tests/support/DialoghiScriptati.h"

#include "documents/Cestino.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "documents/SelezioneDaInviare.h"
#include "documents/SelezioneDocumenti.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;

namespace {

const QString Fattura = u"FATTURE EMESSE"_s;
const QString Bolla = u"BOLLE DI VENDITA"_s;

QString Stampa(const Elenco& cestino, int riga)
{
    const CellaElenco* cella = cestino.Riga(riga).Cella(K::Stampa);
    return cella ? cella->Testo : u"<none>"_s;
}

// Whether a marked row is accepted into the basket, by its marks and print images.
struct CasoImmagine {
    const char* Nome;
    QString Tipo;
    QString Accesa;
    bool Stampato, Stampato1, Stampato2;
    bool Accettato;
};

class ImmagineDiStampa : public ::testing::TestWithParam<CasoImmagine> { };

TEST_P(ImmagineDiStampa, DecidesWhetherTheDocumentGoesIn)
{
    const CasoImmagine& caso = GetParam();
    Elenco lista = ListaDiProva(
        {{caso.Tipo, u"01"_s, 7, 2024, caso.Stampato, caso.Stampato1, caso.Stampato2}});
    ImpostaCella(lista.Riga(0), caso.Accesa, true);
    Elenco cestino;
    ColonneLWInviaDocSel(cestino);
    DialoghiScriptati dialoghi;

    EXPECT_EQ(FPicAggiungi(lista, cestino, dialoghi), caso.Stampato);
    EXPECT_EQ(cestino.Conta(), caso.Accettato ? 1 : 0);
    if (caso.Accettato) {
        EXPECT_TRUE(dialoghi.Registrati.isEmpty());
        return;
    }
    ASSERT_EQ(dialoghi.Registrati.size(), 1);
    EXPECT_EQ(dialoghi.Registrati[0].Testo, u"Il documento 01 7 deve essere stampato"_s);
    EXPECT_EQ(dialoghi.Registrati[0].Titolo, u"Errore"_s);
    EXPECT_EQ(dialoghi.Registrati[0].Icona, IconaMessaggio::Informazione);
}

INSTANTIATE_TEST_SUITE_P(Regole, ImmagineDiStampa,
    ::testing::Values(CasoImmagine {"CheckPrinted", Fattura, K::Check, true, true, false, true},
        CasoImmagine {"CheckNoImage", Fattura, K::Check, true, false, true, false},
        CasoImmagine {"CheckNotPrinted", Fattura, K::Check, false, true, true, false},
        CasoImmagine {"FirstForm", Bolla, K::Radio1, true, true, false, true},
        CasoImmagine {"FirstFormNoImage", Bolla, K::Radio1, true, false, true, false},
        CasoImmagine {"SecondFormNeedsSecondImage", Bolla, K::Radio2, true, true, false, false},
        CasoImmagine {"SecondFormWhateverTheFirst", Bolla, K::Radio2, true, false, true, true}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(Cestino, KeepsOneRowPerDocumentWithItsForm)
{
    Elenco lista = ListaDiProva({{Fattura, u"01"_s, 1}, {Bolla, u"B1"_s, 2}, {Bolla, u"B1"_s, 3}});
    DocumentoDellaRiga(lista.Riga(0))->Stampa = u"A"_s;
    ImpostaCella(lista.Riga(0), K::Check, true);
    ImpostaCella(lista.Riga(1), K::Radio2, true);
    Elenco cestino;
    ColonneLWInviaDocSel(cestino);
    DialoghiScriptati dialoghi;

    FPicAggiungi(lista, cestino, dialoghi);
    FPicAggiungi(lista, cestino, dialoghi);
    ASSERT_EQ(cestino.Conta(), 2);
    EXPECT_EQ(cestino.Riga(0).Chiave, lista.Riga(0).Chiave);
    EXPECT_EQ(cestino.Riga(0).Testo, u"01 1"_s);
    EXPECT_EQ(cestino.Riga(0).TestoColonna(1), u"Alfa srl"_s);
    EXPECT_EQ(Stampa(cestino, 0), u"A"_s);
    EXPECT_EQ(Stampa(cestino, 1), u"C"_s);
    EXPECT_EQ(DocumentoDellaRiga(cestino.Riga(1)), DocumentoDellaRiga(lista.Riga(1)));
    // The marks stay on the list.
    EXPECT_TRUE(RigaSpuntata(lista.Riga(0)));
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
}

TEST(Cestino, AsksOnceAboutADifferentYearAndGoesOnAfterNo)
{
    Elenco lista = ListaDiProva(
        {{Fattura, u"01"_s, 1, 2023}, {Fattura, u"01"_s, 2, 2024}, {Fattura, u"01"_s, 3, 2024}});
    Elenco cestino;
    ColonneLWInviaDocSel(cestino);
    DialoghiScriptati dialoghi;
    ImpostaCella(lista.Riga(0), K::Check, true);
    FPicAggiungi(lista, cestino, dialoghi);
    ASSERT_EQ(cestino.Conta(), 1);

    ImpostaCella(lista.Riga(1), K::Check, true);
    ImpostaCella(lista.Riga(2), K::Check, true);
    dialoghi.Risposte.append({Risposta::No, Risposta::Si});
    FPicAggiungi(lista, cestino, dialoghi);
    ASSERT_EQ(dialoghi.Registrati.size(), 2);
    EXPECT_EQ(dialoghi.Registrati[0].Testo,
        u"L'anno del documento 01 2 è diverso da quelli già selezionati. Continui?"_s);
    EXPECT_EQ(dialoghi.Registrati[0].Pulsanti, PulsantiMessaggio::SiNo);
    EXPECT_TRUE(dialoghi.Registrati[0].Titolo.isEmpty());
    EXPECT_EQ(dialoghi.Registrati[1].Testo,
        u"L'anno del documento 01 3 è diverso da quelli già selezionati. Continui?"_s);
    ASSERT_EQ(cestino.Conta(), 2);
    EXPECT_EQ(cestino.Riga(1).Testo, u"01 3"_s);
}

TEST(Cestino, TrashRemovesTickedRowsAndReportsEmptiness)
{
    Elenco lista
        = ListaDiProva({{Fattura, u"01"_s, 1}, {Fattura, u"01"_s, 2}, {Fattura, u"01"_s, 3}});
    Elenco cestino;
    DialoghiScriptati dialoghi;
    for (int i = 0; i < 3; ++i)
        ImpostaCella(lista.Riga(i), K::Check, true);
    FPicAggiungi(lista, cestino, dialoghi);
    cestino.Riga(0).Spuntata = true;
    cestino.Riga(1).Spuntata = true;
    EXPECT_TRUE(TDocSelCestino(cestino));
    ASSERT_EQ(cestino.Conta(), 1);
    EXPECT_EQ(cestino.Riga(0).Testo, u"01 3"_s);
    cestino.Riga(0).Spuntata = true;
    EXPECT_FALSE(TDocSelCestino(cestino));
}

TEST(LeggiDocumentiSelezionati, TakesMarksThenTheBasket)
{
    Elenco lista = ListaDiProva({{Fattura, u"01"_s, 1, 2024, true, false, true},
        {Bolla, u"B1"_s, 2, 2024, true, true, false}, {Bolla, u"B1"_s, 3, 2024, true, true, true},
        {Fattura, u"01"_s, 4}});
    DocumentoDellaRiga(lista.Riga(0))->Stampa = u"A"_s;
    ImpostaCella(lista.Riga(0), K::Check, true);
    ImpostaCella(lista.Riga(1), K::Radio2, true);
    ImpostaCella(lista.Riga(2), K::Radio1, true);

    Elenco cestino;
    RigaElenco inCestino;
    inCestino.Chiave = lista.Riga(1).Chiave;
    inCestino.Tag = DocumentoDellaRiga(lista.Riga(1));
    inCestino.CellaA(2) = {K::Stampa, u"B"_s, {}, {}, {}, {}, false};
    cestino.Aggiungi(inCestino);
    auto altro = NuovoDocumento({Fattura, u"09"_s, 9});
    RigaElenco soloCestino;
    soloCestino.Chiave = u"FATT.|09|9|2024|"_s;
    soloCestino.Tag = altro;
    soloCestino.CellaA(2) = {K::Stampa, u"X"_s, {}, {}, {}, {}, false};
    cestino.Aggiungi(soloCestino);

    const auto selezionati = LeggiDocumentiSelezionati(lista, &cestino);
    ASSERT_EQ(selezionati.size(), 4);
    const Documento& check = *selezionati[0].Documento;
    EXPECT_FALSE(check.Stampato);
    EXPECT_EQ(check.StampaPDF, u"A"_s);
    const Documento& seconda = *selezionati[1].Documento;
    EXPECT_FALSE(seconda.Stampato);
    EXPECT_EQ(seconda.Stampa, u"C"_s);
    EXPECT_EQ(seconda.StampaPDF, u"C"_s);
    const Documento& prima = *selezionati[2].Documento;
    EXPECT_TRUE(prima.Stampato);
    EXPECT_EQ(prima.StampaPDF, u"B"_s);
    EXPECT_EQ(selezionati[3].Chiave, u"FATT.|09|9|2024|"_s);
    EXPECT_EQ(altro->StampaPDF, u"X"_s);

    EXPECT_EQ(LeggiDocumentiSelezionati(lista, nullptr).size(), 3);
}

TEST(LeggiDocumentiDaInviareSelezionati, TakesTickedCheckRowsWithTheirSendAddress)
{
    Elenco lista = ListaDiProva(
        {{Fattura, u"01"_s, 1}, {Bolla, u"B1"_s, 2}, {Fattura, u"01"_s, 3}, {Fattura, u"01"_s, 4}},
        true);
    ImpostaCella(lista.Riga(0), K::Check, true);
    ImpostaCella(lista.Riga(1), K::Radio1, true);
    ImpostaCella(lista.Riga(3), K::Check, true);
    // The address of row 3 was edited to an e-mail address.
    auto copia = lista.Riga(3).Celle[1].TagCome<ClientePtr>();
    copia->Email = u"a@b.it"_s;
    lista.Riga(3).Celle[1].Testo = copia->Email;

    const auto selezionati = LeggiDocumentiDaInviareSelezionati(lista);
    ASSERT_EQ(selezionati.size(), 2);
    EXPECT_EQ(selezionati[0].Chiave, lista.Riga(0).Chiave);
    EXPECT_TRUE(selezionati[0].Dati.DaStampare);
    EXPECT_EQ(selezionati[0].Dati.TipoInvio(), u"STAMPA"_s);
    EXPECT_EQ(selezionati[0].Dati.Documento, DocumentoDellaRiga(lista.Riga(0)));
    EXPECT_FALSE(selezionati[1].Dati.DaStampare);
    EXPECT_EQ(selezionati[1].Dati.Cliente, copia);
    EXPECT_EQ(selezionati[1].Dati.TipoInvio(), u"EMAIL"_s);
}

TEST(TogliCheckDocumenti, ClearsEverySelectionCell)
{
    Elenco lista = ListaDiProva({{Fattura}, {Bolla, u"B1"_s, 2}});
    ImpostaCella(lista.Riga(0), K::Check, true);
    ImpostaCella(lista.Riga(1), K::Radio1, true);
    TogliCheckDocumenti(lista);
    EXPECT_FALSE(RigaSpuntata(lista.Riga(0)));
    EXPECT_FALSE(RigaSpuntata(lista.Riga(1)));
}

// Select-all of the to-send list: rows given as (printed, on).
struct CasoSelezionaTutti {
    const char* Nome;
    QList<std::pair<bool, bool>> Righe;
    QList<bool> Attese;
};

class SelezionaTutti : public ::testing::TestWithParam<CasoSelezionaTutti> { };

TEST_P(SelezionaTutti, TurnsOnThePrintedOrEverythingOff)
{
    const CasoSelezionaTutti& caso = GetParam();
    QList<DatiDocumento> dati;
    for (int i = 0; i < caso.Righe.size(); ++i)
        dati.append({Fattura, u"01"_s, i + 1, 2024, caso.Righe[i].first});
    Elenco lista = ListaDiProva(dati, true);
    for (int i = 0; i < caso.Righe.size(); ++i)
        ImpostaCella(lista.Riga(i), K::Check, caso.Righe[i].second);
    SelezionaTuttiDaInviare(lista, 5);
    QList<bool> accese;
    for (const auto& riga : lista.Righe())
        accese.append(RigaSpuntata(riga));
    EXPECT_EQ(accese, caso.Attese);
}

INSTANTIATE_TEST_SUITE_P(Casi, SelezionaTutti,
    ::testing::Values(CasoSelezionaTutti {"NoneOn", {{true, false}, {false, false}, {true, false}},
                          {true, false, true}},
        CasoSelezionaTutti {
            "AllPrintedOn", {{true, true}, {false, false}, {true, true}}, {false, false, false}},
        CasoSelezionaTutti {"SomeOn", {{true, true}, {true, false}}, {true, true}}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

} // namespace
