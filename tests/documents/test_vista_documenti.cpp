// A user's walk through the documents views on the demo server, offscreen.
#include "app/AvvioSessione.h"
#include "app/FSelezionaCliente.h"
#include "documents/ApritoreFile.h"
#include "documents/ChiaviDocumenti.h"
#include "documents/FormRicercaCliente.h"
#include "documents/VistaDocumenti.h"
#include "forms/ElencoView.h"
#include "orbeni/local/CreaLibreria.h"
#include "platform/Orologio.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ApritoreRegistrato final : public ApritoreFile {
public:
    bool Apri(const QString& percorso) override
    {
        Aperti.append(percorso);
        return true;
    }
    QStringList Aperti;
};

class VistaSuDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto libreria
            = CreaLibreria(u"local:"_s + temp.File(u"server"_s), dialoghi, temp.Percorso());
        ASSERT_TRUE(libreria);
        globali.IndirizzoServer = u"local:"_s + temp.File(u"server"_s);
        globali.CodiceAzienda = u"01"_s;
        globali.NomePC = u"PC001"_s;
        globali.Servizi = libreria->Servizi;
        globali.Ambiente = libreria->Ambiente;
        globali.CodiceUtente = u"demo"_s;
        ASSERT_TRUE(ApriSessione(globali, dialoghi));
        ASSERT_FALSE(CaricaArchivioSerie(globali).has_value());
        finestra = std::make_unique<FSelezionaCliente>(globali, dialoghi, orologio);
        vista = new VistaDocumenti(*finestra, globali, dialoghi, apritore);
        finestra->resize(1500, 950);
        finestra->Carica({});
        finestra->CaricaTipiDocumento();
        finestra->show();
    }

    void Scegli(const QString& etichetta)
    {
        const int posizione = P().FCTipoDoc->findText(etichetta);
        ASSERT_GE(posizione, 0) << etichetta.toStdString();
        finestra->SelezionaTipo(P().FCTipoDoc, posizione);
    }
    // The whole demo period: from the start of the first year offered to today.
    void PeriodoAmpio()
    {
        P().FCPeriodo[0].Giorno->setCurrentIndex(0);
        P().FCPeriodo[0].Mese->setCurrentIndex(0);
        P().FCPeriodo[0].Anno->setCurrentIndex(0);
    }
    QStringList Colonna(const Elenco& elenco, int colonna) const
    {
        QStringList testi;
        for (const RigaElenco& riga : elenco.Righe())
            testi.append(riga.TestoColonna(colonna));
        return testi;
    }
    void Fotografa(const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("INVEXO_SCREENSHOT_DIR");
        if (!cartella.isEmpty())
            finestra->grab().save(cartella + u"/"_s + nome + u".png"_s);
    }
    PannelliPrincipali& P() { return finestra->Pannelli(); }

    TempRoot temp;
    DialoghiScriptati dialoghi;
    OrologioFisso orologio {QDateTime(QDate::currentDate(), QTime(10, 0))};
    ApritoreRegistrato apritore;
    Invexo_Main globali;
    std::unique_ptr<FSelezionaCliente> finestra;
    VistaDocumenti* vista = nullptr;
};

