// The demo company with its directory, as the program composes it: the to-send list shows the
// directory's addresses, and an address edited in the contact editor goes through the embedded
// contacts web service into the directory, where the next search finds it.
#include "app/AvvioSessione.h"
#include "app/FSelezionaCliente.h"
#include "app/VisteFinestra.h"
#include "contacts/FormRubricaClienteLDAP.h"
#include "documents/VistaDocumenti.h"
#include "orbeni/local/CreaLibreria.h"
#include "platform/Orologio.h"
#include "sending/ParametriInvioDaInviare.h"
#include "tests/contacts/SessioneRubrica.h"
#include "tests/support/DialoghiScriptati.h"
#include "tests/support/TempRoot.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DemoConRubrica : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The program's settings stay inside the test's folder.
        qputenv("XDG_CONFIG_HOME", temp.File(u"config"_s).toUtf8());
        qputenv("INVEXO_RUBRICA_DEMO", DirectoryDiProva().Indirizzo().toUtf8());
        const QString server = u"local:"_s + temp.File(u"server"_s);
        const auto libreria = CreaLibreria(server, dialoghi, temp.Percorso());
        ASSERT_TRUE(libreria);
        AvviaRubricaDemoDaAmbiente(*libreria, u"01"_s);
        globali.IndirizzoServer = server;
        globali.CodiceAzienda = u"01"_s;
        globali.NomePC = u"PC001"_s;
        globali.CodiceUtente = u"demo"_s;
        globali.Servizi = libreria->Servizi;
        globali.Ambiente = libreria->Ambiente;
        ASSERT_TRUE(ApriSessione(globali, dialoghi));
        ASSERT_FALSE(VerificaSessione(globali).has_value());
        ASSERT_FALSE(CaricaArchivioSerie(globali).has_value());
        ASSERT_TRUE(globali.Opzioni().RubricaLdap) << "the demo switched to the directory";

        finestra = std::make_unique<FSelezionaCliente>(globali, dialoghi, orologio);
        InstallaViste(*finestra, globali, dialoghi);
        vista = finestra->findChild<VistaDocumenti*>();
        ASSERT_TRUE(vista);
        finestra->resize(1500, 950);
        finestra->Carica({});
        finestra->CaricaTipiDocumento();
        finestra->show();
    }

    void TearDown() override
    {
        qunsetenv("INVEXO_RUBRICA_DEMO");
        qunsetenv("XDG_CONFIG_HOME");
    }

    PannelliPrincipali& P() { return finestra->Pannelli(); }

    // With INVEXO_SCREENSHOT_DIR set, saves what the user sees for a look by eye.
    static void Fotografa(QWidget& widget, const QString& nome)
    {
        const QString cartella = qEnvironmentVariable("INVEXO_SCREENSHOT_DIR");
        if (!cartella.isEmpty())
            widget.grab().save(cartella + u"/"_s + nome + u".png"_s);
    }

    void CercaDaInviare()
    {
        const int posizione = P().FCTipoDoc->findText(u"DA INVIARE"_s);
        ASSERT_GE(posizione, 0);
        finestra->SelezionaTipo(P().FCTipoDoc, posizione);
        P().FCPeriodo[0].Giorno->setCurrentIndex(0);
        P().FCPeriodo[0].Mese->setCurrentIndex(0);
        P().FCPeriodo[0].Anno->setCurrentIndex(0);
        vista->FPicRicercaDocumentoDaInviare_Click();
        ASSERT_GT(P().DocumentiDaInviare.Conta(), 0);
    }

    // The first invoice row sent by e-mail to the customer's own contacts only (the other
    // subjects of a document add their contacts' addresses).
    int RigaFatturaConEmail()
    {
        const Elenco& righe = P().DocumentiDaInviare;
        for (int i = 0; i < righe.Conta(); ++i) {
            const auto documento = righe.Riga(i).TagCome<DocumentoPtr>();
            if (documento && documento->Sigla == u"FATT."_s
                && documento->AltriCodici.trimmed().isEmpty() && Indirizzo(i).contains(u'@'))
                return i;
        }
        return -1;
    }
    QString Sigla(int riga)
    {
        const auto documento = P().DocumentiDaInviare.Riga(riga).TagCome<DocumentoPtr>();
        return documento ? documento->Sigla : QString();
    }
    QString Indirizzo(int riga)
    {
        return P().DocumentiDaInviare.Riga(riga).TestoColonna(ColonnaParametriInvio);
    }
    QString CodiceCliente(int riga)
    {
        const auto cliente = P().DocumentiDaInviare.Riga(riga)
                                 .Celle.value(ColonnaParametriInvio)
                                 .TagCome<ClientePtr>();
        return cliente ? cliente->Codice : QString();
    }

    TempRoot temp;
    DialoghiScriptati dialoghi;
    OrologioFisso orologio {QDateTime(QDate::currentDate(), QTime(10, 0))};
    Invexo_Main globali;
    std::unique_ptr<FSelezionaCliente> finestra;
    VistaDocumenti* vista = nullptr;
};

TEST_F(DemoConRubrica, ToSendAddressesComeFromTheDirectoryAndAnEditIsKept)
{
    CercaDaInviare();
    const int riga = RigaFatturaConEmail();
    ASSERT_GE(riga, 0) << "the demo has invoices to send by e-mail";
    EXPECT_TRUE(Indirizzo(riga).startsWith(u"fatture@"_s))
        << "the directory's invoice contact, not the store's address: "
        << Indirizzo(riga).toStdString();
    const QString cliente = CodiceCliente(riga);
    Fotografa(*finestra, u"da-inviare-rubrica"_s);

    // A click on the address opens the contact editor; a new address is confirmed there.
    bool aperto = false;
    const QString nuovo = u"amministrazione@nuovo-dominio.it"_s;
    QTimer::singleShot(200, finestra.get(), [&] {
        for (QWidget* finestraAperta : QApplication::topLevelWidgets()) {
            auto* editor = qobject_cast<FormRubricaClienteLDAP*>(finestraAperta);
            if (!editor || !editor->isVisible())
                continue;
            aperto = true;
            Fotografa(*editor, u"rubrica-contatto"_s);
            editor->findChild<QLineEdit*>(u"txtEmail"_s)->setText(nuovo);
            editor->findChild<QToolButton*>(u"Pic_Conferma"_s)->click();
            if (!AttendiFinche([editor] { return !editor->isVisible(); }))
                editor->reject();
        }
    });
    vista->CellaDaInviare(riga, ColonnaParametriInvio);
    ASSERT_TRUE(AttendiFinche([&] { return aperto && Indirizzo(riga) == nuovo; }))
        << Indirizzo(riga).toStdString() << " " << dialoghi.Testi().join(u'|').toStdString();

    // Every invoice row of that customer shows the new address; the directory holds it.
    for (int i = 0; i < P().DocumentiDaInviare.Conta(); ++i) {
        if (CodiceCliente(i) == cliente && Sigla(i) == u"FATT."_s) {
            EXPECT_EQ(Indirizzo(i), nuovo);
        }
    }
    CercaDaInviare();
    bool trovato = false;
    for (int i = 0; i < P().DocumentiDaInviare.Conta(); ++i) {
        if (CodiceCliente(i) == cliente && Sigla(i) == u"FATT."_s) {
            trovato = true;
            EXPECT_EQ(Indirizzo(i), nuovo);
        }
    }
    EXPECT_TRUE(trovato);
    EXPECT_TRUE(dialoghi.Testi().isEmpty()) << dialoghi.Testi().join(u'|').toStdString();
}

} // namespace
