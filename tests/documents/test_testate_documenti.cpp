#include "ListaDiProva.h"

#include "documents/CellaCliccata.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"
#include "documents/TestateDocumenti.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace P = PosizioniDocumenti;

namespace {

QList<int> Numeri(const Elenco& lista)
{
    QList<int> numeri;
    for (const auto& riga : lista.Righe())
        numeri.append(DocumentoDellaRiga(riga)->Numero);
    return numeri;
}

Elenco TreDate()
{
    Elenco lista = ListaDiProva({{u"FATTURE EMESSE"_s, u"01"_s, 1, 2024},
        {u"FATTURE EMESSE"_s, u"01"_s, 2, 2022}, {u"FATTURE EMESSE"_s, u"01"_s, 3, 2023}});
    return lista;
}

TEST(Testate, DataHeaderTwiceSortsByDateDescending)
{
    Elenco lista = TreDate();
    SegniTestate segni = SegniIniziali(ListaDocumenti::Documenti);
    EXPECT_EQ(
        ClickTestata(lista, ListaDocumenti::Documenti, 4, false, segni), AzioneTestata::Ordinata);
    EXPECT_EQ(lista.ColonnaOrdinamento(), P::DataSort);
    EXPECT_EQ(Numeri(lista), (QList<int> {2, 3, 1}));
    ClickTestata(lista, ListaDocumenti::Documenti, 4, false, segni);
    EXPECT_TRUE(lista.Discendente());
    EXPECT_EQ(Numeri(lista), (QList<int> {1, 3, 2}));
}

TEST(Testate, OnlyTheClickedHeaderShowsTheSortedMark)
{
    Elenco lista = TreDate();
    SegniTestate segni = SegniIniziali(ListaDocumenti::Documenti);
    EXPECT_EQ(segni.keys(), (QList<int> {1, 2, 3, 4, 7}));
    ClickTestata(lista, ListaDocumenti::Documenti, 3, false, segni);
    ClickTestata(lista, ListaDocumenti::Documenti, 7, false, segni);
    EXPECT_EQ(lista.ColonnaOrdinamento(), P::Inviato);
    EXPECT_FALSE(lista.Discendente());
    for (auto segno = segni.cbegin(); segno != segni.cend(); ++segno)
        EXPECT_EQ(*segno, segno.key() == 7 ? u"SORTED"_s : u"UNSORTED"_s) << segno.key();
}

struct CasoTestata {
    const char* Nome;
    ListaDocumenti Lista;
    int Etichetta;
    bool Credemtel;
    AzioneTestata Azione;
    int Colonna;
};

class AzioneDellaTestata : public ::testing::TestWithParam<CasoTestata> { };

TEST_P(AzioneDellaTestata, ByLabelAndList)
{
    const CasoTestata& caso = GetParam();
    Elenco lista = TreDate();
    SegniTestate segni = SegniIniziali(caso.Lista);
    const SegniTestate prima = segni;
    EXPECT_EQ(ClickTestata(lista, caso.Lista, caso.Etichetta, caso.Credemtel, segni), caso.Azione);
    if (caso.Azione == AzioneTestata::Ordinata) {
        EXPECT_EQ(lista.ColonnaOrdinamento(), caso.Colonna);
    } else {
        EXPECT_FALSE(lista.Ordinato());
        EXPECT_EQ(segni, prima);
    }
}

INSTANTIATE_TEST_SUITE_P(Etichette, AzioneDellaTestata,
    ::testing::Values(
        CasoTestata {"Name", ListaDocumenti::Documenti, 1, false, AzioneTestata::Ordinata, 0},
        CasoTestata {"Agent", ListaDocumenti::DaInviare, 2, false, AzioneTestata::Ordinata, 1},
        CasoTestata {"Document", ListaDocumenti::DaInviare, 3, false, AzioneTestata::Ordinata, 3},
        CasoTestata {
            "SentNotInToSend", ListaDocumenti::DaInviare, 7, false, AzioneTestata::Nessuna, 0},
        CasoTestata {
            "SelectAll", ListaDocumenti::DaInviare, 5, false, AzioneTestata::SelezionaTutti, 0},
        CasoTestata {
            "Credemtel", ListaDocumenti::Documenti, 5, true, AzioneTestata::SpuntaTutti, 0},
        CasoTestata {
            "SelectionElsewhere", ListaDocumenti::Documenti, 5, false, AzioneTestata::Nessuna, 0},
        CasoTestata {"Other", ListaDocumenti::Documenti, 6, false, AzioneTestata::Nessuna, 0}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(TrovaCellaCliccata, NamesTheCellOrNothing)
{
    const Elenco lista = TreDate();
    const auto check = TrovaCellaCliccata(lista, 1, P::Sel);
    ASSERT_TRUE(check.has_value());
    EXPECT_EQ(check->Chiave, u"CHECK"_s);
    EXPECT_EQ(check->Riga, 1);
    EXPECT_EQ(TrovaCellaCliccata(lista, 0, P::Data)->Chiave, u"KData"_s);
    EXPECT_TRUE(TrovaCellaCliccata(lista, 0, P::Agente)->Chiave.isEmpty());
    EXPECT_FALSE(TrovaCellaCliccata(lista, 0, 0));
    EXPECT_FALSE(TrovaCellaCliccata(lista, 3, P::Sel));
    EXPECT_FALSE(TrovaCellaCliccata(lista, -1, P::Sel));
    EXPECT_FALSE(TrovaCellaCliccata(lista, 0, 15));
}

} // namespace