TEST_F(VistaSuDemo, InvoicesOfTwoCustomersSortedTickedAddedRemovedAndOpened)
{
    Scegli(u"FATTURE EMESSE"_s);

    // Two customers found by name join the selection.
    P().FTextNominativo->setText(u"T"_s);
    int trovati = 0;
    vista->MostraRicercaCliente = [&](FormRicercaCliente& form) {
        trovati = form.Nominativi().Conta();
        for (int i = 0; i < std::min(2, trovati); ++i)
            form.Nominativi().Riga(i).Spuntata = true;
        form.FPicConferma_Click();
    };
    vista->FPicRicercaNominativo_Click();
    ASSERT_GE(trovati, 2);
    EXPECT_EQ(globali.ClientiSelezionati.size(), 2);
    EXPECT_EQ(P().NomSel.Conta(), 2);
    EXPECT_FALSE(P().FrameNomSel->isHidden());
    EXPECT_TRUE(finestra->Barra().EliminaVisibile);

    PeriodoAmpio();
    vista->FPicRicercaDocumento_Click();
    Elenco& documenti = P().Documenti;
    ASSERT_GT(documenti.Conta(), 1);
    EXPECT_FALSE(P().FrameDocumenti->isHidden());
    const QStringList selezionati {
        globali.ClientiSelezionati[0]->Nominativo, globali.ClientiSelezionati[1]->Nominativo};
    for (const QString& nominativo : Colonna(documenti, 0))
        EXPECT_TRUE(selezionati.contains(nominativo)) << nominativo.toStdString();
    EXPECT_TRUE(finestra->Barra().Bottoni[StatoBarraDestra::Aggiungi].Visibile);

    // The date header twice: ascending, then descending.
    vista->TestataCliccata(ListaDocumenti::Documenti, 4);
    QStringList date = Colonna(documenti, 7);
    QStringList ordinate = date;
    std::sort(ordinate.begin(), ordinate.end());
    EXPECT_EQ(date, ordinate);
    EXPECT_EQ(documenti.Colonne[4].IconaIntestazione, u"SORTED"_s);
    EXPECT_EQ(documenti.Colonne[0].IconaIntestazione, u"UNSORTED"_s);
    vista->TestataCliccata(ListaDocumenti::Documenti, 4);
    date = Colonna(documenti, 7);
    std::reverse(ordinate.begin(), ordinate.end());
    EXPECT_EQ(date, ordinate);

    // Tick every row, add them: the unprinted ones are reported, the printed ones go in.
    for (int riga = 0; riga < documenti.Conta(); ++riga)
        vista->CellaDocumenti(riga, 5);
    EXPECT_EQ(documenti.Riga(0).Cella(ChiaviDocumenti::Check)->Icona, u"CHKON"_s);
    // Every document of another year than the basket's asks; all are taken.
    for (int riga = 0; riga < documenti.Conta(); ++riga)
        dialoghi.Risposte.enqueue(Risposta::Si);
    vista->FPicAggiungi_Click();
    const auto nonStampati = std::count_if(dialoghi.Registrati.cbegin(), dialoghi.Registrati.cend(),
        [](const auto& r) { return r.Testo.endsWith(u" deve essere stampato"_s); });
    EXPECT_GT(nonStampati, 0) << "the demo has invoices without their print image";
    EXPECT_EQ(P().InviaDocSel.Conta(), documenti.Conta() - nonStampati);
    EXPECT_EQ(P().FrameInviaDocumenti->isHidden(), P().InviaDocSel.Conta() == 0);
    Fotografa(u"documenti-e-cestino"_s);

    // The trash takes the ticked basket rows away.
    if (P().InviaDocSel.Conta() > 0) {
        P().InviaDocSel.Riga(0).Spuntata = true;
        const int prima = P().InviaDocSel.Conta();
        vista->TDocSelCestino_Click();
        EXPECT_EQ(P().InviaDocSel.Conta(), prima - 1);
    }

    // A double click opens the PDF of a printed document.
    for (int riga = 0; riga < documenti.Conta(); ++riga) {
        const auto documento = documenti.Riga(riga).TagCome<DocumentoPtr>();
        if (documento && documento->Stampato1) {
            vista->DoppioClickDocumenti(riga);
            break;
        }
    }
    ASSERT_EQ(apritore.Aperti.size(), 1);
    QFile pdf(apritore.Aperti.first());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF-"));
    EXPECT_TRUE(globali.FileDaCancellare.contains(apritore.Aperti.first()));

    // Forgetting the customers hides their panel.
    vista->FPicElimina_Click();
    EXPECT_TRUE(globali.ClientiSelezionati.isEmpty());
    EXPECT_TRUE(P().FrameNomSel->isHidden());
}

TEST_F(VistaSuDemo, ToSendListShowsEachRowsSendAddress)
{
    Scegli(u"DA INVIARE"_s);
    EXPECT_FALSE(P().FrameRicercaDocumentiDaInviare->isHidden());
    PeriodoAmpio();
    vista->FPicRicercaDocumentoDaInviare_Click();
    Elenco& daInviare = P().DocumentiDaInviare;
    ASSERT_GT(daInviare.Conta(), 0);
    EXPECT_FALSE(P().FrameDocumentiDaInviare->isHidden());
    EXPECT_TRUE(finestra->Barra().Bottoni[StatoBarraDestra::Stampa].Visibile);
    bool stampa = false;
    for (const RigaElenco& riga : daInviare.Righe()) {
        const CellaElenco& indirizzo = riga.Celle.value(1);
        EXPECT_FALSE(indirizzo.Testo.isEmpty());
        EXPECT_TRUE(indirizzo.TagCome<ClientePtr>());
        if (indirizzo.Testo == u"STAMPA"_s) {
            stampa = true;
            EXPECT_EQ(indirizzo.Colore, QColor(Qt::red));
        }
    }
    EXPECT_TRUE(stampa) << "the demo has customers with neither e-mail nor fax";
    Fotografa(u"da-inviare"_s);
}

} // namespace
