#include "app/FSelezionaCliente.h"

#include "forms/ElencoView.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<ArchivioSerie> ArchivioCon(const QStringList& tipi)
{
    auto archivio = std::make_shared<ArchivioSerie>();
    for (const QString& tipo : tipi)
        archivio->VociSerie.append({QString(), QString(), tipo, QString()});
    archivio->VociSerie.append({u"FA"_s, u"Fatture Italia"_s, u"FATTURE EMESSE"_s, u"FATT."_s});
    return archivio;
}

class FinestraPrincipale : public ::testing::Test {
protected:
    void Apri(const QStringList& tipi)
    {
        globali.Archivio = ArchivioCon(tipi);
        finestra = std::make_unique<FSelezionaCliente>(globali, dialoghi, orologio);
        finestra->resize(1400, 900);
        finestra->Carica({u"ufficio@alvani.it"_s, u"Ufficio vendite"_s});
        finestra->CaricaTipiDocumento();
        finestra->ApriVistaIniziale();
    }
    PannelliPrincipali& P() { return finestra->Pannelli(); }

    Invexo_Main globali;
    DialoghiScriptati dialoghi;
    OrologioFisso orologio {QDateTime(QDate(2026, 3, 10), QTime(9, 30))};
    std::unique_ptr<FSelezionaCliente> finestra;
};

