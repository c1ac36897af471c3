#include "documents/ColonneDocumenti.h"
#include "orbeni/Risultati.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList Chiavi(const Elenco& lista)
{
    QStringList chiavi;
    for (const auto& colonna : lista.Colonne)
        chiavi.append(colonna.Chiave);
    return chiavi;
}

int Larghezza(const Elenco& lista, const QString& chiave)
{
    return lista.Colonne[lista.IndiceColonna(chiave)].LarghezzaTwips;
}

TEST(ColonneDocumenti, DesignColumnsOfBothLists)
{
    Elenco documenti;
    ColonneLWDocumenti(documenti);
    EXPECT_EQ(Chiavi(documenti),
        (QStringList {u"KNominativo"_s, u"KAgente"_s, u"KTipo"_s, u"KDocumento"_s, u"KData"_s,
            u"KSel"_s, u"KSel2"_s, u"DATA_SORT"_s, u"KBollo"_s, u"KInviato"_s, u"KDataInvio"_s,
            u"KMittente"_s, u"KNote"_s, u"KModifica"_s, u"KCancella"_s}));
    QList<int> larghezze;
    QStringList intestazioni;
    for (const auto& colonna : documenti.Colonne) {
        larghezze.append(colonna.LarghezzaTwips);
        intestazioni.append(colonna.Intestazione);
    }
    EXPECT_EQ(
        larghezze, (QList<int> {3500, 2700, 670, 1000, 1200, 300, 300, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(intestazioni,
        (QStringList {u"Nominativo"_s, u"Agente"_s, {}, u"Documento"_s, u"Data"_s, u"Selez. Doc."_s,
            u"Selez. Doc."_s, {}, u"Bollo"_s, u"Inviato"_s, u"Data invio"_s, u"Inviato da"_s,
            u"Note"_s, u"Mod"_s, {}}));

    Elenco daInviare;
    ColonneLWDocumentiDaInviare(daInviare);
    EXPECT_EQ(Chiavi(daInviare), Chiavi(documenti).mid(0, 8));
    EXPECT_EQ(daInviare.Colonne[1].Intestazione, u"Parametri Invio"_s);
}

// Widths after a search, by label and options. -1: the design width stays.
struct CasoLarghezze {
    const char* Nome;
    QString Etichetta;
    bool InvioFatture;
    bool AnnotaFatture;
    bool AnnotaBolle;
    bool ModificaInWord;
    int Agente, Tipo, Documento, Inviato, DataInvio, Mittente, Note, Modifica, Cancella;
};

class LarghezzeDopoRicerca : public ::testing::TestWithParam<CasoLarghezze> { };

TEST_P(LarghezzeDopoRicerca, OpenTheColumnsOfTheLabel)
{
    const CasoLarghezze& caso = GetParam();
    ArchivioSerie opzioni;
    opzioni.InvioFatture = caso.InvioFatture;
    opzioni.AnnotaFatture = caso.AnnotaFatture;
    opzioni.AnnotaBolle = caso.AnnotaBolle;
    opzioni.ModificaInWord = caso.ModificaInWord;
    Elenco lista;
    ColonneLWDocumenti(lista);
    LarghezzeLWDocumenti(lista, caso.Etichetta, opzioni);
    const QList<int> attese {caso.Agente, caso.Tipo, caso.Documento, caso.Inviato, caso.DataInvio,
        caso.Mittente, caso.Note, caso.Modifica, caso.Cancella};
    const QStringList chiavi {u"KAgente"_s, u"KTipo"_s, u"KDocumento"_s, u"KInviato"_s,
        u"KDataInvio"_s, u"KMittente"_s, u"KNote"_s, u"KModifica"_s, u"KCancella"_s};
    for (int i = 0; i < chiavi.size(); ++i)
        EXPECT_EQ(Larghezza(lista, chiavi[i]), attese[i]) << chiavi[i].toStdString();
    EXPECT_EQ(Larghezza(lista, u"KBollo"_s), 0);
}

INSTANTIATE_TEST_SUITE_P(Etichette, LarghezzeDopoRicerca,
    ::testing::Values(CasoLarghezze {"All", u"TUTTI I DOCUMENTI"_s, true, false, false, false, 2700,
                          800, 900, 0, 0, 0, 0, 0, 0},
        CasoLarghezze {"AllNotes", u"TUTTI I DOCUMENTI"_s, false, false, true, false, 2700, 800,
            900, 0, 0, 0, 1400, 300, 300},
        CasoLarghezze {"AllWord", u"TUTTI I DOCUMENTI"_s, false, true, false, true, 2700, 800, 900,
            0, 0, 0, 0, 450, 0},
        CasoLarghezze {"InvoicesSent", u"FATTURE EMESSE"_s, true, false, false, false, 2700, 150,
            1000, 800, 1200, 2050, 0, 0, 0},
        CasoLarghezze {"InvoicesSentNotes", u"FATTURE EMESSE"_s, true, true, false, false, 2500,
            150, 1000, 800, 1200, 2050, 900, 300, 300},
        CasoLarghezze {"ConfirmationsSentWord", u"CONFERME"_s, true, false, false, true, 2500, 150,
            1000, 800, 1200, 2050, 0, 450, 0},
        CasoLarghezze {"CreditNotesSentNoNotes", u"NOTE DI CREDITO EMESSE"_s, true, true, false,
            false, 2700, 150, 1000, 800, 1200, 2050, 0, 0, 0},
        CasoLarghezze {"InvoicesNotSentNotes", u"FATTURE EMESSE"_s, false, true, false, false, 2700,
            0, 1700, 0, 0, 0, 1400, 300, 300},
        CasoLarghezze {"DeliveryNotes", u"BOLLE DI VENDITA"_s, false, false, true, false, 2700, 670,
            1000, 0, 0, 0, 1400, 300, 300},
        CasoLarghezze {"PackingWord", u"PACKING LIST"_s, false, false, true, true, 2700, 670, 1000,
            0, 0, 0, 0, 450, 0},
        CasoLarghezze {"Other", u"BOLLE LAVORAZIONE CCT"_s, true, true, true, true, 2700, 0, 1700,
            0, 0, 0, 0, 0, 0}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

TEST(LarghezzeDopoRicerca, ToSendListClosesTheKindColumn)
{
    Elenco lista;
    ColonneLWDocumentiDaInviare(lista);
    LarghezzeLWDocumentiDaInviare(lista);
    EXPECT_EQ(Larghezza(lista, u"KDocumento"_s), 1700);
    EXPECT_EQ(Larghezza(lista, u"KTipo"_s), 0);
}

} // namespace
