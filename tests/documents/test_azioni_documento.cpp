#include "ListaDiProva.h"
#include "ServiziRegistrati.h"
#include "tests/support/DialoghiScriptati.h"

#include "app/Invexo_Main.h"
#include "documents/ApritoreFile.h"
#include "documents/AzioniDocumento.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/RigheDocumenti.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
namespace K = ChiaviDocumenti;
namespace P = PosizioniDocumenti;

namespace {

const QString Fattura = u"FATTURE EMESSE"_s;
const QString Bolla = u"BOLLE DI VENDITA"_s;

class ApritoreRegistrato final : public ApritoreFile {
public:
    QStringList Aperti;
    bool Apri(const QString& percorso) override
    {
        Aperti.append(percorso);
        return true;
    }
};

QStringList Icone(const RigaElenco& riga)
{
    QStringList icone;
    for (const auto& chiave : {K::Check, K::Radio1, K::Radio2})
        if (const CellaElenco* cella = riga.Cella(chiave))
            icone.append(chiave + u'=' + cella->Icona);
    return icone;
}

class ClickCella : public ::testing::Test {
protected:
    ArchivioSerie opzioni;
    DialoghiScriptati dialoghi;
};

TEST_F(ClickCella, TogglesTheCheckCell)
{
    Elenco lista = ListaDiProva({{Fattura}});
    EXPECT_EQ(
        ClickCellaDocumento(lista, 0, P::Sel, opzioni, dialoghi).Azione, AzioneCella::Selezione);
    EXPECT_EQ(Icone(lista.Riga(0)), QStringList {u"CHECK=CHKON"_s});
    ClickCellaDocumento(lista, 0, P::Sel, opzioni, dialoghi);
    EXPECT_EQ(Icone(lista.Riga(0)), QStringList {u"CHECK=CHKOFF"_s});
}

TEST_F(ClickCella, RadioCellsExcludeEachOtherAndAllowNoForm)
{
    Elenco lista = ListaDiProva({{Bolla}});
    ClickCellaDocumento(lista, 0, P::Sel, opzioni, dialoghi);
    EXPECT_EQ(Icone(lista.Riga(0)), (QStringList {u"RADIO1=CHKON"_s, u"RADIO2=CHKOFF"_s}));
    ClickCellaDocumento(lista, 0, P::Sel2, opzioni, dialoghi);
    EXPECT_EQ(Icone(lista.Riga(0)), (QStringList {u"RADIO1=CHKOFF"_s, u"RADIO2=CHKON"_s}));
    ClickCellaDocumento(lista, 0, P::Sel2, opzioni, dialoghi);
    EXPECT_EQ(Icone(lista.Riga(0)), (QStringList {u"RADIO1=CHKOFF"_s, u"RADIO2=CHKOFF"_s}));
}

TEST_F(ClickCella, NothingOutsideTheCells)
{
    Elenco lista = ListaDiProva({{Fattura}});
    EXPECT_EQ(ClickCellaDocumento(lista, 0, 0, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
    EXPECT_EQ(
        ClickCellaDocumento(lista, 3, P::Sel, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
    EXPECT_EQ(ClickCellaDocumento(lista, 0, 40, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
    EXPECT_EQ(Icone(lista.Riga(0)), QStringList {u"CHECK=CHKOFF"_s});
}

class ClickAnnotazioni : public ClickCella {
protected:
    Elenco Lista(const QString& tipo, const QString& nomePdf)
    {
        opzioni.AnnotaBolle = true;
        opzioni.AnnotaFatture = true;
        Elenco lista = ListaDiProva({{tipo, u"B1"_s, 12, 2023}});
        RigaElenco& riga = lista.Riga(0);
        riga.Celle[P::Note] = {K::KNote, u"prima"_s, {}, u"nota lunga"_s, nomePdf, {}, false};
        riga.Celle[P::Modifica] = {K::KModifica, {}, u"MODIFICA"_s, {}, u"M"_s, {}, false};
        riga.Celle[P::Cancella] = {K::KCancella, {}, u"ELIMINA"_s, {}, u"E"_s, {}, false};
        return lista;
    }
};

TEST_F(ClickAnnotazioni, NoteCellOpensTheVersionsOnlyWithAPdf)
{
    Elenco lista = Lista(Fattura, u"v1.pdf"_s);
    const EsitoClickCella esito = ClickCellaDocumento(lista, 0, P::Note, opzioni, dialoghi);
    EXPECT_EQ(esito.Azione, AzioneCella::Versioni);
    EXPECT_EQ(esito.NomePdf, u"v1.pdf"_s);
    EXPECT_EQ(esito.Note, u"prima"_s);
    EXPECT_EQ(esito.Anno, u"2023"_s);
    EXPECT_EQ(esito.Serie, u"B1"_s);

    Elenco senzaPdf = Lista(Fattura, QString());
    EXPECT_EQ(
        ClickCellaDocumento(senzaPdf, 0, P::Note, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
}

TEST_F(ClickAnnotazioni, ModifyNeedsAFormOnRadioRows)
{
    Elenco lista = Lista(Bolla, u"v1.pdf"_s);
    EXPECT_EQ(
        ClickCellaDocumento(lista, 0, P::Modifica, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
    EXPECT_EQ(dialoghi.Testi(), QStringList {u"Seleziona il tipo del documento"_s});

    ImpostaCella(lista.Riga(0), K::Radio1, true);
    const EsitoClickCella esito = ClickCellaDocumento(lista, 0, P::Modifica, opzioni, dialoghi);
    EXPECT_EQ(esito.Azione, AzioneCella::Modifica);
    EXPECT_EQ(esito.Nominativo, u"Alfa srl"_s);
    EXPECT_EQ(esito.Agente, u"Rossi"_s);
    EXPECT_EQ(esito.TestoDocumento, u"B1 12"_s);
    EXPECT_EQ(esito.Data, u"07/03/2023"_s);
    EXPECT_EQ(esito.NomePdf, u"v1.pdf"_s);
    EXPECT_EQ(esito.ToolTipNote, u"nota lunga"_s);
}

TEST_F(ClickAnnotazioni, DeleteAsksAndDeclineLeavesEverything)
{
    Elenco lista = Lista(u"PDFMOD1"_s, u"v2.pdf"_s);
    dialoghi.Risposte.append({Risposta::No, Risposta::Si});
    EXPECT_EQ(
        ClickCellaDocumento(lista, 0, P::Cancella, opzioni, dialoghi).Azione, AzioneCella::Nessuna);
    const EsitoClickCella esito = ClickCellaDocumento(lista, 0, P::Cancella, opzioni, dialoghi);
    EXPECT_EQ(esito.Azione, AzioneCella::Elimina);
    EXPECT_EQ(esito.NomePdf, u"v2.pdf"_s);
    ASSERT_EQ(dialoghi.Registrati.size(), 2);
    EXPECT_EQ(
        dialoghi.Registrati[0].Testo, u"Le modifiche al documento andranno perse.\rConfermi?"_s);
    EXPECT_EQ(dialoghi.Registrati[0].Pulsanti, PulsantiMessaggio::SiNo);
}

TEST_F(ClickCella, ToSendListRefusesUnprintedDocumentsAndEditsAddresses)
{
    Elenco lista
        = ListaDiProva({{Fattura, u"01"_s, 1, 2024, true, false}, {Fattura, u"01"_s, 2}}, true);
    EXPECT_EQ(ClickCellaDocumentoDaInviare(lista, 0, P::Sel, opzioni, dialoghi).Azione,
        AzioneCella::SegnalaNonStampato);
    EXPECT_EQ(Icone(lista.Riga(0)), QStringList {u"CHECK=CHKOFF"_s});
    EXPECT_EQ(ClickCellaDocumentoDaInviare(lista, 1, P::Sel, opzioni, dialoghi).Azione,
        AzioneCella::Selezione);
    EXPECT_EQ(Icone(lista.Riga(1)), QStringList {u"CHECK=CHKON"_s});
    const EsitoClickCella indirizzo
        = ClickCellaDocumentoDaInviare(lista, 1, P::Agente, opzioni, dialoghi);
    EXPECT_EQ(indirizzo.Azione, AzioneCella::ModificaIndirizzo);
    EXPECT_EQ(indirizzo.Riga, 1);
}

class DoppioClick : public ::testing::Test {
protected:
    DoppioClick()
    {
        servizi = std::make_shared<ServiziRegistrati>();
        servizi->FileDaDare = u"/tmp/doc.pdf"_s;
        sessione.Servizi = servizi;
        sessione.CodiceAzienda = u"01"_s;
    }
    std::shared_ptr<ServiziRegistrati> servizi;
    Invexo_Main sessione;
    DialoghiScriptati dialoghi;
    ApritoreRegistrato apritore;
};

TEST_F(DoppioClick, OpensTheDocumentWithTheChosenForm)
{
    Elenco lista = ListaDiProva({{Bolla, u"B1"_s, 5, 2024, true, true, true}});
    ImpostaCella(lista.Riga(0), K::Radio2, true);
    const auto file = DoppioClickDocumento(lista, 0, Bolla, sessione, dialoghi, apritore);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(apritore.Aperti, QStringList {u"/tmp/doc.pdf"_s});
    EXPECT_EQ(sessione.FileDaCancellare, QStringList {u"/tmp/doc.pdf"_s});
    ASSERT_EQ(servizi->FileChiesti.size(), 1);
    EXPECT_EQ(servizi->FileChiesti[0]->StampaPDF, u"C"_s);
    EXPECT_EQ(servizi->FileChiesti[0]->Stampa, u"C"_s);
    EXPECT_TRUE(dialoghi.Registrati.isEmpty());
}

TEST_F(DoppioClick, AnnotationModeReturnsTheFileWithoutShowingIt)
{
    sessione.ModoAnnotazione = true;
    Elenco lista = ListaDiProva({{Fattura}});
    EXPECT_EQ(
        DoppioClickDocumento(lista, 0, Fattura, sessione, dialoghi, apritore), u"/tmp/doc.pdf"_s);
    EXPECT_TRUE(apritore.Aperti.isEmpty());
}

// Why a double click shows nothing, by row.
struct CasoRifiuto {
    const char* Nome;
    DatiDocumento Dati;
    QString Accesa;
    QString Etichetta;
    QString Messaggio;
};

class DoppioClickRifiutato : public DoppioClick,
                             public ::testing::WithParamInterface<CasoRifiuto> { };

TEST_P(DoppioClickRifiutato, ShowsOnlyItsMessage)
{
    const CasoRifiuto& caso = GetParam();
    Elenco lista = ListaDiProva({caso.Dati});
    if (!caso.Accesa.isEmpty())
        ImpostaCella(lista.Riga(0), caso.Accesa, true);
    EXPECT_FALSE(DoppioClickDocumento(lista, 0, caso.Etichetta, sessione, dialoghi, apritore));
    EXPECT_TRUE(apritore.Aperti.isEmpty());
    EXPECT_TRUE(servizi->FileChiesti.isEmpty());
    EXPECT_EQ(
        dialoghi.Testi(), caso.Messaggio.isEmpty() ? QStringList() : QStringList {caso.Messaggio});
}

INSTANTIATE_TEST_SUITE_P(Casi, DoppioClickRifiutato,
    ::testing::Values(CasoRifiuto {"NoForm", {Bolla, u"B1"_s, 5}, {}, Bolla,
                          u"Seleziona la forma di stampa in Selez. Doc."_s},
        CasoRifiuto {"SecondFormUnprinted", {Bolla, u"B1"_s, 5, 2024, true, true, false}, K::Radio2,
            Bolla, u"Il documento B1 5 deve essere stampato"_s},
        CasoRifiuto {"CheckRowNeedsFirstImage", {Fattura, u"01"_s, 6, 2024, true, false, true}, {},
            Fattura, u"Il documento 01 6 deve essere stampato"_s},
        CasoRifiuto {"Credemtel", {Fattura}, {}, u"CREDEMTEL - INVIO DOCUMENTI"_s, {}}),
    [](const auto& parametro) { return std::string(parametro.param.Nome); });

} // namespace