const QStringList TipiComuni {u"FATTURE EMESSE"_s, u"BOLLE DI VENDITA"_s, u"DA INVIARE"_s,
    u"CREDEMTEL - INVIO DOCUMENTI"_s, u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI REMOTE"_s};

TEST_F(FinestraPrincipale, LoadsTypesInEveryComboAndSelectsDeliveryNotes)
{
    Apri(TipiComuni);
    for (QComboBox* combo : P().CombiTipo()) {
        ASSERT_EQ(combo->count(), 5);
        EXPECT_EQ(combo->itemText(4), u"EXPORT MANAGER - ESTRAZIONE DOCUMENTI"_s);
    }
    EXPECT_TRUE(globali.ExportManagerRemoto);
    EXPECT_EQ(P().FCTipoDoc->currentText(), u"BOLLE DI VENDITA"_s);
    EXPECT_EQ(finestra->ServizioCorrente(), u"BOLLE DI VENDITA"_s);
    EXPECT_FALSE(P().FrameSelezionaCliente->isHidden());
}

TEST_F(FinestraPrincipale, WithoutDeliveryNotesNoTypeIsSelected)
{
    Apri({u"FATTURE EMESSE"_s, u"CONFERME"_s});
    EXPECT_EQ(P().FCTipoDoc->currentIndex(), -1);
    EXPECT_TRUE(finestra->ServizioCorrente().isEmpty());
    EXPECT_FALSE(globali.ExportManagerRemoto);
}

TEST_F(FinestraPrincipale, OnlyTheExemptionTypeOpensItsView)
{
    Apri({u"INVIO TELEMATICO DICHIARAZIONI D'ESENZIONE"_s});
    EXPECT_TRUE(P().FrameSelezionaCliente->isHidden());
    EXPECT_FALSE(P().FrameEsenzione->isHidden());
}

TEST_F(FinestraPrincipale, EitherSpellingOfTheListsLabelOpensTheListsView)
{
    for (const QString& etichetta : {u"INVIO TELEMATICO ELENCHI CLIENTI/FORNITORI"_s,
             u"INVIO TELEMATICO ELENCHICLIENTI/FORNITORI"_s}) {
        Apri({etichetta});
        EXPECT_TRUE(P().FrameSelezionaCliente->isHidden()) << etichetta.toStdString();
        EXPECT_FALSE(P().FrameElCliFor->isHidden()) << etichetta.toStdString();
    }
}

TEST_F(FinestraPrincipale, ToSendGoesThroughItsComboAndAnotherTypeComesBack)
{
    Apri(TipiComuni);
    finestra->SelezionaTipo(P().FCTipoDoc, 2);
    EXPECT_EQ(P().RicCTipoDocDaInviare->currentText(), u"DA INVIARE"_s);
    EXPECT_FALSE(P().FrameRicercaDocumentiDaInviare->isHidden());
    EXPECT_TRUE(P().FrameSelezionaCliente->isHidden());

    finestra->SelezionaTipo(P().RicCTipoDocDaInviare, 0);
    EXPECT_EQ(P().FCTipoDoc->currentText(), u"FATTURE EMESSE"_s);
    EXPECT_FALSE(P().FrameSelezionaCliente->isHidden());
    EXPECT_TRUE(P().FrameRicercaDocumentiDaInviare->isHidden());
    EXPECT_EQ(P().FCSerieDoc->count(), 2);
    EXPECT_EQ(P().FCSerieDoc->itemText(1), u"FA Fatture Italia"_s);
}

TEST_F(FinestraPrincipale, LeavingCredemtelEmptiesTheBasketAfterTheMessage)
{
    Apri(TipiComuni);
    finestra->SelezionaTipo(P().FCTipoDoc, 3);
    for (int i = 0; i < 3; ++i) {
        RigaElenco riga;
        riga.Testo = QString::number(i);
        P().InviaDocSel.Aggiungi(riga);
    }
    P().FrameInviaDocumenti->show();
    finestra->SelezionaTipo(P().FCTipoDoc, 0);
    EXPECT_EQ(
        dialoghi.Testi(), QStringList {u"La lista dei documenti selezionati verrà cancellata"_s});
    EXPECT_EQ(P().InviaDocSel.Conta(), 0);
    EXPECT_TRUE(P().FrameInviaDocumenti->isHidden());
}

TEST_F(FinestraPrincipale, ToSendCategoryRowsFollowTheSendOptions)
{
    const auto visibili = [this] {
        std::vector<bool> righe;
        for (QRadioButton* opzione : P().optDaInviare)
            righe.push_back(!opzione->isHidden());
        return righe;
    };
    Apri(TipiComuni);
    globali.Archivio->InvioConferme = true;
    finestra->ResizeRigheDaInviare();
    EXPECT_EQ(visibili(), (std::vector<bool> {false, false, false, false, false, true}));
    globali.Archivio->InvioFatture = true;
    finestra->ResizeRigheDaInviare();
    EXPECT_EQ(visibili(), (std::vector<bool> {true, true, true, true, true, true}));
    globali.Archivio->InvioConferme = false;
    finestra->ResizeRigheDaInviare();
    EXPECT_EQ(visibili(), (std::vector<bool> {true, true, false, true, true, true}));
}

TEST_F(FinestraPrincipale, LoadFillsYearsPeriodsAndSenders)
{
    Apri(TipiComuni);
    EXPECT_EQ(P().FAnno->count(), 4);
    EXPECT_EQ(P().FAnno->itemText(0), u"2024"_s);
    EXPECT_EQ(P().FAnno->itemText(3), u"2027"_s);
    EXPECT_EQ(P().FAnno->currentIndex(), -1);
    EXPECT_EQ(P().FCPeriodoAAElCliFor->currentText(), u"2026"_s);
    // Fifteen days before 10 March 2026 is 23 February.
    EXPECT_EQ(P().FCPeriodo[0].Giorno->currentText(), u"23"_s);
    EXPECT_EQ(P().FCPeriodo[0].Mese->currentText(), u"feb"_s);
    EXPECT_EQ(P().FCPeriodo[1].Giorno->currentText(), u"10"_s);
    EXPECT_EQ(P().FCPeriodoExport[1].Mese->currentText(), u"mar"_s);
    EXPECT_EQ(P().EmailTxtMittentePrivacy->text(), u"ufficio@alvani.it"_s);
    EXPECT_EQ(P().FaxTxtMittenteDaInviare->text(), u"Ufficio vendite"_s);
}

TEST_F(FinestraPrincipale, RewindAsksBeforeEmptyingTheBasketAndReselectsDeliveryNotes)
{
    Apri(TipiComuni);
    finestra->SelezionaTipo(P().FCTipoDoc, 0);
    P().FTextNominativo->setText(u"Rossi"_s);
    RigaElenco riga;
    riga.Testo = u"doc"_s;
    P().InviaDocSel.Aggiungi(riga);
    dialoghi.Risposte.enqueue(Risposta::No);
    finestra->FPicRewind_Click();
    EXPECT_EQ(dialoghi.Testi(), QStringList {u"Eliminare i documenti selezionati?"_s});
    EXPECT_EQ(P().InviaDocSel.Conta(), 1);
    EXPECT_TRUE(P().FTextNominativo->text().isEmpty());
    EXPECT_EQ(P().FCTipoDoc->currentText(), u"BOLLE DI VENDITA"_s);

    dialoghi.Risposte.enqueue(Risposta::Si);
    finestra->FPicRewind_Click();
    EXPECT_EQ(P().InviaDocSel.Conta(), 0);
}

TEST_F(FinestraPrincipale, CloseBoxFollowsTheDebugAndShellFlags)
{
    TempRoot cartella;
    const QString temporaneo = cartella.File(u"docmail"_s);
    QFile(temporaneo).open(QIODevice::WriteOnly);

    globali.ModoShell = true;
    Apri(TipiComuni);
    finestra->show();
    globali.FileDaCancellare.append(temporaneo);
    EXPECT_FALSE(finestra->close()) << "the shell keeps the program running";
    EXPECT_TRUE(finestra->isHidden());
    EXPECT_TRUE(QFile::exists(temporaneo));

    globali.ModoDebug = true;
    EXPECT_TRUE(finestra->close());
    EXPECT_EQ(dialoghi.Testi(), QStringList {u"DEBUG MODE - Il programma viene chiuso!"_s});
    EXPECT_FALSE(QFile::exists(temporaneo));
    EXPECT_TRUE(globali.FileDaCancellare.isEmpty());
}

TEST_F(FinestraPrincipale, ClosingFromCodeIgnoresTheShellFlag)
{
    globali.ModoShell = true;
    Apri(TipiComuni);
    finestra->show();
    finestra->ChiudiDaCodice();
    EXPECT_FALSE(finestra->isVisible());
    EXPECT_TRUE(dialoghi.Testi().isEmpty());
}

} // namespace
